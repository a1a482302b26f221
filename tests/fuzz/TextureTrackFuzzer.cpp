// SPDX-License-Identifier: GPL-3.0-or-later
// What the texture builder reads from a track: the job text the conversion
// hands over, and the .TER's texture palette and the .TRK's orientations.
#include <string>

#include "FuzzSupport.h"
#include "core/texture/TextureJob.h"
#include "core/texture/TextureTexts.h"
#include "core/texture/TextureOrientation.h"
#include "core/texture/TexturePalette.h"
#include "core/texture/TrackValue.h"
#include "core/trackfiles/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = gw::fuzz::AsText(data, size);

    // The job text: each part is a quoted text of the input, and a job made
    // from the parts reads back as the same parts.
    const gw::TextureJob job = gw::ParseTextureJobText(input);
    GW_FUZZ_CHECK(job.terPath.size() <= input.size() && job.outputFolder.size() <= input.size());
    if (!job.terPath.empty() && job.terPath.find('"') == std::string::npos &&
        job.outputFolder.find('"') == std::string::npos) {
        const gw::TextureJob again = gw::ParseTextureJobText(gw::MakeTextureJobText(job.terPath, job.outputFolder));
        GW_FUZZ_CHECK(again.terPath == job.terPath && again.outputFolder == job.outputFolder);
    }

    // The same bytes as a .TER and as a .TRK.
    const gw::ProfileDocument track{std::string(input)};
    gw::fuzz::QuietPrompter prompter;
    const gw::TexturePalette palette = gw::LoadTexturePalette(track, prompter);
    GW_FUZZ_CHECK(prompter.messages <= 1);
    for (long long id : {-1LL, 0LL, 1LL, 2LL, 255LL, 256LL, 257LL, 1LL << 40}) {
        const std::string& entry = palette.Entry(id);
        if (id < 1 || id > gw::TexturePalette::kMaxEntries) GW_FUZZ_CHECK(entry.empty());
    }
    for (int piece = 1; piece <= 256; piece += 51) {
        const int orientation = gw::ReadTrackInteger(track, gw::kTrackSection, gw::OrientationKey(piece), "-2");
        (void)gw::RemapOrientation(orientation);
    }
    return 0;
}
