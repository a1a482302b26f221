// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the displacement maps are saved and the Save box that asks for it.
#include <string>

#include "core/Interfaces.h"

namespace gw {

enum class TerrainMapSize { k257 = 257, k513 = 513 };

// "DispMap257.tga" or "DispMap513.tga".
std::string TerrainMapSuffix(TerrainMapSize size);

// The piece map goes beside the piece, without asking: PieceFolder, PieceName and
// "DispMap17.tga". Empty when no piece is open (empty PieceName).
std::string PieceDisplacementMapPath(const std::string& pieceFolder, const std::string& pieceName);

// The terrain map's name after a file: its base name (up to the name's first
// period) and the suffix. C:\tracks\dunes.ter gives dunesDispMap257.tga.
std::string TerrainDisplacementMapName(TerrainMapSize size, const std::string& path);

// A conversion names its terrain map after the .TER it converts: the .TER's base
// name and the suffix, no folder (the conversion puts it in its output folder).
// Empty when no .TER is current.
std::string TerrainDisplacementMapFixedPath(TerrainMapSize size, const std::string& currentTerFile);

// The Save box the menu items ask: title "Save Displacement Map 257" (or 513),
// filter "TGA file|*.tga|All Files|*.*", default extension "*.tga", NationalFolder
// (where a conversion left its terrain), and the name after the current .TER, else
// after the base map, else empty. A map is never written unseen into whatever
// folder the program happens to run in.
FileBoxRequest TerrainDisplacementMapSaveBox(TerrainMapSize size, const std::string& nationalFolder,
                                             const std::string& currentTerFile, const std::string& baseMapFile);

// A conversion's output folder takes the map: outputFolder, a separator, and the
// path's base name, "." and extension (an empty folder leaves the path as is).
std::string PlaceInOutputFolder(const std::string& path, const std::string& outputFolder);

}  // namespace gw
