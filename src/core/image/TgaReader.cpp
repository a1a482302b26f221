// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

#include <stb_image.h>

#include "core/image/TgaFile.h"
#include "core/image/TgaLayout.h"
#include "core/io/FileText.h"

namespace gw {

// The file cap leaves room for the largest picture read, uncompressed at 32 bits.
static_assert(kTgaFileCap.bytes >= static_cast<std::uint64_t>(kMaxTgaPixels) * 4 + kMebibyte);

namespace {

void MirrorRows(RgbImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* left = image.Pixel(0, y);
        std::uint8_t* right = image.Pixel(image.width() - 1, y);
        for (; left < right; left += 3, right -= 3) std::swap_ranges(left, left + 3, right);
    }
}

}  // namespace

Outcome DecodeTga(std::string_view bytes, RgbImage& image) {
    TgaLayout layout;
    if (Outcome parsed = ParseTgaLayout(bytes, layout); !parsed) return parsed;
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return Outcome::Fail("the file is too large for a TGA image");
    }
    std::string rewritten;
    if (NeedsRewriteForDecoder(layout)) {
        rewritten = RewriteForDecoder(bytes, layout);
        bytes = rewritten;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), static_cast<int>(bytes.size()), &width,
                              &height, &channels, RgbImage::kChannels),
        &stbi_image_free);
    if (!pixels) return Outcome::Fail(std::string("the TGA data cannot be decoded (") + stbi_failure_reason() + ")");
    if (width != layout.width || height != layout.height) {
        return Outcome::Fail("the TGA data cannot be decoded (size mismatch)");
    }
    RgbImage decoded;
    if (Outcome created = decoded.Create(width, height); !created) return created;
    std::memcpy(decoded.data(), pixels.get(), decoded.byteCount());
    if (layout.rightToLeft()) MirrorRows(decoded);
    image = std::move(decoded);
    return Outcome::Ok();
}

Outcome ReadTgaFile(const std::string& path, RgbImage& image) {
    std::string bytes;
    if (Outcome read = ReadFileBytes(path, kTgaFileCap, bytes); !read) return read;
    Outcome decoded = DecodeTga(bytes, image);
    if (!decoded) return Outcome::Fail("Cannot read " + path + ": " + decoded.message());
    return decoded;
}

}  // namespace gw
