// SPDX-License-Identifier: GPL-3.0-or-later
#include <stb_image_resize.h>

#include "core/image/ImageOps.h"

namespace gw {

Outcome ResizeImage(const RgbImage& source, int width, int height, RgbImage& target) {
    if (source.empty()) return Outcome::Fail("cannot resize an empty image");
    RgbImage resized;
    if (Outcome created = resized.Create(width, height); !created) return created;
    if (!stbir_resize_uint8(source.data(), source.width(), source.height(), 0, resized.data(), width, height, 0,
                            RgbImage::kChannels)) {
        return Outcome::Fail("cannot resize the image to " + std::to_string(width) + " x " + std::to_string(height));
    }
    target = std::move(resized);
    return Outcome::Ok();
}

}  // namespace gw
