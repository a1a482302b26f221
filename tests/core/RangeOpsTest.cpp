// SPDX-License-Identifier: GPL-3.0-or-later
// The operations on a range of the piece grid: set, scale, mirror, rotate,
// slope, shift, and copy and paste as text.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/piece/RangeOps.h"
#include "core/piece/RangeText.h"
#include "core/piece/ShiftCells.h"
#include "support/NumberedGrid.h"
#include "support/RecordingStatusSink.h"

namespace gw {
namespace {

using test::Numbered;
using test::NumberedGrid;
using test::RecordingStatusSink;

// Every cell outside the range (rim included) still holds what it held.
void ExpectOutsideUnchanged(const PieceGrid& after, const NormalRange& range,
                            const PieceGrid& before = NumberedGrid()) {
    for (int r = 0; r < PieceGrid::kStorage; ++r)
        for (int c = 0; c < PieceGrid::kStorage; ++c)
            if (c < range.cLo || c > range.cHi || r < range.rLo || r > range.rHi) {
                EXPECT_EQ(after.Z(c, r), before.Z(c, r)) << "column " << c << " row " << r;
            }
}

// The status texts of a mirror or turn: the first text, "Row  1".. or "Col  1".., then the close.
std::vector<std::string> Framed(const std::string& first, const char* word, int count) {
    std::vector<std::string> texts{first};
    for (int n = 1; n <= count; ++n) texts.push_back(std::string(word) + "  " + std::to_string(n));
    texts.push_back("Reloading Grid");
    texts.push_back("All Done");
    return texts;
}

TEST(RangeOps, SetValueFillsTheRangeWhateverTheCornerOrderAndASingleCellIsTheWholeGrid) {
    // The second selection's anchor lies right of and below its moving corner.
    for (const auto& [selection, range] : {std::pair{CellRange{5, 5, 3, 3}, NormalRange{1, 17, 1, 17}},
                                           std::pair{CellRange{6, 2, 5, 3}, NormalRange{2, 6, 3, 5}}}) {
        PieceGrid grid = NumberedGrid();
        SetRangeValue(grid, selection, -0.75);
        for (int r = range.rLo; r <= range.rHi; ++r)
            for (int col = range.cLo; col <= range.cHi; ++col) EXPECT_EQ(grid.Z(col, r), -0.75);
        ExpectOutsideUnchanged(grid, range);
    }
    EXPECT_EQ(SelectionAfterRangeOperation(CellRange{5, 5, 3, 3}), (CellRange{1, 17, 1, 17}));
    // Any other selection stays as the user made it, corners in selection order.
    EXPECT_EQ(SelectionAfterRangeOperation(CellRange{6, 2, 5, 3}), (CellRange{6, 2, 5, 3}));
}

TEST(RangeOps, ScaleAndDisplace) {
    struct Case {
        AdjustMode mode;
        double value;
        double (*expected)(double);
    };
    const Case cases[] = {
        {AdjustMode::Scale, 0, [](double) { return 0.0; }},
        {AdjustMode::Scale, 0.5, [](double z) { return z / 2; }},
        {AdjustMode::Scale, -3, [](double z) { return -3 * z; }},
        {AdjustMode::Displace, -2, [](double z) { return z - 2; }},
        {AdjustMode::Displace, 1.25, [](double z) { return z + 1.25; }},
    };
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        AdjustRange(grid, CellRange{3, 9, 17, 12}, c.mode, c.value);
        for (int r = 12; r <= 17; ++r)
            for (int col = 3; col <= 9; ++col)
                EXPECT_EQ(grid.Z(col, r), c.expected(Numbered(col, r))) << "value " << c.value;
        ExpectOutsideUnchanged(grid, NormalRange{3, 9, 12, 17});
    }
    // Results too large for a number leave the cell alone.
    PieceGrid grid;
    grid.Z(1, 1) = 1e300;
    grid.Z(2, 1) = 2;
    AdjustRange(grid, CellRange{1, 2, 1, 1}, AdjustMode::Scale, 1e300);
    AdjustRange(grid, CellRange{1, 2, 1, 1}, AdjustMode::Displace, std::numeric_limits<double>::max());
    EXPECT_EQ(grid.Z(1, 1), 1e300);
    EXPECT_EQ(grid.Z(2, 1), 2e300);
}

TEST(RangeOps, MirrorsReverseTheRowsOrTheColumnsOfAFiveByTwoRange) {
    struct Case {
        MirrorAxis axis;
        CellRange selection;
        double (*expected)(int c, int r);
        std::vector<std::string> status;
    };
    const Case cases[] = {
        {MirrorAxis::LeftRight,
         {3, 7, 4, 5},
         [](int c, int r) { return Numbered(10 - c, r); },
         Framed("Saving and mirroring grid", "Row", 2)},
        {MirrorAxis::TopBottom,
         {7, 3, 5, 4},
         [](int c, int r) { return Numbered(c, 9 - r); },
         Framed("Saving and mirroring grid", "Col", 5)},
    };
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        RecordingStatusSink status;
        MirrorRange(grid, c.selection, c.axis, status);
        for (int r = 4; r <= 5; ++r)
            for (int col = 3; col <= 7; ++col) EXPECT_EQ(grid.Z(col, r), c.expected(col, r)) << col << "," << r;
        ExpectOutsideUnchanged(grid, NormalRange{3, 7, 4, 5});
        EXPECT_EQ(status.texts, c.status);
    }
    // The whole grid counts with padded numbers.
    PieceGrid grid = NumberedGrid();
    RecordingStatusSink status;
    MirrorRange(grid, CellRange{9, 9, 9, 9}, MirrorAxis::LeftRight, status);
    EXPECT_EQ(grid.Z(1, 1), Numbered(17, 1));
    EXPECT_EQ(grid.Z(17, 17), Numbered(1, 17));
    EXPECT_EQ(status.texts, Framed("Saving and mirroring grid", "Row", 17));
}

