// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `gridwright` is asked on its command line: help, the version, or a
// piece to open. Qt's own options (-stylesheet, -platform, ...) are Qt's.
#include <string>
#include <vector>

namespace gw {

struct EditorCommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string piecePath;  // Run: the piece to open, empty for none
    std::string text;       // Help and Version: for stdout; Error: for stderr
};

// arguments: the command line without the program's name. --help and
// --version win wherever they stand, so they can be answered before any window
// (or display) exists; an unknown option or a second file is an error.
EditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& arguments);

}  // namespace gw
