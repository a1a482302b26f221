// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <limits>
#include <tuple>

#include "core/piece/RangeOps.h"
#include "core/piece/RangeText.h"
#include "core/piece/ShiftCells.h"
#include "support/NumberedGrid.h"
#include "core/text/NumberText.h"
#include "support/RecordingStatusSink.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::Numbered;
using test::NumberedGrid;
using test::RecordingStatusSink;

// The whole grid, rim included (rows and columns 0 to 18), one line a row.
std::string GridText(const PieceGrid& grid) {
    std::string text;
    for (int r = 0; r < PieceGrid::kStorage; ++r)
        for (int c = 0; c < PieceGrid::kStorage; ++c)
            text += PaddedNumberText(grid.Z(c, r)) + (c + 1 < PieceGrid::kStorage ? "\t" : "\n");
    return text;
}

// The status texts of a mirror or turn: the first text, "Row  1".. or "Col  1".., then the close.
std::vector<std::string> Framed(const std::string& first, const char* word, int count) {
    std::vector<std::string> texts{first};
    for (int n = 1; n <= count; ++n) texts.push_back(std::string(word) + "  " + std::to_string(n));
    texts.push_back("Reloading Grid");
    texts.push_back("All Done");
    return texts;
}

// Each operation on the numbered grid gives tests/data/core/range-ops/<name>.txt; "numbered" is unchanged.
TEST(RangeOps, EachOperationGivesItsGrid) {
    NullStatusSink quiet;
    using Operation = std::function<void(PieceGrid&)>;
    const auto set = [](CellRange s) -> Operation { return [=](PieceGrid& g) { SetRangeValue(g, s, -0.75); }; };
    const auto adjust = [](AdjustMode mode, double value) -> Operation {  // columns 3..9, rows 12..17
        return [=](PieceGrid& g) { AdjustRange(g, CellRange{3, 9, 17, 12}, mode, value); };
    };
    const auto mirror = [&](CellRange s, MirrorAxis axis) -> Operation {
        return [=, &quiet](PieceGrid& g) { MirrorRange(g, s, axis, quiet); };
    };
    const auto rotate = [&](CellRange s) -> Operation {
        return [=, &quiet](PieceGrid& g) { RotateRange(g, s, quiet); };
    };
    const auto slope = [](CellRange s, SlopeDirection d) -> Operation {
        return [=](PieceGrid& g) { SlopeRange(g, s, d); };
    };
    const auto shift = [](ShiftDirection d, CellRange s) -> Operation {
        return [=](PieceGrid& g) { ShiftCells(g, d, s); };
    };
    using enum SlopeDirection;
    using enum ShiftDirection;
    const std::pair<const char*, Operation> cases[] = {
        // A single cell is the whole grid; the second anchor lies right of and below its moving corner.
        {"set-whole", set({5, 5, 3, 3})},
        {"set-corners-reversed", set({6, 2, 5, 3})},
        {"scale-0", adjust(AdjustMode::Scale, 0)},
        {"scale-half", adjust(AdjustMode::Scale, 0.5)},
        {"scale-minus-3", adjust(AdjustMode::Scale, -3)},
        {"displace-minus-2", adjust(AdjustMode::Displace, -2)},
        {"displace-1.25", adjust(AdjustMode::Displace, 1.25)},
        {"mirror-left-right", mirror({3, 7, 4, 5}, MirrorAxis::LeftRight)},
        {"mirror-top-bottom", mirror({7, 3, 5, 4}, MirrorAxis::TopBottom)},
        {"mirror-whole", mirror({9, 9, 9, 9}, MirrorAxis::LeftRight)},
        {"rotate-3x3", rotate({4, 2, 2, 4})},  // counterclockwise
        {"rotate-whole", rotate({1, 17, 1, 17})},
        {"slope-rows", slope({2, 6, 3, 5}, AlongRows)},
        {"slope-columns",
         [](PieceGrid& g) {
             g.Z(4, 2) = 3;
             g.Z(4, 11) = -6;
             SlopeRange(g, CellRange{4, 5, 11, 2}, AlongColumns);
         }},
        {"slope-one-column", slope({7, 7, 2, 12}, AlongColumns)},
        {"slope-whole-column-3",
         [](PieceGrid& g) {
             g.Z(3, 1) = g.Z(3, 17) = 0;
             SlopeRange(g, CellRange{1, 1, 1, 1}, AlongColumns);
         }},
        // A 3 x 3 range at columns 4..6, rows 7..9; up, the top row comes back in at the bottom.
        {"shift-right", shift(Right, {6, 4, 9, 7})},
        {"shift-left", shift(Left, {6, 4, 9, 7})},
        {"shift-up", shift(Up, {6, 4, 9, 7})},
        {"shift-down", shift(Down, {6, 4, 9, 7})},
        {"shift-whole-right", shift(Right, {8, 8, 8, 8})},
        {"shift-up-one-column", shift(Up, {5, 5, 2, 14})},
        // Both directions at once move columns first, and only the sign counts.
        {"shift-right-and-down", [](PieceGrid& g) { ShiftCells(g, 2, -5, CellRange{1, 2, 1, 2}); }},
        // Sloping or shifting a line one cell across along itself changes nothing, and
        // the numbered grid's columns already slope.
        {"numbered", slope({7, 7, 2, 12}, AlongRows)},
        {"numbered", slope({3, 15, 9, 9}, AlongColumns)},
        {"numbered", slope({1, 1, 1, 1}, AlongColumns)},
        {"numbered", shift(Left, {5, 5, 2, 14})},
        {"numbered", shift(Right, {5, 5, 14, 2})},
        {"numbered", shift(Up, {3, 16, 9, 9})},
        {"numbered", shift(Down, {16, 3, 9, 9})},
    };
    int row = 0;
    for (const auto& [name, operation] : cases) {
        PieceGrid grid = NumberedGrid();
        operation(grid);
        const std::string golden = test::TestDataPath(std::string("core/range-ops/") + name + ".txt");
        EXPECT_EQ(GridText(grid), test::ReadAll(golden)) << name << " (case " << ++row << ")";
    }
}

