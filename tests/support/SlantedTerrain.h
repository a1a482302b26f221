// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A terrain that rises three times as fast to the north as to the east, with
// fractions no 16-bit step meets: a misplaced, turned or rounded height shows.
// Its lowest height is 0 at (0, 0), its highest 1024 at (256, 256).
#include "core/terrain/NationalGrid.h"

namespace gw::test {

inline NationalGrid SlantedTerrain() {
    NationalGrid grid;
    for (int y = 0; y < NationalGrid::kSize; ++y)
        for (int x = 0; x < NationalGrid::kSize; ++x) grid.At(x, y) = x + 3 * y + 0.1 * ((7 * x + 13 * y) % 5);
    return grid;
}

}  // namespace gw::test
