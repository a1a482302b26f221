// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>

#include "core/piece/CurveTool.h"
#include "core/piece/RangeText.h"
#include "core/text/NumberText.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr double kUnwritten = -99;

CurveState FreshState() {
    CurveState state;
    state.samples.fill(kUnwritten);
    return state;
}

// Column 1 rises from 0 at the bottom row to 16 at the top; the other columns hold markers.
PieceGrid RampInFirstColumn() {
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c == 1 ? 17 - r : 1000 + c;
    return grid;
}

std::array<double, 4> Ends(const CurveRequest& request) {
    return {request.enterPosition, request.enterHeight, request.exitPosition, request.exitHeight};
}

CurveState WholeRamp() {
    CurveState state = FreshState();
    EXPECT_TRUE(StartCurve(state, CurveRequestFor(RampInFirstColumn(), CellRange{1, 1, 1, 1})).shown);
    return state;
}

TEST(CurveTool, RequestTakesTheEndsFromTheFirstColumnAndFewerThanFourRowsAreRefused) {
    const PieceGrid grid = RampInFirstColumn();
    const CurveRequest whole = CurveRequestFor(grid, CellRange{6, 6, 6, 6});
    EXPECT_EQ(whole.range, (NormalRange{1, 17, 1, 17}));
    EXPECT_EQ(Ends(whole), (std::array<double, 4>{1, 0, 17, 16}));
    EXPECT_EQ(Ends(CurveRequestFor(grid, CellRange{5, 2, 4, 12})), (std::array<double, 4>{6, 1002, 14, 1002}));

    EXPECT_STREQ(kCurveTooFewRowsMessage, "You need to highlight at least 4 rows to use the curve function");
    CurveState state = FreshState();
    EXPECT_FALSE(StartCurve(state, CurveRequestFor(grid, CellRange{1, 1, 5, 7})).shown);  // 3 rows
    EXPECT_FALSE(StartCurve(state, CurveRequestFor(grid, CellRange{1, 4, 5, 6})).shown);  // 2 rows
    EXPECT_FALSE(StartCurve(state, CurveRequest{{}, 0, 0, 17, 17}).shown);                // 17 intervals
    for (double sample : state.samples) EXPECT_EQ(sample, kUnwritten);
    EXPECT_TRUE(StartCurve(state, CurveRequestFor(grid, CellRange{1, 1, 5, 8})).shown);  // 4 rows
}

// The whole grid from 0 to 16: n = 16, N = 64. The inner points are rounded onto
// their bars, (83, 227) and (137, 173) instead of thirds of the line from (30, 280)
// to (190, 120), which bends the curve by t(1 - t)(1 - 2t) drawing units in both
// directions: position 1 + 16t - t(1 - t)(1 - 2t) / 10 and the height below.
double WholeGridHeight(int sample) {
    const double t = sample / 64.0;
    return 16 * t - t * (1 - t) * (1 - 2 * t) / 10;
}

TEST(CurveTool, WholeGridSamples) {
    CurveState state = FreshState();
    const CurveStart start = StartCurve(state, CurveRequestFor(RampInFirstColumn(), CellRange{1, 1, 1, 1}));
    ASSERT_TRUE(start.shown);
    EXPECT_EQ((std::array{start.enterLabel, start.exitLabel, double(state.intervals)}), (std::array{0.0, 16.0, 16.0}));
    EXPECT_EQ(state.bars, (CurveBars{83, 227, 137, 173}));
    EXPECT_EQ(state.points, (std::array<CurvePoint, 4>{{{30, 280}, {83, 227}, {137, 173}, {190, 120}}}));

    // Before the middle the curve lags behind the line, so the sample a quarter
    // past each position is the first beyond it; at t = 1/2 it lies exactly on
    // position 9, which is not beyond 9; after the middle it leads, and the sample
    // at each position itself is already beyond it.
    const int sampleOfIndex[17] = {0, 1, 5, 9, 13, 17, 21, 25, 29, 33, 36, 40, 44, 48, 52, 56, 60};
    for (int k = 1; k <= 16; ++k)
        EXPECT_NEAR(state.samples[static_cast<std::size_t>(k)], WholeGridHeight(sampleOfIndex[k]), 1e-12) << k;
    EXPECT_EQ(state.samples[0], kUnwritten);   // before the enter position
    EXPECT_EQ(state.samples[17], kUnwritten);  // the exit end is never beyond itself

    const PieceGrid ramp = RampInFirstColumn();
    PieceGrid grid = ramp;
    CurveColumns(grid, CellRange{1, 1, 1, 1}, state.samples);
    for (int c = 1; c <= 17; ++c) {  // the end rows keep their heights
        EXPECT_EQ(std::pair(grid.Z(c, 1), grid.Z(c, 17)), std::pair(ramp.Z(c, 1), ramp.Z(c, 17))) << c;
        for (int r = 2; r <= 16; ++r) EXPECT_EQ(grid.Z(c, r), state.samples[static_cast<std::size_t>(17 - r)]);
    }
}