TEST(RangeOps, RotateTurnsASquareRangeCounterclockwiseAndRefusesOthers) {
    PieceGrid grid = NumberedGrid();
    RecordingStatusSink status;
    EXPECT_EQ(RotateRange(grid, CellRange{2, 4, 5, 8}, status), RotateResult::NotSquare);  // 3 columns, 4 rows
    EXPECT_EQ(grid, NumberedGrid());
    EXPECT_TRUE(status.texts.empty());
    EXPECT_STREQ(kRotateRangeRefusedMessage, "Unable to rotate range.  Range must be same height and width.");
    // Columns 2..4, rows 2..4:   a b c        c f i
    //                            d e f  --->  b e h
    //                            g h i        a d g
    ASSERT_EQ(RotateRange(grid, CellRange{4, 2, 2, 4}, status), RotateResult::Rotated);
    for (int r = 2; r <= 4; ++r)
        for (int c = 2; c <= 4; ++c) EXPECT_EQ(grid.Z(c, r), Numbered(6 - r, c)) << c << "," << r;
    ExpectOutsideUnchanged(grid, NormalRange{2, 4, 2, 4});
    EXPECT_EQ(status.texts, Framed("Saving and rotating grid", "Row", 3));
}

TEST(RangeOps, WholeGridTurnMovesColumnIRowJToColumnJRow18MinusI) {
    const PieceGrid start = NumberedGrid();
    PieceGrid grid = start;
    RecordingStatusSink status;
    ASSERT_EQ(RotateRange(grid, CellRange{1, 17, 1, 17}, status), RotateResult::Rotated);
    for (int j = 1; j <= 17; ++j)
        for (int i = 1; i <= 17; ++i) EXPECT_EQ(grid.Z(j, 18 - i), start.Z(i, j));
    EXPECT_EQ(status.texts, Framed("Saving and rotating grid", "Row", 17));
    for (int turn = 2; turn <= 4; ++turn) {
        EXPECT_NE(grid, start) << "after " << turn - 1 << " turns";
        RotateRange(grid, CellRange{1, 17, 1, 17}, status);
    }
    EXPECT_EQ(grid, start);
}

TEST(RangeOps, SlopeSlopesEachLineOnItsOwnBetweenItsEnds) {
    const PieceGrid before = NumberedGrid();
    PieceGrid grid = before;
    SlopeRange(grid, CellRange{2, 6, 3, 5}, SlopeDirection::AlongRows);
    for (int r = 3; r <= 5; ++r) {
        const double a = Numbered(2, r), b = Numbered(6, r);
        for (int c = 2; c <= 6; ++c) EXPECT_DOUBLE_EQ(grid.Z(c, r), a + (b - a) * (c - 2) / 4);
        EXPECT_EQ(grid.Z(2, r), a);
        EXPECT_EQ(grid.Z(6, r), b);
    }
    ExpectOutsideUnchanged(grid, NormalRange{2, 6, 3, 5});

    grid = before;
    grid.Z(4, 2) = 3;
    grid.Z(4, 11) = -6;
    SlopeRange(grid, CellRange{4, 5, 11, 2}, SlopeDirection::AlongColumns);
    for (int r = 2; r <= 11; ++r) EXPECT_EQ(grid.Z(4, r), 3 - (r - 2));
    EXPECT_EQ(grid.Z(5, 2), before.Z(5, 2));
    EXPECT_EQ(grid.Z(5, 11), before.Z(5, 11));
    EXPECT_DOUBLE_EQ(grid.Z(5, 6), before.Z(5, 2) + (before.Z(5, 11) - before.Z(5, 2)) * 4 / 9);
}

