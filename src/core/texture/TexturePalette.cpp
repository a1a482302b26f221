// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TexturePalette.h"

#include <algorithm>

#include "core/text/FieldString.h"
#include "core/texture/TextureTexts.h"
#include "core/texture/TrackValue.h"

namespace gw {

const std::string& TexturePalette::Entry(long long mapId) const {
    if (mapId < 1 || mapId > kMaxEntries) return entries_[0];
    return entries_[static_cast<std::size_t>(mapId)];
}

std::string TextureFileOfFileSet(const std::string& fileSet) {
    // Letter case is ignored: Windows tracks often say DIRT.TGA.
    return fileSet.substr(0, UpperAscii(fileSet).find(".TGA")) + "a.tga";
}

TexturePalette LoadTexturePalette(const ProfileDocument& terFile, Prompter& prompter) {
    TexturePalette palette;
    palette.size_ = ReadTrackInteger(terFile, kPaletteSection, kPaletteSizeKey, "0");
    if (palette.size_ < 1) {
        prompter.Message(kNoTextures, kTextureMessageTitle);
        return palette;
    }
    // A size far above 256 (a damaged file) reads no further than the entries
    // that can be used.
    const int readable = std::min(palette.size_, TexturePalette::kMaxEntries);
    for (int j = 1; j <= readable; ++j) {
        const std::string fileSet =
            ReadTrackText(terFile, kPaletteSection, kPaletteEntryKey + std::to_string(j), kPaletteEntryMissing);
        if (fileSet == kPaletteEntryMissing) {
            prompter.Message(kPaletteError, kTextureMessageTitle);
            break;
        }
        palette.entries_[static_cast<std::size_t>(j)] = TextureFileOfFileSet(fileSet);
    }
    return palette;
}

}  // namespace gw
