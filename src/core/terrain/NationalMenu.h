#pragma once
// The file items of the National menu, with their boxes: Open Base ASC257 and
// Save ASC257. (Add to ASC257 is PromptAddToASC257, Clear ASC257 is
// ClearASC257.) The caller shows the busy pointer around them.
#include <optional>

#include "core/EditorState.h"
#include "core/Interfaces.h"
#include "core/terrain/Asc257File.h"

namespace gw {

// Asks for a file in the national folder and reads it onto the terrain;
// BaseMapFile and LastASC257File take its path. A cancelled box does nothing and
// gives no result; a file that cannot be loaded is reported in a message box and
// changes nothing, neither the terrain nor the two paths.
std::optional<Asc257ReadResult> OpenBaseASC257(EditorState& state, Prompter& prompter, StatusSink& status);

// Asks for a target, proposing DefaultAsc257SaveName, and writes the terrain
// through the skeleton with the .out and .bak files beside the target. A
// cancelled box shows "ASC save cancelled"; a failed write is reported with its
// reason. True when the file was written.
bool SaveASC257(const EditorState& state, Prompter& prompter, StatusSink& status);

}  // namespace gw
