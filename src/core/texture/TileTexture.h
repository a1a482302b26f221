// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One piece's texture pasted onto the 992 x 992 skeleton: 16 x 16 tiles of
// 62 x 62 pixels.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Interfaces.h"
#include "core/image/RgbImage.h"
#include "core/texture/TextureView.h"
#include "core/trackfiles/FindTrackFile.h"

namespace gw {

inline constexpr int kTileSide = 62;
inline constexpr int kTilesPerSide = 16;
inline constexpr int kSkeletonSide = kTileSide * kTilesPerSide;  // 992
inline constexpr int kTextureSide = 1016;

// The tile's top-left corner for the .TER's XIndex and YIndex (multiples of 16
// from 0 to 240): XIndex / 16 x 62 from the left, (240 - YIndex) / 16 x 62 from
// the top, so YIndex 240 is the top row. Rounded to the nearest whole number,
// halves to even.
long long TileLeft(int xIndex);
long long TileTop(int yIndex);

// A texture file that could not be used: the path tried and the reader's
// message, which names it and says why.
struct TileFailure {
    std::string file;
    std::string reason;
};

// The tiles of one run, each distinct texture file read, and resampled to
// 62 x 62 when it has another size, only once however many pieces use it (a
// track uses one texture for dozens of pieces). Names are looked for as the
// .TER writes them, then beside it (TrackFileFinder).
class TileCache {
public:
    explicit TileCache(TrackFileFinder& finder) : finder_(finder) {}

    // The fitted tile of the texture named, or nullptr when it cannot be read;
    // each file that cannot be read is listed once in failures().
    const RgbImage* Get(const std::string& textureName);

    const std::vector<TileFailure>& failures() const { return failures_; }

private:
    TrackFileFinder& finder_;
    std::map<std::string, std::optional<RgbImage>> tiles_;  // by the name as written
    std::vector<TileFailure> failures_;
};

// Turns the tile by the rotation code when orientation is above -1 and pastes
// it with its top-left corner at (x, y). After every 16th piece the view shows
// the piece number and the skeleton.
void PlaceTile(const RgbImage& tile, RgbImage& skeleton, long long x, long long y, int orientation, int pieceNumber,
               TextureView& view);

// Tells the person once about every texture file that could not be read: the
// status "ImgDLLReadRGBFromTGA error: " and the first reader's message, and one
// box (TileFailuresBoxText). None: nothing.
void ReportTileFailures(const std::vector<TileFailure>& failures, TextureView& view, Prompter& prompter);

// The end of a run whose tiles were not all read: "48 of 256 pieces have no
// texture: " and the one file's reader message, or how many files failed.
std::string TilesMissingText(int placementsFailed, const std::vector<TileFailure>& failures);

// The box: for one file "Error opening " and the file; for more a first line
// counting them, then one line per file (the reader's message, naming it), at
// most maxLines and a line counting the rest.
std::string TileFailuresBoxText(const std::vector<TileFailure>& failures, std::size_t maxLines = 20);

}  // namespace gw