TEST(RangeOps, MirrorAndTurnCountTheirLinesAndOnlyASquareTurns) {
    PieceGrid grid = NumberedGrid();
    RecordingStatusSink status;
    EXPECT_EQ(RotateRange(grid, CellRange{2, 4, 5, 8}, status), RotateResult::NotSquare);  // 3 columns, 4 rows
    EXPECT_EQ(grid, NumberedGrid());
    EXPECT_TRUE(status.texts.empty());
    EXPECT_STREQ(kRotateRangeRefusedMessage, "Unable to rotate range.  Range must be same height and width.");
    const auto taken = [&status] { return std::exchange(status.texts, {}); };
    MirrorRange(grid, CellRange{3, 7, 4, 5}, MirrorAxis::LeftRight, status);
    EXPECT_EQ(taken(), Framed("Saving and mirroring grid", "Row", 2));
    MirrorRange(grid, CellRange{7, 3, 5, 4}, MirrorAxis::TopBottom, status);
    EXPECT_EQ(taken(), Framed("Saving and mirroring grid", "Col", 5));
    MirrorRange(grid, CellRange{9, 9, 9, 9}, MirrorAxis::LeftRight, status);  // the whole grid: padded numbers
    EXPECT_EQ(taken(), Framed("Saving and mirroring grid", "Row", 17));
    ASSERT_EQ(RotateRange(grid, CellRange{4, 2, 2, 4}, status), RotateResult::Rotated);
    EXPECT_EQ(taken(), Framed("Saving and rotating grid", "Row", 3));
    ASSERT_EQ(RotateRange(grid, CellRange{1, 17, 1, 17}, status), RotateResult::Rotated);
    EXPECT_EQ(taken(), Framed("Saving and rotating grid", "Row", 17));
}

TEST(RangeOps, SelectionAfterAnOperationAndResultsTooLargeForANumber) {
    EXPECT_EQ(SelectionAfterRangeOperation(CellRange{5, 5, 3, 3}), (CellRange{1, 17, 1, 17}));
    // Any other selection stays as the user made it, corners in selection order.
    EXPECT_EQ(SelectionAfterRangeOperation(CellRange{6, 2, 5, 3}), (CellRange{6, 2, 5, 3}));
    // Results too large for a number leave the cell alone.
    PieceGrid grid;
    grid.Z(1, 1) = 1e300;
    grid.Z(2, 1) = 2;
    AdjustRange(grid, CellRange{1, 2, 1, 1}, AdjustMode::Scale, 1e300);
    AdjustRange(grid, CellRange{1, 2, 1, 1}, AdjustMode::Displace, std::numeric_limits<double>::max());
    EXPECT_EQ(grid.Z(1, 1), 1e300);
    EXPECT_EQ(grid.Z(2, 1), 2e300);
}

TEST(RangeText, CopiedRangePastesBackClippedToTheGrid) {
    EXPECT_EQ(RangeText(NumberedGrid(), NormalRange{16, 17, 2, 3}), " 216\t 217\n 316\t 317\n");
    // text, column and row pasted at, written, the range written and its first value
    const std::tuple<const char*, int, int, bool, NormalRange, double> cases[] = {
        {" 1.5\t-2\n 3\t 4\n", 16, 16, true, {16, 17, 16, 17}, 1.5},
        {"7\t8\t9\r\n1\t2\t3\r\n", 16, 17, true, {16, 17, 17, 17}, 7},  // a spreadsheet's CR LF; clipped
        {"5\tabc\t\n", 0, 1, true, {1, 2, 1, 1}, 0},                    // column 0 is off the grid
        {"5", 1, 1, true, {1, 1, 1, 1}, 5},                             // no final line break
        {"", 1, 1, false, {}, 0},
        {"5\n", 18, 1, false, {}, 0},
    };
    for (const auto& [text, column, row, written, range, firstValue] : cases) {
        PieceGrid grid = NumberedGrid();
        const PastedRange pasted = PasteRangeValues(grid, ParseRangeText(text), column, row);
        EXPECT_EQ(pasted.written, written) << text;
        if (!written) {
            EXPECT_EQ(grid, NumberedGrid()) << text;
            continue;
        }
        EXPECT_EQ(pasted.range, range) << text;
        EXPECT_EQ(grid.Z(range.cLo, range.rLo), firstValue) << text;
        EXPECT_EQ(grid.Z(0, row), -1) << text;  // the rim is never written
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
