// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/image/RgbImage.h"

#include <string>

namespace gw {

Outcome RgbImage::CheckSize(long long width, long long height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
        return Outcome::Fail("an image of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels is outside the sizes we handle (1 to " + std::to_string(kMaxSide) +
                             " pixels a side)");
    }
    return Outcome::Ok();
}

Outcome RgbImage::Create(int width, int height) {
    Outcome size = CheckSize(width, height);
    if (!size) return size;
    bytes_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * kChannels, 0);
    width_ = width;
    height_ = height;
    return Outcome::Ok();
}

}  // namespace gw
