// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The heart of the texture builder: the .TER's 256 placements, each piece's
// texture turned as the .TRK says and pasted onto the 992 x 992 skeleton, every
// decision written to the log.
#include <string>

#include "core/Interfaces.h"
#include "core/Outcome.h"
#include "core/image/RgbImage.h"
#include "core/texture/TextureLog.h"
#include "core/texture/TextureView.h"
#include "core/texture/TileTexture.h"

namespace gw {

struct TextureSkeleton {
    RgbImage image;                   // the skeleton with the tiles placed
    TextureLog log;                   // the log's lines so far
    Outcome outcome = Outcome::Ok();  // a stop: the .TER unreadable, an invalid MapID
    int placed = 0;                   // tiles pasted
    int failed = 0;                   // placements whose tile could not be read
    // Each texture file that could not be read, once (it was reported once).
    std::vector<TileFailure> tileFailures;
};

// Places the tiles of terPath onto skeleton (992 x 992). Texture names are
// found as written, else beside the .TER (letter case ignored); the .TRK is the
// .TER's base name + ".trk" beside it, and a missing one is warned about once,
// every orientation then being -2. With a palette below 1 nothing is placed. A
// MapID of 0 shows "Invalid MapID" and stops; the outcome then says which piece.
// A .TER that cannot be read is shown in a message box and stops the run. Each
// distinct texture file is read once; those that cannot be read are reported
// once, together, after the placements (ReportTileFailures).
TextureSkeleton ComposeTextureSkeleton(const std::string& terPath, RgbImage skeleton, TextureView& view,
                                       Prompter& prompter);

// The .TRK warning's text for a .TRK path.
std::string TrackNotFoundText(const std::string& trackFile);

}  // namespace gw
