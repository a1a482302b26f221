// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/heightmap/HeightmapGrid.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace gw {

namespace {

std::uint16_t SampleOf(double z, const HeightRange& heights) {
    const double span = heights.highest - heights.lowest;
    if (!(span > 0)) return 0;  // a flat grid is all black
    const double scaled = (z - heights.lowest) / span * Heightmap::kWhite;
    if (!(scaled > 0)) return 0;
    if (scaled >= Heightmap::kWhite) return Heightmap::kWhite;
    return static_cast<std::uint16_t>(std::lround(scaled));
}

Heightmap BlankHeightmap(int side) {
    Heightmap map;
    map.width = map.height = side;
    map.samples.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
    return map;
}

// Where grid vertex i of n lies in a picture of size samples: between samples
// first and first + 1, weight of the second. Vertex i lies at i (size - 1) /
// (n - 1), computed in whole numbers so the corners and every sample that a
// vertex meets exactly are taken as they are.
struct Tap {
    int first = 0;
    int second = 0;
    double weight = 0;
};

std::vector<Tap> Taps(int n, int size) {
    std::vector<Tap> taps(static_cast<std::size_t>(n));
    if (size == 1 || n == 1) return taps;
    for (int i = 0; i < n; ++i) {
        const long long scaled = static_cast<long long>(i) * (size - 1);
        const int first = static_cast<int>(scaled / (n - 1));
        const long long rest = scaled % (n - 1);
        taps[static_cast<std::size_t>(i)] = {first, rest == 0 ? first : first + 1, static_cast<double>(rest) / (n - 1)};
    }
    return taps;
}

// The heights at the n x n vertices of a grid, top row first. Bilinear
// interpolation is written here rather than taken from stb_image_resize (which
// resizes the textures): stb samples at pixel centres, so the picture's corner
// pixels would not land on the grid's corners (a 513 picture would not give its
// even pixels to a 257 grid), and when reducing it widens its triangle filter
// into an average over an area, which is not the bilinear the help promises.
std::vector<double> ResampledHeights(const Heightmap& map, int n, const HeightRange& heights) {
    const std::vector<Tap> columns = Taps(n, map.width);
    const std::vector<Tap> rows = Taps(n, map.height);
    std::vector<double> result;
    result.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (const Tap& row : rows) {
        for (const Tap& column : columns) {
            const double upper = std::lerp(static_cast<double>(map.At(column.first, row.first)),
                                           static_cast<double>(map.At(column.second, row.first)), column.weight);
            const double lower = std::lerp(static_cast<double>(map.At(column.first, row.second)),
                                           static_cast<double>(map.At(column.second, row.second)), column.weight);
            const double sample = std::lerp(upper, lower, row.weight);
            // lerp gives the ends exactly: black is lowest, white highest.
            result.push_back(std::lerp(heights.lowest, heights.highest, sample / Heightmap::kWhite));
        }
    }
    return result;
}

Outcome CheckImport(const Heightmap& map, const HeightRange& heights, bool terrain) {
    if (map.width < 1 || map.height < 1 ||
        map.samples.size() != static_cast<std::size_t>(map.width) * static_cast<std::size_t>(map.height)) {
        return Outcome::Fail("the heightmap is empty");
    }
    if (!std::isfinite(heights.lowest) || !std::isfinite(heights.highest)) {
        return Outcome::Fail("the heights of black and white must be numbers");
    }
    if (heights.lowest > heights.highest) {
        return Outcome::Fail("the height of black (" + ExactNumberText(heights.lowest) +
                             ") lies above the height of white (" + ExactNumberText(heights.highest) + ")");
    }
    if (terrain && heights.lowest < 0) {
        return Outcome::Fail("a terrain cannot hold negative heights, and black would be " +
                             ExactNumberText(heights.lowest));
    }
    return Outcome::Ok();
}

}  // namespace

HeightmapExport PieceHeightmap(const PieceGrid& grid) {
    constexpr int kSide = PieceGrid::kLast - PieceGrid::kFirst + 1;
    HeightmapExport result{BlankHeightmap(kSide), PieceHeightRange(grid)};
    for (int r = PieceGrid::kFirst; r <= PieceGrid::kLast; ++r) {
        for (int c = PieceGrid::kFirst; c <= PieceGrid::kLast; ++c) {
            result.map.samples[static_cast<std::size_t>((r - 1) * kSide + (c - 1))] =
                SampleOf(grid.Z(c, r), result.heights);
        }
    }
    return result;
}

HeightmapExport TerrainHeightmap(const NationalGrid& grid) {
    constexpr int kLast = NationalGrid::kSize - 1;
    const auto [lowest, highest] = std::minmax_element(grid.values.begin(), grid.values.end());
    HeightmapExport result{BlankHeightmap(NationalGrid::kSize), HeightRange{*lowest, *highest}};
    for (int y = 0; y <= kLast; ++y) {
        for (int x = 0; x <= kLast; ++x) {
            result.map.samples[static_cast<std::size_t>((kLast - y) * NationalGrid::kSize + x)] =
                SampleOf(grid.At(x, y), result.heights);
        }
    }
    return result;
}

HeightRange ImportHeights(const GivenHeights& given, const std::optional<HeightRange>& recorded) {
    HeightRange heights = recorded.value_or(HeightRange{kDefaultHeightmapLowest, kDefaultHeightmapHighest});
    if (given.lowest) heights.lowest = *given.lowest;
    if (given.highest) heights.highest = *given.highest;
    return heights;
}

Outcome PieceFromHeightmap(const Heightmap& map, const HeightRange& heights, PieceGrid& grid) {
    if (Outcome checked = CheckImport(map, heights, false); !checked) return checked;
    constexpr int kSide = PieceGrid::kLast - PieceGrid::kFirst + 1;
    const std::vector<double> resampled = ResampledHeights(map, kSide, heights);
    for (int r = PieceGrid::kFirst; r <= PieceGrid::kLast; ++r) {
        for (int c = PieceGrid::kFirst; c <= PieceGrid::kLast; ++c) {
            grid.Z(c, r) = resampled[static_cast<std::size_t>((r - 1) * kSide + (c - 1))];
        }
    }
    return Outcome::Ok();
}

Outcome TerrainFromHeightmap(const Heightmap& map, const HeightRange& heights, NationalGrid& grid) {
    if (Outcome checked = CheckImport(map, heights, true); !checked) return checked;
    constexpr int kLast = NationalGrid::kSize - 1;
    const std::vector<double> resampled = ResampledHeights(map, NationalGrid::kSize, heights);
    for (int y = 0; y <= kLast; ++y) {
        for (int x = 0; x <= kLast; ++x) {
            grid.At(x, y) = resampled[static_cast<std::size_t>((kLast - y) * NationalGrid::kSize + x)];
        }
    }
    return Outcome::Ok();
}

}  // namespace gw
