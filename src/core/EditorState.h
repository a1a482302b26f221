// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide state, one instance from start-up to exit: the open piece and its
// paths, the remembered folders, the terrain and its paths. Windows get a
// reference to it; there are no globals.
#include <string>

#include "core/piece/PieceGrid.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

struct EditorState {
    // The open piece.
    PieceGrid piece;
    bool pieceModified = false;
    std::string pieceName;       // base name less its kind suffix
    std::string pieceExtension;  // without the period, normally asc
    std::string pieceKind;       // "NSEW", "NS", "N" or empty
    std::string pieceFilePath;   // the north file opened or last written

    // Remembered folders (settings "LastPath", "LastTrackPath", "LastNationalPath"),
    // each ending in a separator when not empty.
    std::string pieceFolder;
    std::string trackFolder;
    std::string nationalFolder;
    // The folder a conversion's .TER names instead of its output folder
    // (setting "GameFolder"); empty: the output folder.
    std::string gameFolder;

    // The program's folder and the templates in it.
    std::string programFolder;
    std::string skeletonPath;
    std::string skeleton257Path;

    // The terrain.
    NationalGrid national;
    std::string currentTerFile;
    std::string baseMapFile;
    std::string lastAsc257File;
};

}  // namespace gw
