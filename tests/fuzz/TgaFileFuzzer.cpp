// SPDX-License-Identifier: GPL-3.0-or-later
// The TGA reader on any bytes: it refuses what it cannot read without touching
// the picture, and what it reads comes back unchanged through our own writer.

#include "FuzzSupport.h"
#include "core/image/RgbImage.h"
#include "core/image/TgaFile.h"
#include "core/image/TgaLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = gw::fuzz::AsText(data, size);

    gw::RgbImage image;
    GW_FUZZ_CHECK(image.Create(3, 2).ok());
    image.SetPixel(1, 1, 10, 20, 30);
    const gw::RgbImage before = image;
    const gw::Outcome decoded = gw::DecodeTga(input, image);

    gw::TgaLayout layout;
    const gw::Outcome parsed = gw::ParseTgaLayout(input, layout);
    if (!decoded) {
        GW_FUZZ_CHECK(!decoded.message().empty());
        GW_FUZZ_CHECK(image == before);
        return 0;
    }
    GW_FUZZ_CHECK(parsed.ok());
    GW_FUZZ_CHECK(image.width() == layout.width && image.height() == layout.height);
    GW_FUZZ_CHECK(image.width() >= 1 && image.width() <= gw::RgbImage::kMaxSide);
    GW_FUZZ_CHECK(image.height() >= 1 && image.height() <= gw::RgbImage::kMaxSide);
    GW_FUZZ_CHECK(image.byteCount() == image.rowBytes() * static_cast<std::size_t>(image.height()));

    const std::string encoded = gw::EncodeTga(image);
    gw::RgbImage back;
    GW_FUZZ_CHECK(gw::DecodeTga(encoded, back).ok());
    GW_FUZZ_CHECK(back == image);
    return 0;
}
