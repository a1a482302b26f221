// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A piece whose every cell holds 100 x row + column and whose unseen rim holds -1,
// so a value that lands in the wrong cell, or a write outside the piece, shows.
#include "core/piece/PieceGrid.h"

namespace gw::test {

inline double Numbered(int c, int r) { return 100.0 * r + c; }

inline PieceGrid NumberedGrid() {
    PieceGrid grid;
    grid.values.fill(-1);
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = Numbered(c, r);
    return grid;
}

}  // namespace gw::test
