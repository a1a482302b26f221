// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/NumberedGrid.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/piece/RangeOps.h"
#include "support/RecordingStatusSink.h"

namespace gw {
namespace {

using test::RecordingStatusSink;

using test::Numbered;
using test::NumberedGrid;

bool Inside(const NormalRange& range, int c, int r) {
    return c >= range.cLo && c <= range.cHi && r >= range.rLo && r <= range.rHi;
}

// Every cell outside the range (rim included) still holds what it held.
void ExpectOutsideUnchanged(const PieceGrid& before, const PieceGrid& after, const NormalRange& range) {
    for (int r = 0; r < PieceGrid::kStorage; ++r)
        for (int c = 0; c < PieceGrid::kStorage; ++c)
            if (!Inside(range, c, r)) {
                EXPECT_EQ(after.Z(c, r), before.Z(c, r)) << "column " << c << " row " << r;
            }
}

std::vector<std::string> RowTexts(const char* word, int count) {
    std::vector<std::string> texts;
    for (int n = 1; n <= count; ++n) texts.push_back(std::string(word) + "  " + std::to_string(n));
    return texts;
}

std::vector<std::string> Framed(const std::string& first, std::vector<std::string> middle) {
    middle.insert(middle.begin(), first);
    middle.push_back("Reloading Grid");
    middle.push_back("All Done");
    return middle;
}

TEST(RangeOps, SetValueFillsTheRangeWhateverTheCornerOrderAndASingleCellIsTheWholeGrid) {
    struct Case {
        CellRange selection;
        NormalRange range;
    };
    // The second selection's anchor lies right of and below its moving corner.
    for (const Case& c : {Case{{5, 5, 3, 3}, {1, 17, 1, 17}}, Case{{6, 2, 5, 3}, {2, 6, 3, 5}}}) {
        PieceGrid grid = NumberedGrid();
        SetRangeValue(grid, c.selection, -0.75);
        for (int r = c.range.rLo; r <= c.range.rHi; ++r)
            for (int col = c.range.cLo; col <= c.range.cHi; ++col) EXPECT_EQ(grid.Z(col, r), -0.75);
        ExpectOutsideUnchanged(NumberedGrid(), grid, c.range);
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
    const CellRange selection{3, 9, 17, 12};
    const NormalRange range{3, 9, 12, 17};
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        const PieceGrid before = grid;
        AdjustRange(grid, selection, c.mode, c.value);
        for (int r = 12; r <= 17; ++r)
            for (int col = 3; col <= 9; ++col)
                EXPECT_EQ(grid.Z(col, r), c.expected(Numbered(col, r))) << "value " << c.value;
        ExpectOutsideUnchanged(before, grid, range);
    }
}

TEST(RangeOps, ResultsTooLargeForANumberLeaveTheCellAlone) {
    PieceGrid grid;
    grid.Z(1, 1) = 1e300;
    grid.Z(2, 1) = 2;
    AdjustRange(grid, CellRange{1, 2, 1, 1}, AdjustMode::Scale, 1e300);
    EXPECT_EQ(grid.Z(1, 1), 1e300);
    EXPECT_EQ(grid.Z(2, 1), 2e300);
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
        {MirrorAxis::LeftRight, {3, 7, 4, 5}, [](int c, int r) { return Numbered(10 - c, r); }, RowTexts("Row", 2)},
        {MirrorAxis::TopBottom, {7, 3, 5, 4}, [](int c, int r) { return Numbered(c, 9 - r); }, RowTexts("Col", 5)},
    };
    for (const Case& c : cases) {
        PieceGrid grid = NumberedGrid();
        RecordingStatusSink status;
        MirrorRange(grid, c.selection, c.axis, status);
        for (int r = 4; r <= 5; ++r)
            for (int col = 3; col <= 7; ++col) EXPECT_EQ(grid.Z(col, r), c.expected(col, r)) << col << "," << r;
        ExpectOutsideUnchanged(NumberedGrid(), grid, NormalRange{3, 7, 4, 5});
        EXPECT_EQ(status.texts, Framed("Saving and mirroring grid", c.status));
    }
}

TEST(RangeOps, MirrorOfTheWholeGridCountsWithPaddedNumbers) {
    PieceGrid grid = NumberedGrid();
    RecordingStatusSink status;
    MirrorRange(grid, CellRange{9, 9, 9, 9}, MirrorAxis::LeftRight, status);
    EXPECT_EQ(grid.Z(1, 1), Numbered(17, 1));
    EXPECT_EQ(grid.Z(17, 17), Numbered(1, 17));
    ASSERT_EQ(status.texts.size(), 20u);
    EXPECT_EQ(status.texts[10], "Row  10");
    EXPECT_EQ(status.texts[17], "Row  17");
}

TEST(RangeOps, RotateTurnsASquareRangeCounterclockwise) {
    PieceGrid grid = NumberedGrid();
    const PieceGrid before = grid;
    RecordingStatusSink status;
    // Columns 2..4, rows 2..4:   a b c        c f i
    //                            d e f  --->  b e h
    //                            g h i        a d g
    ASSERT_EQ(RotateRange(grid, CellRange{4, 2, 2, 4}, status), RotateResult::Rotated);
    for (int r = 2; r <= 4; ++r)
        for (int c = 2; c <= 4; ++c) EXPECT_EQ(grid.Z(c, r), Numbered(6 - r, c)) << c << "," << r;
    ExpectOutsideUnchanged(before, grid, NormalRange{2, 4, 2, 4});
    EXPECT_EQ(status.texts, Framed("Saving and rotating grid", RowTexts("Row", 3)));
}

TEST(RangeOps, RotateRefusesARangeThatIsNotSquare) {
    PieceGrid grid = NumberedGrid();
    const PieceGrid before = grid;
    RecordingStatusSink status;
    EXPECT_EQ(RotateRange(grid, CellRange{2, 4, 5, 8}, status), RotateResult::NotSquare);  // 3 columns, 4 rows
    EXPECT_EQ(grid, before);
    EXPECT_TRUE(status.texts.empty());
    EXPECT_STREQ(kRotateRangeRefusedMessage, "Unable to rotate range.  Range must be same height and width.");
}

TEST(RangeOps, WholeGridTurnMovesColumnIRowJToColumnJRow18MinusI) {
    const PieceGrid start = NumberedGrid();
    PieceGrid grid = start;
    RecordingStatusSink status;
    ASSERT_EQ(RotateRange(grid, CellRange{1, 17, 1, 17}, status), RotateResult::Rotated);
    for (int j = 1; j <= 17; ++j)
        for (int i = 1; i <= 17; ++i) EXPECT_EQ(grid.Z(j, 18 - i), start.Z(i, j));
    EXPECT_EQ(status.texts, Framed("Saving and rotating grid", RowTexts("Row", 17)));
    for (int turn = 2; turn <= 4; ++turn) {
        EXPECT_NE(grid, start) << "after " << turn - 1 << " turns";
        RotateRange(grid, CellRange{1, 17, 1, 17}, status);
    }
    EXPECT_EQ(grid, start);
}

TEST(RangeOps, SlopeSlopesEachLineOnItsOwnBetweenItsEnds) {
    PieceGrid grid = NumberedGrid();
    const PieceGrid before = grid;
    SlopeRange(grid, CellRange{2, 6, 3, 5}, SlopeDirection::AlongRows);
    for (int r = 3; r <= 5; ++r) {
        const double a = Numbered(2, r), b = Numbered(6, r);
        for (int c = 2; c <= 6; ++c) EXPECT_DOUBLE_EQ(grid.Z(c, r), a + (b - a) * (c - 2) / 4);
        EXPECT_EQ(grid.Z(2, r), a);
        EXPECT_EQ(grid.Z(6, r), b);
    }
    ExpectOutsideUnchanged(before, grid, NormalRange{2, 6, 3, 5});

    grid = before;
    grid.Z(4, 2) = 3;
    grid.Z(4, 11) = -6;
    SlopeRange(grid, CellRange{4, 5, 11, 2}, SlopeDirection::AlongColumns);
    for (int r = 2; r <= 11; ++r) EXPECT_EQ(grid.Z(4, r), 3 - (r - 2));
    EXPECT_EQ(grid.Z(5, 2), before.Z(5, 2));
    EXPECT_EQ(grid.Z(5, 11), before.Z(5, 11));
    EXPECT_DOUBLE_EQ(grid.Z(5, 6), before.Z(5, 2) + (before.Z(5, 11) - before.Z(5, 2)) * 4 / 9);
}

TEST(RangeOps, SlopeAcrossASingleCellLeavesTheRangeAlone) {
    PieceGrid grid = NumberedGrid();
    const PieceGrid before = grid;
    SlopeRange(grid, CellRange{7, 7, 2, 12}, SlopeDirection::AlongRows);  // one column
    EXPECT_EQ(grid, before);
    SlopeRange(grid, CellRange{3, 15, 9, 9}, SlopeDirection::AlongColumns);  // one row
    EXPECT_EQ(grid, before);
    // The other direction still slopes such ranges.
    SlopeRange(grid, CellRange{7, 7, 2, 12}, SlopeDirection::AlongColumns);
    EXPECT_DOUBLE_EQ(grid.Z(7, 7), before.Z(7, 2) + (before.Z(7, 12) - before.Z(7, 2)) / 2);
}

TEST(RangeOps, SlopeOfTheWholeGridFromASingleCell) {
    PieceGrid grid = NumberedGrid();
    SlopeRange(grid, CellRange{1, 1, 1, 1}, SlopeDirection::AlongColumns);
    // Each column runs from 100 + c at row 1 to 1700 + c at row 17: already a slope.
    EXPECT_EQ(grid, NumberedGrid());
    grid.Z(3, 1) = 0;
    grid.Z(3, 17) = 0;
    SlopeRange(grid, CellRange{1, 1, 1, 1}, SlopeDirection::AlongColumns);
    for (int r = 1; r <= 17; ++r) EXPECT_EQ(grid.Z(3, r), 0);
}

}  // namespace
}  // namespace gw
