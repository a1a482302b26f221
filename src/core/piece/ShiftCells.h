// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving the values of a range one cell up, down, left or right, cyclically: the
// line that leaves one edge of the range comes back in at the opposite edge.
#include "core/piece/CellRange.h"
#include "core/piece/PieceGrid.h"

namespace gw {

enum class ShiftDirection { Up, Down, Left, Right };

// dx = +1 moves values towards higher columns (right); dy = +1 moves them
// towards lower rows (up the screen).
struct ShiftStep {
    int dx = 0;
    int dy = 0;
};

ShiftStep ShiftStepOf(ShiftDirection direction);

// Only the sign of dx and dy counts. With both given, the columns move first.
// A single selected cell stands for the whole grid.
void ShiftCells(PieceGrid& grid, int dx, int dy, const CellRange& selection);

inline void ShiftCells(PieceGrid& grid, ShiftDirection direction, const CellRange& selection) {
    const ShiftStep step = ShiftStepOf(direction);
    ShiftCells(grid, step.dx, step.dy, selection);
}

}  // namespace gw
