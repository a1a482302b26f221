// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The terrain as a picture: its 257 x 257 heights coloured by the ramp of the
// cells' height colours and shaded as if lit from the north-west, one pixel
// per height. The top row is the north edge (y = 256), the left column the
// west edge (x = 0), as in the displacement maps and heightmaps.
#include <cstdint>

#include "core/image/RgbImage.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

struct RampColour {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const RampColour&) const = default;
};

// The height colour of value between lowest (blue) and highest (red): light
// tints of hue 240 down to 0 at saturation 80 of 255, full value, so black
// text stays readable on them. A flat range (or one that is not finite) gives
// the middle, green.
RampColour HeightRampColour(double value, double lowest, double highest);

struct TerrainRelief {
    RgbImage image;  // 257 x 257
    double lowest = 0;
    double highest = 0;
};

// Colours every height by its place between the terrain's lowest and highest
// and darkens or lightens it by the slope's turn towards the light. A flat
// terrain is one even colour.
TerrainRelief RenderTerrainRelief(const NationalGrid& grid);

// The track editor's tile ("G" number of Add to ASC257) of a terrain cell:
// 1 to 16 from the west, and from the north. The last row and column belong
// to the tiles before them.
int TileOfX(int x);
int TileOfY(int y);
// The cell at the tile's lower-left (south-west) corner.
int TileFirstX(int tileX);
int TileFirstY(int tileY);

}  // namespace gw
