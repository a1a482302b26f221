// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The piece's and the terrain's heights as heightmaps and back. Export spreads
// the grid's lowest to highest height over 0 to 65535; import puts black and
// white at the heights it is given and resamples the picture onto the grid.
#include <optional>

#include "core/Outcome.h"
#include "core/heightmap/Heightmap.h"
#include "core/piece/PieceGrid.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

struct HeightmapExport {
    Heightmap map;
    HeightRange heights;  // drawn as 0 and 65535; a flat grid is all 0
};

// 17 x 17 from the piece's cells: grid row 1 (the north edge) is the top row.
HeightmapExport PieceHeightmap(const PieceGrid& grid);
// 257 x 257 from the terrain: y = 256 (the north edge) is the top row.
HeightmapExport TerrainHeightmap(const NationalGrid& grid);

// The heights an import draws black and white at unless told otherwise.
inline constexpr double kDefaultHeightmapLowest = 0;
inline constexpr double kDefaultHeightmapHighest = 20;

// What the user gave for black and white; either may be missing.
struct GivenHeights {
    std::optional<double> lowest;
    std::optional<double> highest;
};

// The heights of black and white for an import: each as given, else as the PNG
// recorded it, else the defaults 0 and 20.
HeightRange ImportHeights(const GivenHeights& given, const std::optional<HeightRange>& recorded);

// Resample map onto the grid, bilinear with the picture's corners on the grid's
// corners (a picture of the grid's own size is taken sample for sample), black
// at heights.lowest and white at heights.highest. Refused, with the grid
// untouched, when black lies above white, and for the terrain when black lies
// below 0 (the terrain reader refuses negative heights). The piece's rim stays.
Outcome PieceFromHeightmap(const Heightmap& map, const HeightRange& heights, PieceGrid& grid);
Outcome TerrainFromHeightmap(const Heightmap& map, const HeightRange& heights, NationalGrid& grid);

}  // namespace gw
