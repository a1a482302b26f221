#pragma once
// The conversion's texture step: the track's texture composed from its tiles
// into the output folder, as the texture builder does it for a conversion.
#include <string>

#include "core/Interfaces.h"
#include "core/Outcome.h"

namespace gw {

inline constexpr const char* kTextureBuilderMissing = "texture builder not available";

// Composes GetBaseName(terFile) + "UnRendered.tga" in outFolder from the tiles
// that the .TER's palette names, turned as the .TRK beside it says.
Outcome BuildConversionTexture(const std::string& terFile, const std::string& outFolder,
                               const std::string& programFolder, StatusSink& status);

}  // namespace gw
