// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/NumberedGrid.h"

#include "core/piece/ShiftCells.h"

namespace gw {
namespace {

using test::Numbered;
using test::NumberedGrid;

// A 3 x 3 range at columns 4..6, rows 7..9; expected[r][c] names the cell of the
// original grid whose value lands in range cell (c, r).
TEST(ShiftCells, EachDirectionMovesTheRangeCyclically) {
    struct Case {
        ShiftDirection direction;
        int from[3][3][2];  // [row][column] -> original (column, row)
    };
    const Case cases[] = {
        {ShiftDirection::Right, {{{6, 7}, {4, 7}, {5, 7}}, {{6, 8}, {4, 8}, {5, 8}}, {{6, 9}, {4, 9}, {5, 9}}}},
        {ShiftDirection::Left, {{{5, 7}, {6, 7}, {4, 7}}, {{5, 8}, {6, 8}, {4, 8}}, {{5, 9}, {6, 9}, {4, 9}}}},
        // Up: the top row comes back in at the bottom.
        {ShiftDirection::Up, {{{4, 8}, {5, 8}, {6, 8}}, {{4, 9}, {5, 9}, {6, 9}}, {{4, 7}, {5, 7}, {6, 7}}}},
        {ShiftDirection::Down, {{{4, 9}, {5, 9}, {6, 9}}, {{4, 7}, {5, 7}, {6, 7}}, {{4, 8}, {5, 8}, {6, 8}}}},
    };
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        ShiftCells(grid, c.direction, CellRange{6, 4, 9, 7});
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 3; ++col)
                EXPECT_EQ(grid.Z(col + 4, r + 7), Numbered(c.from[r][col][0], c.from[r][col][1]))
                    << static_cast<int>(c.direction) << " cell " << col + 4 << "," << r + 7;
        for (int r = 0; r < PieceGrid::kStorage; ++r)
            for (int col = 0; col < PieceGrid::kStorage; ++col)
                if (col < 4 || col > 6 || r < 7 || r > 9) {
                    EXPECT_EQ(grid.Z(col, r), NumberedGrid().Z(col, r));
                }
    }
}

TEST(ShiftCells, WholeGridRightMovesColumn17IntoColumn1AndSeventeenShiftsGiveItBack) {
    const PieceGrid start = NumberedGrid();
    PieceGrid grid = start;
    ShiftCells(grid, ShiftDirection::Right, CellRange{8, 8, 8, 8});
    for (int r = 1; r <= 17; ++r) {
        EXPECT_EQ(grid.Z(1, r), Numbered(17, r));
        for (int c = 2; c <= 17; ++c) EXPECT_EQ(grid.Z(c, r), Numbered(c - 1, r));
    }
    for (int shift = 2; shift <= 17; ++shift) {
        EXPECT_NE(grid, start);
        ShiftCells(grid, 1, 0, CellRange{8, 8, 8, 8});
    }
    EXPECT_EQ(grid, start);
}

TEST(ShiftCells, ALineOneCellAcrossShiftedAlongItselfIsUnchanged) {
    struct Case {
        ShiftDirection direction;
        CellRange range;
    };
    const Case cases[] = {
        {ShiftDirection::Left, {5, 5, 2, 14}},   // one column
        {ShiftDirection::Right, {5, 5, 14, 2}},  // one column
        {ShiftDirection::Up, {3, 16, 9, 9}},     // one row
        {ShiftDirection::Down, {16, 3, 9, 9}},   // one row
    };
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        ShiftCells(grid, c.direction, c.range);
        EXPECT_EQ(grid, NumberedGrid()) << static_cast<int>(c.direction);
    }
    // Across the line the cells do move.
    PieceGrid grid = NumberedGrid();
    ShiftCells(grid, ShiftDirection::Up, CellRange{5, 5, 2, 14});
    EXPECT_EQ(grid.Z(5, 2), Numbered(5, 3));
    EXPECT_EQ(grid.Z(5, 14), Numbered(5, 2));
}

TEST(ShiftCells, BothDirectionsMoveColumnsFirstAndOnlyTheSignCounts) {
    PieceGrid grid = NumberedGrid();
    ShiftCells(grid, 2, -5, CellRange{1, 2, 1, 2});
    // Right: (1,r) <- (2,r); then down: row 1 <- row 2.
    EXPECT_EQ(grid.Z(1, 1), Numbered(2, 2));
    EXPECT_EQ(grid.Z(2, 1), Numbered(1, 2));
    EXPECT_EQ(grid.Z(1, 2), Numbered(2, 1));
    EXPECT_EQ(grid.Z(2, 2), Numbered(1, 1));
}

}  // namespace
}  // namespace gw
