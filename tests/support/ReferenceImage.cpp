// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ReferenceImage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <stb_image.h>

#include "support/TempDir.h"

namespace gw::test {

RgbImage ReadPngReference(const std::string& path) {
    const std::string bytes = ReadAll(path);
    RgbImage image;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                            static_cast<int>(bytes.size()), &width, &height, &channels, 3);
    if (!pixels) return image;
    if (image.Create(width, height)) std::memcpy(image.data(), pixels, image.byteCount());
    stbi_image_free(pixels);
    return image;
}

RgbImage DistinctImage(int width, int height) {
    RgbImage image;
    image.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, static_cast<std::uint8_t>(x * 7 + 3), static_cast<std::uint8_t>(y * 11 + 5),
                           static_cast<std::uint8_t>((x * 13) ^ (y * 17)));
    return image;
}

std::string FirstDifference(const RgbImage& a, const RgbImage& b) {
    char text[128];
    if (a.width() != b.width() || a.height() != b.height()) {
        std::snprintf(text, sizeof text, "sizes %d x %d vs %d x %d", a.width(), a.height(), b.width(), b.height());
        return text;
    }
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.Rgb(x, y) != b.Rgb(x, y)) {
                std::snprintf(text, sizeof text, "(%d, %d): 0x%06X vs 0x%06X", x, y, a.Rgb(x, y), b.Rgb(x, y));
                return text;
            }
    return "";
}

int LargestChannelDifference(const RgbImage& a, const RgbImage& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.byteCount() && i < b.byteCount(); ++i)
        largest = std::max(largest, std::abs(int{a.data()[i]} - int{b.data()[i]}));
    return largest;
}

std::string TestDataPath(const std::string& relative) { return std::string(GRIDWRIGHT_TEST_DATA_DIR) + "/" + relative; }

}  // namespace gw::test
