// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstring>

#include "core/image/ImageOps.h"

namespace gw {

void OverlayImage(RgbImage& target, const RgbImage& source, long long x, long long y) {
    const long long left = std::max(x, 0LL);
    const long long top = std::max(y, 0LL);
    const long long right = std::min<long long>(x + source.width(), target.width());
    const long long bottom = std::min<long long>(y + source.height(), target.height());
    if (left >= right || top >= bottom) return;
    const std::size_t bytes = static_cast<std::size_t>(right - left) * RgbImage::kChannels;
    for (long long row = top; row < bottom; ++row) {
        std::memcpy(target.Pixel(static_cast<int>(left), static_cast<int>(row)),
                    source.Pixel(static_cast<int>(left - x), static_cast<int>(row - y)), bytes);
    }
}

}  // namespace gw
