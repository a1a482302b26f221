// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <vector>

#include "core/image/ImageOps.h"

namespace gw {

namespace {

int FloorDivide(int numerator, int denominator) {
    return numerator >= 0 ? numerator / denominator : -((-numerator + denominator - 1) / denominator);
}

}  // namespace

RgbImage SharpenImage(const RgbImage& source, int strength) {
    RgbImage result = source;
    strength = std::clamp(strength, 0, 1000);
    if (strength == 0 || source.empty()) return result;

    // out = c + a (8c - neighbours), a = strength / 40, worked in fortieths:
    // out = ((40 + 8 s) c - s neighbours) / 40.
    const int centreWeight = 40 + 8 * strength;
    const int width = source.width();
    const int height = source.height();
    const std::size_t rowBytes = source.rowBytes();
    std::vector<int> columnSums(rowBytes);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* above = source.Row(std::max(y - 1, 0));
        const std::uint8_t* middle = source.Row(y);
        const std::uint8_t* below = source.Row(std::min(y + 1, height - 1));
        for (std::size_t i = 0; i < rowBytes; ++i) columnSums[i] = above[i] + middle[i] + below[i];
        std::uint8_t* out = result.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::size_t left = static_cast<std::size_t>(std::max(x - 1, 0)) * 3;
            const std::size_t centre = static_cast<std::size_t>(x) * 3;
            const std::size_t right = static_cast<std::size_t>(std::min(x + 1, width - 1)) * 3;
            for (std::size_t c = 0; c < 3; ++c) {
                const int value = middle[centre + c];
                const int neighbours = columnSums[left + c] + columnSums[centre + c] + columnSums[right + c] - value;
                const int sharpened = FloorDivide(centreWeight * value - strength * neighbours + 20, 40);
                out[centre + c] = static_cast<std::uint8_t>(std::clamp(sharpened, 0, 255));
            }
        }
    }
    return result;
}

}  // namespace gw
