// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TextureSkeleton.h"

#include <filesystem>

#include "core/texture/TexturePalette.h"
#include "core/texture/TextureOrientation.h"
#include "core/texture/TextureTexts.h"
#include "core/texture/TileTexture.h"
#include "core/texture/TrackValue.h"
#include "core/trackfiles/FindTrackFile.h"

namespace gw {

namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// The .TRK's orientations; an empty document (no .TRK) gives every default.
struct TrackOrientations {
    ProfileDocument track;

    int Read(int pieceNumber) const {
        return ReadTrackInteger(track, kTrackSection, OrientationKey(pieceNumber), "-2");
    }
};

TrackOrientations LoadTrack(const std::string& terPath, std::string& trackFile, Prompter& prompter) {
    TrackOrientations orientations;
    trackFile = FindTrackBesideTer(terPath);
    if (!IsFile(trackFile) || !ProfileDocument::Load(trackFile, orientations.track)) {
        prompter.Message(TrackNotFoundText(trackFile), kTextureMessageTitle);
    }
    return orientations;
}

}  // namespace

std::string TrackNotFoundText(const std::string& trackFile) { return trackFile + kTrackNotFound; }

TextureSkeleton ComposeTextureSkeleton(const std::string& terPath, RgbImage skeleton, TextureView& view,
                                       Prompter& prompter) {
    TextureSkeleton result;
    result.image = std::move(skeleton);
    ProfileDocument ter;
    if (Outcome loaded = ProfileDocument::Load(terPath, ter); !loaded) {
        prompter.Message(loaded.message(), kTextureMessageTitle);
        result.outcome = loaded;
        return result;
    }
    const TexturePalette palette = LoadTexturePalette(ter, prompter);
    std::string trackFile;
    const TrackOrientations track = LoadTrack(terPath, trackFile, prompter);
    result.log.Header(trackFile);
    if (palette.size() < 1) return result;

    TrackFileFinder finder(terPath);
    TileCache tiles(finder);
    for (int n = 1; n <= kTilesPerSide * kTilesPerSide; ++n) {
        const std::string section = kPlacementSection + std::to_string(n);
        const int mapId = ReadTrackInteger(ter, section, "MapID", "0");
        const int xIndex = ReadTrackInteger(ter, section, "XIndex", "0");
        const int yIndex = ReadTrackInteger(ter, section, "YIndex", "0");
        const std::string transform = ReadTrackText(ter, section, "Transform", "0");
        if (mapId == 0) {
            ReportTileFailures(tiles.failures(), view, prompter);
            result.tileFailures = tiles.failures();
            prompter.Message(kInvalidMapId, kTextureMessageTitle);
            result.outcome = Outcome::Fail(kInvalidMapId + " in " + section + ": no texture written");
            return result;
        }
        int orientationRead = kOrientationUnknown;
        int orientation = kNoTurn;
        if (transform != kNoTransform) {
            orientationRead = track.Read(n);
            orientation = RemapOrientation(orientationRead);
        }
        const std::string& texture = palette.Entry(mapId);
        result.log.Placement(n, transform, orientationRead, orientation, texture);
        if (const RgbImage* tile = tiles.Get(texture)) {
            PlaceTile(*tile, result.image, TileLeft(xIndex), TileTop(yIndex), orientation, n, view);
            ++result.placed;
        } else {
            ++result.failed;
        }
    }
    result.tileFailures = tiles.failures();
    ReportTileFailures(result.tileFailures, view, prompter);
    return result;
}

}  // namespace gw
