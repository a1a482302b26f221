// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole texture run without its closing text: the skeleton images read from
// the program's folder, the tiles placed, the result enlarged to 1016 x 1016,
// sharpened, saved, and MakeTexture.log written beside it.
#include <string>
#include <vector>

#include "core/Interfaces.h"
#include "core/Outcome.h"
#include "core/texture/TextureView.h"
#include "core/texture/TileTexture.h"

namespace gw {

struct TextureRunResult {
    std::string outputPath;           // the texture written (or tried)
    std::string logPath;              // MakeTexture.log beside it
    Outcome outcome = Outcome::Ok();  // on failure, the text the status shows
    bool imageSaved = false;          // the texture is on disk
    int tilesPlaced = 0;
    int tilesFailed = 0;                    // placements whose tile could not be read
    std::vector<TileFailure> tileFailures;  // each file once, as reported

    bool ok() const { return outcome.ok(); }
};

// Composes terPath's texture into outputPath. Reads skel.tga (992 x 992) and
// skel1016.tga (1016 x 1016) from programFolder; a missing or wrong-sized one
// sets the status "Get Skel error: " or "Get Skel 1016 error: " with the reason
// and stops. A texture or log that cannot be written is shown in the status and
// in a message box. The log is written at every stop with the lines so far.
// Tiles that could not be read leave their cells bare: the texture is written,
// but the run fails with TilesMissingText.
TextureRunResult ComposeTrackTexture(const std::string& terPath, const std::string& outputPath,
                                     const std::string& programFolder, TextureView& view, Prompter& prompter);

}  // namespace gw
