// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture operations the texture builder needs: resampling, sharpening,
// quarter turns and pasting one picture onto another.
#include "core/Outcome.h"
#include "core/image/RgbImage.h"

namespace gw {

// Resamples source to width x height into target (stb_image_resize: Catmull-Rom
// when enlarging, Mitchell when reducing, edges clamped). Fails for an empty
// source or a refused size; target is then left as it was.
Outcome ResizeImage(const RgbImage& source, int width, int height, RgbImage& target);

// The texture builder's sharpening strength.
inline constexpr int kTextureSharpenStrength = 5;

// A sharpened copy of source. Each channel is filtered with the 3 x 3 kernel
//     -a -a -a
//     -a 1+8a -a      a = strength / 40
//     -a -a -a
// so flat areas keep their value and an edge's contrast grows. Strength 5 gives
//     -1/8 -1/8 -1/8
//     -1/8   2  -1/8
//     -1/8 -1/8 -1/8
// Pixels beyond the border repeat the border; results are rounded (halves up)
// and clipped to 0..255. Strength 0 (or less) copies; it is capped at 1000.
RgbImage SharpenImage(const RgbImage& source, int strength);

// Rotation codes 0..3 turn a picture by code + 1 quarter turns clockwise as it
// is seen (top row first): 0 a quarter turn (the top-left corner goes to the
// top-right), 1 a half turn, 2 three quarters (a quarter counter-clockwise),
// 3 a full turn (unchanged). With this, the texture builder's table (orientation
// 0 none, 1 code 2, 2 code 1, 3 code 0) turns a tile of orientation k by k
// quarter turns counter-clockwise. Width and height swap on an odd number of
// quarter turns.
// Another code fails and leaves the picture as it was.
Outcome RotateImage(RgbImage& image, int rotationCode);

// Copies source into target with source's top-left corner at (x, y) of target.
// What falls outside target is cut off; x and y may be negative.
void OverlayImage(RgbImage& target, const RgbImage& source, long long x, long long y);

}  // namespace gw
