// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TextureTrack.h"

#include "core/image/TgaFile.h"
#include "support/TempDir.h"

namespace gw::test {

namespace {

void Fill(RgbImage& image, int x, int y, std::uint32_t rgb) {
    image.SetPixel(x, y, static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                   static_cast<std::uint8_t>(rgb));
}

std::string Key(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }

}  // namespace

RgbImage SolidTile(std::uint32_t rgb, int side) {
    RgbImage tile;
    tile.Create(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) Fill(tile, x, y, rgb);
    return tile;
}

RgbImage MarkedTile(std::uint32_t ground, std::uint32_t mark) {
    RgbImage tile = SolidTile(ground);
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x) Fill(tile, x, y, mark);
    return tile;
}

void WriteTile(const std::string& path, const RgbImage& tile) { WriteAll(path, EncodeTga(tile)); }

TextureTrack::TextureTrack(std::string folder, std::string name) : folder_(std::move(folder)), name_(std::move(name)) {}

TexturePlacementKeys TextureTrack::Cell(int pieceNumber, int mapId, std::optional<std::string> transform) {
    const int column = (pieceNumber - 1) % 16;
    const int row = (pieceNumber - 1) / 16;
    return {std::to_string(mapId), std::to_string(column * 16), std::to_string(240 - row * 16), std::move(transform)};
}

void TextureTrack::FillCells(int count, int (*mapIdOf)(int pieceNumber)) {
    placements.clear();
    for (int n = 1; n <= count; ++n) placements.push_back(Cell(n, mapIdOf(n)));
}

void TextureTrack::Write() const {
    std::string ter = "[TerrainPalette]\r\n";
    ter += Key("TotalFileSets", totalFileSets.value_or(std::to_string(fileSets.size())));
    for (std::size_t j = 0; j < fileSets.size(); ++j) ter += Key("FileSet_" + std::to_string(j + 1), fileSets[j]);
    ter += "\r\n";
    for (std::size_t n = 0; n < placements.size(); ++n) {
        const TexturePlacementKeys& p = placements[n];
        ter += "[TexturePlacement_" + std::to_string(n + 1) + "]\r\n";
        ter += Key("MapID", p.mapId) + Key("XIndex", p.xIndex) + Key("YIndex", p.yIndex);
        if (p.transform) ter += Key("Transform", *p.transform);
        ter += "\r\n";
    }
    WriteAll(terPath(), ter);
    if (!writeTrack) return;
    std::string track = "[Track]\r\n";
    for (const auto& [key, value] : trackKeys) track += Key(key, value);
    WriteAll(trackPath(), track);
}

std::uint32_t CellPixel(const RgbImage& skeleton, int pieceNumber, int dx, int dy) {
    return skeleton.Rgb(TextureTrack::CellLeft(pieceNumber) + dx, TextureTrack::CellTop(pieceNumber) + dy);
}

}  // namespace gw::test
