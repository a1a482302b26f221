// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A heightmap: a picture of heights as 16-bit grey samples, 0 for the lowest
// height and 65535 for the highest, the form terrain tools exchange. Rows run
// from the top (the north edge, highest Y) down, each from west (lowest X) to
// east, as in the displacement maps.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "core/piece/PieceGrid.h"

namespace gw {

struct Heightmap {
    // Far above the 257 x 257 of a terrain; small enough that a lying header
    // cannot make a reader allocate more than 128 MiB.
    static constexpr int kMaxSide = 8192;
    static constexpr std::uint16_t kWhite = 65535;

    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> samples;  // width x height, top row first

    std::uint16_t At(int x, int y) const {
        return samples[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
    bool operator==(const Heightmap&) const = default;
};

// What a heightmap reader gives: the samples, or why the file was refused.
struct HeightmapRead {
    Outcome outcome = Outcome::Ok();
    Heightmap map;
    // The heights of black and white that export-heightmap recorded in a PNG.
    std::optional<HeightRange> recorded;
    // Not empty when the file was not plain 16-bit grey: what was done to read
    // it (an 8-bit or colour image read as its grey value). The caller shows it.
    std::string note;
};

// The shortest text that reads back as exactly the same number ("0.1", "20",
// "1e-07"): heights in the PNG's text chunks and in the command line's messages.
std::string ExactNumberText(double value);

// The finite number that the whole text holds, in the form ExactNumberText
// writes; false for anything else (an empty text, a stray character, "inf").
bool ParseExactNumber(const std::string& text, double& value);

}  // namespace gw
