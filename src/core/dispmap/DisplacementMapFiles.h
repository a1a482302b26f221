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

// With a current .TER (after a conversion) the terrain map is saved without
// asking, under the .TER's base name and the suffix and without a folder, so it
// lands in the current folder. Empty when no .TER is current: then ask.
std::string TerrainDisplacementMapFixedPath(TerrainMapSize size, const std::string& currentTerFile);

// The Save box asked when no .TER is current: title "Save Displacement Map 257"
// (or 513), filter "TGA file|*.tga|All Files|*.*", default extension "*.tga",
// NationalFolder, and the base map's name with the suffix (empty without a base
// map).
FileBoxRequest TerrainDisplacementMapSaveBox(TerrainMapSize size, const std::string& nationalFolder,
                                             const std::string& baseMapFile);

// A conversion's output folder takes the map: outputFolder, a separator, and the
// path's base name, "." and extension (an empty folder leaves the path as is).
std::string PlaceInOutputFolder(const std::string& path, const std::string& outputFolder);

}  // namespace gw
