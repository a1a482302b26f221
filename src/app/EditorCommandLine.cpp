// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditorCommandLine.h"

namespace gw {

namespace {

constexpr const char* kUsage =
    "Usage: gridwright [PIECE.asc]\n"
    "\n"
    "Edits the terrain files of the motocross game Motocross Madness: the 17 x 17\n"
    "height grid of a track piece, saved as the game's N/W/S/E file set, and the\n"
    "257 x 257 National terrain built from a whole SX track, with its displacement\n"
    "maps and texture.\n"
    "\n"
    "PIECE.asc, when given, is opened at start-up: the north file of a piece set\n"
    "(nameN.asc, nameNS.asc or nameNSEW.asc).\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Qt's own options work as well, for example -stylesheet FILE.qss,\n"
    "-platform NAME and -style NAME.\n"
    "gridwright-cli does the same work without windows.\n";

}  // namespace

EditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& arguments) {
    EditorCommandLine line;
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") return {EditorCommandLine::Action::Help, "", kUsage};
        if (argument == "-v" || argument == "--version") {
            return {EditorCommandLine::Action::Version, "", std::string("gridwright ") + GRIDWRIGHT_VERSION + "\n"};
        }
    }
    for (const std::string& argument : arguments) {
        if (argument.size() > 1 && argument[0] == '-') {
            return {EditorCommandLine::Action::Error, "",
                    "gridwright: unknown option '" + argument + "' (try --help)\n"};
        }
        if (!line.piecePath.empty()) {
            return {EditorCommandLine::Action::Error, "", "gridwright: one piece at a time (try --help)\n"};
        }
        line.piecePath = argument;
    }
    return line;
}

}  // namespace gw
