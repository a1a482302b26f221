// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/SkeletonImage.h"

#include <vector>

namespace gw {

namespace {

void Fill(RgbImage& image, int x, int y, std::uint32_t rgb) {
    image.SetPixel(x, y, static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                   static_cast<std::uint8_t>(rgb));
}

}  // namespace

RgbImage MakeSkeletonImage(int side) {
    RgbImage image;
    if (!image.Create(side, side)) return image;
    // The first pixel of each of the 16 cells along a side.
    std::vector<bool> onLine(static_cast<std::size_t>(side), false);
    for (int cell = 0; cell < 16; ++cell) onLine[static_cast<std::size_t>(cell * side / 16)] = true;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            Fill(image, x, y,
                 onLine[static_cast<std::size_t>(x)] || onLine[static_cast<std::size_t>(y)] ? kSkeletonGridLine
                                                                                            : kSkeletonGround);
    return image;
}

}  // namespace gw