TEST(RangeOps, SlopeAcrossASingleCellLeavesTheRangeAloneAndASingleCellSlopesTheWholeGrid) {
    PieceGrid grid = NumberedGrid();
    const PieceGrid before = grid;
    SlopeRange(grid, CellRange{7, 7, 2, 12}, SlopeDirection::AlongRows);  // one column
    EXPECT_EQ(grid, before);
    SlopeRange(grid, CellRange{3, 15, 9, 9}, SlopeDirection::AlongColumns);  // one row
    EXPECT_EQ(grid, before);
    // Each column runs from 100 + c at row 1 to 1700 + c at row 17: already a slope.
    SlopeRange(grid, CellRange{1, 1, 1, 1}, SlopeDirection::AlongColumns);
    EXPECT_EQ(grid, before);
    // The other direction still slopes such ranges.
    SlopeRange(grid, CellRange{7, 7, 2, 12}, SlopeDirection::AlongColumns);
    EXPECT_DOUBLE_EQ(grid.Z(7, 7), before.Z(7, 2) + (before.Z(7, 12) - before.Z(7, 2)) / 2);
    grid.Z(3, 1) = 0;
    grid.Z(3, 17) = 0;
    SlopeRange(grid, CellRange{1, 1, 1, 1}, SlopeDirection::AlongColumns);
    for (int r = 1; r <= 17; ++r) EXPECT_EQ(grid.Z(3, r), 0);
}

// A 3 x 3 range at columns 4..6, rows 7..9: range cell (c, r) receives the
// value of the original cell (column[c], row[r]).
TEST(ShiftCells, EachDirectionMovesTheRangeCyclically) {
    struct Case {
        ShiftDirection direction;
        int column[3], row[3];
    };
    const Case cases[] = {{ShiftDirection::Right, {6, 4, 5}, {7, 8, 9}},
                          {ShiftDirection::Left, {5, 6, 4}, {7, 8, 9}},
                          {ShiftDirection::Up, {4, 5, 6}, {8, 9, 7}},  // the top row comes back in at the bottom
                          {ShiftDirection::Down, {4, 5, 6}, {9, 7, 8}}};
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        ShiftCells(grid, c.direction, CellRange{6, 4, 9, 7});
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 3; ++col)
                EXPECT_EQ(grid.Z(col + 4, r + 7), Numbered(c.column[col], c.row[r]))
                    << static_cast<int>(c.direction) << " cell " << col + 4 << "," << r + 7;
        ExpectOutsideUnchanged(grid, NormalRange{4, 6, 7, 9});
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
    const std::pair<ShiftDirection, CellRange> cases[] = {
        {ShiftDirection::Left, {5, 5, 2, 14}},
        {ShiftDirection::Right, {5, 5, 14, 2}},  // one column
        {ShiftDirection::Up, {3, 16, 9, 9}},
        {ShiftDirection::Down, {16, 3, 9, 9}},  // one row
    };
    for (const auto& [direction, range] : cases) {
        PieceGrid grid = NumberedGrid();
        ShiftCells(grid, direction, range);
        EXPECT_EQ(grid, NumberedGrid()) << static_cast<int>(direction);
    }
    // Across the line the cells do move.
    PieceGrid grid = NumberedGrid();
    ShiftCells(grid, ShiftDirection::Up, CellRange{5, 5, 2, 14});
    EXPECT_EQ(grid.Z(5, 2), Numbered(5, 3));
    EXPECT_EQ(grid.Z(5, 14), Numbered(5, 2));
    // Both directions at once move columns first, and only the sign counts:
    // right, (1, r) <- (2, r); then down, row 1 <- row 2.
    grid = NumberedGrid();
    ShiftCells(grid, 2, -5, CellRange{1, 2, 1, 2});
    EXPECT_EQ(grid.Z(1, 1), Numbered(2, 2));
    EXPECT_EQ(grid.Z(2, 1), Numbered(1, 2));
    EXPECT_EQ(grid.Z(1, 2), Numbered(2, 1));
    EXPECT_EQ(grid.Z(2, 2), Numbered(1, 1));
}

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
