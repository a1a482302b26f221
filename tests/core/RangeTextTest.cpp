// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/piece/RangeOps.h"
#include "core/piece/RangeText.h"
#include "support/NumberedGrid.h"

namespace gw {
namespace {

using test::NumberedGrid;

// Copy and paste: a range goes out as piece-info's tab-separated lines and comes
// back, from any spreadsheet, at the active cell, clipped to the grid.
TEST(RangeText, CopiedRangePastesBackClippedToTheGrid) {
    EXPECT_EQ(RangeText(NumberedGrid(), NormalRange{16, 17, 2, 3}), " 216\t 217\n 316\t 317\n");

    struct Case {
        const char* text;
        int column, row;
        bool written;
        NormalRange range;
        double firstValue;
    };
    const Case cases[] = {
        {" 1.5\t-2\n 3\t 4\n", 16, 16, true, {16, 17, 16, 17}, 1.5},
        {"7\t8\t9\r\n1\t2\t3\r\n", 16, 17, true, {16, 17, 17, 17}, 7},  // a spreadsheet's CR LF; clipped
        {"5\tabc\t\n", 0, 1, true, {1, 2, 1, 1}, 0},                    // column 0 is off the grid
        {"5", 1, 1, true, {1, 1, 1, 1}, 5},                             // no final line break
        {"", 1, 1, false, {}, 0},
        {"5\n", 18, 1, false, {}, 0},
    };
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        const PastedRange pasted = PasteRangeValues(grid, ParseRangeText(c.text), c.column, c.row);
        EXPECT_EQ(pasted.written, c.written) << c.text;
        if (!c.written) {
            EXPECT_EQ(grid, NumberedGrid()) << c.text;
            continue;
        }
        EXPECT_EQ(pasted.range, c.range) << c.text;
        EXPECT_EQ(grid.Z(c.range.cLo, c.range.rLo), c.firstValue) << c.text;
        EXPECT_EQ(grid.Z(0, c.row), -1) << c.text;  // the rim is never written
    }
    PieceGrid grid = NumberedGrid();
    PasteRangeValues(grid, ParseRangeText(RangeText(NumberedGrid(), NormalRange{2, 4, 3, 5})), 10, 10);
    EXPECT_EQ(grid.Z(12, 12), NumberedGrid().Z(4, 5));

    // Delete clears exactly the cells given, a single one included.
    SetCellsValue(grid, NormalRange{5, 5, 3, 3}, 0);
    EXPECT_EQ(grid.Z(5, 3), 0);
    EXPECT_EQ(grid.Z(6, 3), 306);
}

}  // namespace
}  // namespace gw
