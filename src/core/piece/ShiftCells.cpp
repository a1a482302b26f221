// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/ShiftCells.h"

namespace gw {

ShiftStep ShiftStepOf(ShiftDirection direction) {
    switch (direction) {
        case ShiftDirection::Up: return {0, 1};
        case ShiftDirection::Down: return {0, -1};
        case ShiftDirection::Left: return {-1, 0};
        case ShiftDirection::Right: return {1, 0};
    }
    return {};
}

void ShiftCells(PieceGrid& grid, int dx, int dy, const CellRange& selection) {
    const NormalRange range = TakeRange(selection);
    if (dx > 0) {
        for (int r = range.rLo; r <= range.rHi; ++r) {
            const double kept = grid.Z(range.cHi, r);
            for (int c = range.cHi; c > range.cLo; --c) grid.Z(c, r) = grid.Z(c - 1, r);
            grid.Z(range.cLo, r) = kept;
        }
    } else if (dx < 0) {
        for (int r = range.rLo; r <= range.rHi; ++r) {
            const double kept = grid.Z(range.cLo, r);
            for (int c = range.cLo; c < range.cHi; ++c) grid.Z(c, r) = grid.Z(c + 1, r);
            grid.Z(range.cHi, r) = kept;
        }
    }
    if (dy > 0) {
        for (int c = range.cLo; c <= range.cHi; ++c) {
            const double kept = grid.Z(c, range.rLo);
            for (int r = range.rLo; r < range.rHi; ++r) grid.Z(c, r) = grid.Z(c, r + 1);
            grid.Z(c, range.rHi) = kept;
        }
    } else if (dy < 0) {
        for (int c = range.cLo; c <= range.cHi; ++c) {
            const double kept = grid.Z(c, range.rHi);
            for (int r = range.rHi; r > range.rLo; --r) grid.Z(c, r) = grid.Z(c, r - 1);
            grid.Z(c, range.rLo) = kept;
        }
    }
}

}  // namespace gw
