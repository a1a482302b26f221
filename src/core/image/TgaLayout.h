// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the parts of a TGA file lie, taken from its header and checked against
// the bytes that are really there. stb_image trusts a file: it fills a short file
// with zeros, takes the first colour-map index for a byte offset and refuses a
// true-colour file that carries an unused colour map. The reader therefore walks
// the file here first and hands stb_image only a file it reads correctly.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/Outcome.h"

namespace gw {

struct TgaLayout {
    int idLength = 0;
    int colorMapType = 0;  // 0 none, 1 present
    int imageType = 0;     // 1 mapped, 2 true colour, 3 grey; +8 run-length encoded
    int mapFirst = 0;      // colour index of the first colour-map entry
    int mapLength = 0;
    int mapEntryBits = 0;
    int width = 0;
    int height = 0;
    int pixelBits = 0;
    int descriptor = 0;

    std::size_t mapOffset = 0;    // first byte of the colour map
    std::size_t mapBytes = 0;     // its size in the file (also for an unused map)
    std::size_t pixelOffset = 0;  // first byte of the pixel data

    bool colourMapped() const { return (imageType & 7) == 1; }
    bool runLength() const { return imageType >= 9; }
    bool topDown() const { return (descriptor & 0x20) != 0; }
    bool rightToLeft() const { return (descriptor & 0x10) != 0; }
    int pixelBytes() const { return (pixelBits + 7) / 8; }
};

inline constexpr std::size_t kTgaHeaderBytes = 18;

// The largest picture the reader decodes, by area: 4096 x 4096 pixels. A tile
// is 62 x 62 and a skeleton 1016 x 1016; a header that claims more (a small
// run-length encoded file can claim 8192 x 8192, a 200 MB picture) is refused
// before any pixel memory is taken.
inline constexpr long long kMaxTgaPixels = 4096LL * 4096;

// Reads and checks the header, then walks the pixel data (every run-length packet
// and every colour index) so that a short or inconsistent file is refused with
// its reason before any pixel memory is taken.
Outcome ParseTgaLayout(std::string_view bytes, TgaLayout& layout);

// True when stb_image would misread the file as it stands.
bool NeedsRewriteForDecoder(const TgaLayout& layout);

// The same picture in the form stb_image reads correctly: a colour map that
// starts at index 0 (padded at the front) and no unused colour map.
std::string RewriteForDecoder(std::string_view bytes, const TgaLayout& layout);

}  // namespace gw