TEST(CurveTool, UntouchedControlPointsGiveANearlyStraightSlopeInEveryColumn) {
    // Rows 3..12 of columns 4..8, first column from 2 (row 12) to 11 (row 3).
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = 50 + c;
    grid.Z(4, 12) = 2;
    grid.Z(4, 3) = 11;
    const CellRange selection{8, 4, 3, 12};
    CurveState state = FreshState();
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(grid, selection)).shown);
    CurveColumns(grid, selection, state.samples);
    // Enter position 6, exit position 15, one unit of height per position: row r
    // gets the height near position 17 - r (within a quarter position), the same
    // in every column, and nothing outside rows 4..11 of columns 4..8 changes.
    EXPECT_EQ(RangeText(grid), test::ReadAll(test::TestDataPath("core/curve-straight-slope.txt")));
}

TEST(CurveTool, AStartValueOutsideItsBarKeepsTheBarsPreviousValue) {
    // From 0 to 60 over the whole grid: the one-third point needs y 80 (on the bar), the other -120.
    PieceGrid steep;
    steep.Z(1, 1) = 60;
    CurveState state = FreshState();
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(steep, CellRange{1, 1, 1, 1})).shown);
    EXPECT_EQ(state.bars, (CurveBars{83, 80, 137, 300}));  // 300: the bar as the dialog loaded it
    EXPECT_EQ(state.points[2], (CurvePoint{137, 300}));

    // The dialog stays loaded between runs: a second run keeps the bar where the first left it.
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(RampInFirstColumn(), CellRange{1, 1, 1, 1})).shown);
    EXPECT_EQ(state.bars.point2y, 173);
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(steep, CellRange{1, 1, 1, 1})).shown);
    EXPECT_EQ(state.bars.point2y, 173);
    EXPECT_EQ(state.points[2].y, 173);

    UnloadCurveDialog(state);
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(steep, CellRange{1, 1, 1, 1})).shown);
    EXPECT_EQ(state.bars.point2y, 300);

    // Below -2 the y start lies beyond 300.
    PieceGrid deep;
    deep.Z(1, 1) = -30;
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(deep, CellRange{1, 1, 1, 1})).shown);
    EXPECT_EQ(state.bars.point1y, 80);   // 300 - (10 x -10 + 20) = 380 is off the bar
    EXPECT_EQ(state.bars.point2y, 300);  // 300 - (10 x -20 + 20) = 480 is off the bar
}

TEST(CurveTool, MovingABarSamplesAgainAndEntriesARunDoesNotReachKeepTheirValues) {
    CurveState state = WholeRamp();
    const CurveSamples straight = state.samples;
    MoveCurveBar(state, CurveBar::Point1Y, 20);  // pull the first inner point up to height 26
    EXPECT_EQ(state.points[1], (CurvePoint{83, 20}));
    EXPECT_GT(state.samples[5], straight[5] + 5);
    MoveCurveBar(state, CurveBar::Point2X, 250);
    EXPECT_EQ(state.bars.point2x, 200);
    EXPECT_EQ(state.points[2].x, 200);
    MoveCurveBar(state, CurveBar::Point1Y, 227);
    MoveCurveBar(state, CurveBar::Point2X, 137);
    for (std::size_t k = 0; k <= 16; ++k) EXPECT_EQ(state.samples[k], straight[k]) << k;

    // Rows 1..8: positions 10 to 17, so sampling starts at entry 10; the entries before keep their values.
    ASSERT_TRUE(StartCurve(state, CurveRequestFor(RampInFirstColumn(), CellRange{1, 1, 1, 8})).shown);
    for (std::size_t k = 0; k <= 9; ++k) EXPECT_EQ(state.samples[k], straight[k]) << k;
    EXPECT_GE(state.samples[10], 9);
    EXPECT_LE(state.samples[10], 9.25);
    // P2 pulled far back: the curve reaches position 16 only at its very end, the exit height.
    MoveCurveBar(state, CurveBar::Point2X, 60);
    EXPECT_EQ(state.samples[16], 16);
}

// The frame, the squares of side 2 around P1 (83, 227) and P2 (137, 173), then
// the curve's 64 lines from P0 (30, 280) to P3 (190, 120), one after the other.
TEST(CurveTool, PreviewLinesInDrawingUnits) {
    std::string text;
    for (const LineSegment& line : CurvePreviewLines(WholeRamp()))
        text += PaddedNumberText(line.x1) + " " + PaddedNumberText(line.y1) + " " + PaddedNumberText(line.x2) + " " +
                PaddedNumberText(line.y2) + "\n";
    EXPECT_EQ(text, test::ReadAll(test::TestDataPath("core/curve-preview.txt")));
    EXPECT_EQ(CurvePreviewLines(FreshState()).size(), 12u);
    CurveState loaded = FreshState();  // before a run the squares sit at the bars' start
    LoadCurveDialog(loaded);
    EXPECT_EQ(loaded.points, (std::array<CurvePoint, 4>{{{0, 0}, {59, 300}, {115, 300}, {0, 0}}}));
}

}  // namespace
}  // namespace gw
