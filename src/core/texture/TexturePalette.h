// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texture names of a .TER, indexed by the MapID its placements use.
#include <array>
#include <string>

#include "core/Interfaces.h"
#include "core/trackfiles/ProfileFile.h"

namespace gw {

class TexturePalette {
public:
    // A track has 256 pieces; entries above that are neither read nor stored.
    static constexpr int kMaxEntries = 256;

    // TotalFileSets as read; below 1 there is nothing to place.
    int size() const { return size_; }

    // The texture of a MapID; empty for a MapID outside 1..256 or an entry that
    // was never read.
    const std::string& Entry(long long mapId) const;

private:
    friend TexturePalette LoadTexturePalette(const ProfileDocument& terFile, Prompter& prompter);
    int size_ = 0;
    std::array<std::string, kMaxEntries + 1> entries_;  // [0] stays empty
};

// The texture file of a file set: its name up to the first ".tga", in any letter
// case (the whole name when it has none), followed by "a.tga": Dirt.tga gives
// Dirta.tga, DIRT.TGA gives DIRTa.tga.
std::string TextureFileOfFileSet(const std::string& fileSet);

// Reads TotalFileSets and FileSet_1 on from section TerrainPalette. A size below
// 1 shows "No Textures to process"; a missing FileSet_ ends the reading with
// "Error process Textures", the size staying as read.
TexturePalette LoadTexturePalette(const ProfileDocument& terFile, Prompter& prompter);

}  // namespace gw
