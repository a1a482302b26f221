// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TileTexture.h"

#include <filesystem>

#include "core/image/ImageOps.h"
#include "core/image/TgaFile.h"
#include "core/text/NumberText.h"
#include "core/texture/TextureTexts.h"

namespace gw {

namespace {

long long TileOffset(double units) { return static_cast<long long>(RoundHalfEven(units / 16.0 * kTileSide)); }

}  // namespace

long long TileLeft(int xIndex) { return TileOffset(xIndex); }

long long TileTop(int yIndex) { return TileOffset(240.0 - yIndex); }

const RgbImage* TileCache::Get(const std::string& textureName) {
    auto [entry, added] = tiles_.try_emplace(textureName);
    if (!added) return entry->second ? &*entry->second : nullptr;
    if (textureName.empty()) {
        failures_.push_back({"", "a placement's MapID names no texture file set"});
        return nullptr;
    }
    const std::string file = finder_.Resolve(textureName);
    RgbImage tile;
    Outcome read = ReadTgaFile(file, tile);
    if (read && (tile.width() != kTileSide || tile.height() != kTileSide)) {
        RgbImage fitted;
        read = ResizeImage(tile, kTileSide, kTileSide, fitted);
        if (!read) read = Outcome::Fail("Cannot read " + file + ": " + read.message());
        tile = std::move(fitted);
    }
    if (!read) {
        std::string reason = read.message();
        std::error_code ec;
        if (file == textureName && !std::filesystem::exists(file, ec))
            reason += " (nor beside the .TER, in any letter case)";
        failures_.push_back({file, reason});
        return nullptr;
    }
    entry->second = std::move(tile);
    return &*entry->second;
}

void PlaceTile(const RgbImage& tile, RgbImage& skeleton, long long x, long long y, int orientation, int pieceNumber,
               TextureView& view) {
    // A code outside 0..3 (an orientation the table does not know) leaves the
    // tile as it is.
    if (orientation > -1) {
        RgbImage turned = tile;
        RotateImage(turned, orientation);
        OverlayImage(skeleton, turned, x, y);
    } else {
        OverlayImage(skeleton, tile, x, y);
    }
    if (pieceNumber % 16 == 0) {
        view.Status(std::to_string(pieceNumber));
        view.DrawPreview(skeleton);
    }
}

std::string TileFailuresBoxText(const std::vector<TileFailure>& failures, std::size_t maxLines) {
    if (failures.size() == 1) return kTileOpenError + failures.front().file;
    std::string text =
        kTileOpenError + std::to_string(failures.size()) + " texture files; their pieces keep the skeleton's ground:";
    for (std::size_t i = 0; i < failures.size() && i < maxLines; ++i) text += "\n" + failures[i].reason;
    if (failures.size() > maxLines) text += "\n... and " + std::to_string(failures.size() - maxLines) + " more";
    return text;
}

std::string TilesMissingText(int placementsFailed, const std::vector<TileFailure>& failures) {
    return std::to_string(placementsFailed) + " of " + std::to_string(kTilesPerSide * kTilesPerSide) +
           " pieces have no texture: " +
           (failures.size() == 1 ? failures.front().reason
                                 : std::to_string(failures.size()) + " texture files could not be read");
}

void ReportTileFailures(const std::vector<TileFailure>& failures, TextureView& view, Prompter& prompter) {
    if (failures.empty()) return;
    view.Status(kTileReadError + failures.front().reason);
    prompter.Message(TileFailuresBoxText(failures), kTextureMessageTitle);
}

}  // namespace gw
