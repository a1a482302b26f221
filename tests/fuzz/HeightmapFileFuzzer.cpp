// SPDX-License-Identifier: GPL-3.0-or-later
// The heightmap readers (PNG and raw) on any bytes: a refusal says why and
// gives no samples; what is read has a sane size, comes back unchanged through
// our own writers, and imports onto a piece within its heights.

#include "FuzzSupport.h"
#include "core/heightmap/HeightmapFile.h"
#include "core/heightmap/HeightmapGrid.h"

namespace {

// Writing back is checked on pictures up to this many samples; larger ones
// (a small compressed input may claim 8192 x 8192) would only slow the run.
constexpr std::size_t kRoundTripSamples = std::size_t{1} << 20;

void CheckRead(const gw::HeightmapRead& read, bool png) {
    if (!read.outcome) {
        GW_FUZZ_CHECK(!read.outcome.message().empty());
        GW_FUZZ_CHECK(read.map.samples.empty());
        return;
    }
    const gw::Heightmap& map = read.map;
    GW_FUZZ_CHECK(map.width >= 1 && map.width <= gw::Heightmap::kMaxSide);
    GW_FUZZ_CHECK(map.height >= 1 && map.height <= gw::Heightmap::kMaxSide);
    GW_FUZZ_CHECK(map.samples.size() == static_cast<std::size_t>(map.width) * static_cast<std::size_t>(map.height));
    if (read.recorded) GW_FUZZ_CHECK(read.recorded->lowest <= read.recorded->highest);

    const gw::HeightRange heights = gw::ImportHeights({}, read.recorded);
    gw::PieceGrid piece;
    GW_FUZZ_CHECK(gw::PieceFromHeightmap(map, heights, piece).ok());
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c)
            GW_FUZZ_CHECK(piece.Z(c, r) >= heights.lowest && piece.Z(c, r) <= heights.highest);

    if (map.samples.size() > kRoundTripSamples) return;
    if (png) {
        std::string bytes;
        GW_FUZZ_CHECK(gw::EncodeHeightmapPng(map, heights, bytes).ok());
        const gw::HeightmapRead back = gw::DecodeHeightmapPng(bytes);
        GW_FUZZ_CHECK(back.outcome.ok() && back.map == map && back.note.empty());
        GW_FUZZ_CHECK(back.recorded && back.recorded->lowest == heights.lowest &&
                      back.recorded->highest == heights.highest);
    } else {
        GW_FUZZ_CHECK(gw::DecodeHeightmapRaw(gw::EncodeHeightmapRaw(map)).map == map);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = gw::fuzz::AsText(data, size);
    CheckRead(gw::DecodeHeightmapPng(input), true);
    CheckRead(gw::DecodeHeightmapRaw(input), false);
    return 0;
}
