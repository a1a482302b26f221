// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file items of the National menu, with their boxes: Open Base ASC257 and
// Save ASC257. (Add to ASC257 is PromptAddToASC257, Clear ASC257 is
// ClearASC257.) The caller shows the busy pointer around them.
#include <optional>

#include "core/EditorState.h"
#include "core/Interfaces.h"
#include "core/terrain/Asc257File.h"

namespace gw {

// What Open Base ASC257 read: the path chosen, the terrain with the file read
// onto it (cells the file does not name keep their heights) and how the
// reading ended. When the reading ended well, the caller makes it the terrain,
// with the path as BaseMapFile and LastASC257File; a file that could not be
// loaded gives back the terrain as it was and changes nothing.
struct BaseAsc257Open {
    std::string path;
    NationalGrid grid;
    Asc257ReadResult read;
};

// Asks for a file in nationalFolder and reads it onto a copy of terrain. A
// cancelled box does nothing and gives no result; a file that cannot be loaded
// is reported in a message box.
std::optional<BaseAsc257Open> OpenBaseASC257(const std::string& nationalFolder, const NationalGrid& terrain,
                                             Prompter& prompter, StatusSink& status);

// Asks for a target, proposing DefaultAsc257SaveName, and writes the terrain
// through the skeleton with the .out and .bak files beside the target. A
// cancelled box shows "ASC save cancelled"; a failed write is reported with its
// reason. True when the file was written.
bool SaveASC257(const EditorState& state, Prompter& prompter, StatusSink& status);

}  // namespace gw
