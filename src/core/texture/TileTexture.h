#pragma once
// One piece's texture pasted onto the 992 x 992 skeleton: 16 x 16 tiles of
// 62 x 62 pixels.
#include <string>

#include "core/Interfaces.h"
#include "core/image/RgbImage.h"
#include "core/texture/TextureView.h"

namespace gw {

inline constexpr int kTileSide = 62;
inline constexpr int kTilesPerSide = 16;
inline constexpr int kSkeletonSide = kTileSide * kTilesPerSide;  // 992
inline constexpr int kTextureSide = 1016;

// The tile's top-left corner for the .TER's XIndex and YIndex (multiples of 16
// from 0 to 240): XIndex / 16 x 62 from the left, (240 - YIndex) / 16 x 62 from
// the top, so YIndex 240 is the top row. Rounded to the nearest whole number,
// halves to even.
long long TileLeft(int xIndex);
long long TileTop(int yIndex);

// Reads the tile, turns it by the rotation code when orientation is above -1
// and pastes it with its top-left corner at (x, y). A tile of another size than
// 62 x 62 is first resampled to 62 x 62, so it fills exactly its cell. After
// every 16th piece the view shows the piece number and the skeleton.
// A tile that cannot be read sets the status "ImgDLLReadRGBFromTGA error: " and
// the reason, shows "Error opening " and the file, and gives false.
bool PlaceTileTexture(const std::string& textureFile, RgbImage& skeleton, long long x, long long y, int orientation,
                      int pieceNumber, TextureView& view, Prompter& prompter);

}  // namespace gw
