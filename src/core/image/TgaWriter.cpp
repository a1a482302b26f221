// SPDX-License-Identifier: GPL-3.0-or-later
#include <stb_image_write.h>

#include "core/image/TgaFile.h"
#include "core/io/ReplaceFile.h"

namespace gw {

namespace {

void AppendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

}  // namespace

std::string EncodeTga(const RgbImage& image) {
    std::string bytes;
    if (image.empty()) return bytes;
    bytes.reserve(18 + image.byteCount());
    // stb writes run-length packets unless told otherwise; our files are plain.
    stbi_write_tga_with_rle = 0;
    stbi_write_tga_to_func(&AppendBytes, &bytes, image.width(), image.height(), RgbImage::kChannels, image.data());
    return bytes;
}

Outcome WriteTgaFile(const std::string& path, const RgbImage& image) {
    if (image.empty()) return Outcome::Fail("Cannot write " + path + ": the image is empty");
    return ReplaceFileContents(path, EncodeTga(image));
}

}  // namespace gw
