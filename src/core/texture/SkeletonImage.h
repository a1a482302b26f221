// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skeleton images shipped in the program's folder: skel.tga (992 x 992), the
// ground the piece textures are pasted on, and skel1016.tga (1016 x 1016), the
// size of the finished texture. A plain earth colour with a faint line between
// the 16 x 16 pieces, so a piece whose texture is missing shows as bare ground.
#include <cstdint>

#include "core/image/RgbImage.h"

namespace gw {

inline constexpr std::uint32_t kSkeletonGround = 0x7A6A52;
inline constexpr std::uint32_t kSkeletonGridLine = 0x746449;

// A side x side skeleton with grid lines on the first row and column of each of
// the 16 x 16 cells.
RgbImage MakeSkeletonImage(int side);

}  // namespace gw
