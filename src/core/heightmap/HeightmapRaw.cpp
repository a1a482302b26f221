// SPDX-License-Identifier: GPL-3.0-or-later
// Raw heightmaps: nothing but 16-bit little-endian samples, row after row. The
// file holds no size, so it must be a square and its side follows from its size.
#include <cmath>

#include "core/heightmap/HeightmapFile.h"

namespace gw {

namespace {

constexpr std::size_t kMaxSamples = std::size_t{Heightmap::kMaxSide} * Heightmap::kMaxSide;

}  // namespace

HeightmapRead DecodeHeightmapRaw(std::string_view bytes) {
    HeightmapRead result;
    const std::size_t count = bytes.size() / 2;
    if (bytes.empty()) {
        result.outcome = Outcome::Fail("the file is empty");
    } else if (bytes.size() % 2 != 0) {
        result.outcome = Outcome::Fail("its size of " + std::to_string(bytes.size()) +
                                       " bytes is odd, not a whole number of 16-bit samples");
    } else if (count > kMaxSamples) {
        result.outcome = Outcome::Fail("it holds more than " + std::to_string(Heightmap::kMaxSide) + " x " +
                                       std::to_string(Heightmap::kMaxSide) + " samples");
    }
    if (!result.outcome) return result;
    const auto side = static_cast<std::size_t>(std::llround(std::sqrt(static_cast<double>(count))));
    if (side * side != count) {
        result.outcome = Outcome::Fail("its " + std::to_string(count) +
                                       " samples do not make a square (a raw heightmap's side is taken from its size)");
        return result;
    }
    Heightmap& map = result.map;
    map.width = map.height = static_cast<int>(side);
    map.samples.resize(count);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < count; ++i) {
        map.samples[i] = static_cast<std::uint16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return result;
}

std::string EncodeHeightmapRaw(const Heightmap& map) {
    std::string bytes(map.samples.size() * 2, '\0');
    for (std::size_t i = 0; i < map.samples.size(); ++i) {
        bytes[2 * i] = static_cast<char>(map.samples[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(map.samples[i] >> 8);
    }
    return bytes;
}

}  // namespace gw
