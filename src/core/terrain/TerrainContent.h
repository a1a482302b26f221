// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything that makes up the open terrain: its heights and the files it came
// from. An undo step keeps it whole, so undoing Clear ASC257 brings back the
// track's .TER and the base map along with the heights.
#include <string>

#include "core/terrain/NationalGrid.h"

namespace gw {

struct TerrainContent {
    NationalGrid grid;
    std::string currentTerFile;  // the SX track last opened onto it
    std::string baseMapFile;     // the ASC257 opened as its base
    std::string lastAsc257File;  // the ASC257 last read; Save proposes its name

    bool operator==(const TerrainContent&) const = default;
};

// True when every height is 0, as after Clear ASC257 or at start-up.
inline bool IsFlatAtZero(const NationalGrid& grid) {
    for (double v : grid.values)
        if (v != 0) return false;
    return true;
}

}  // namespace gw
