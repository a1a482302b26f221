// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The curve tool: a cubic Bézier profile, shaped with two inner control points,
// that replaces the interior rows of every column of a range. This is the math of
// the "Set Curve" dialog; the dialog itself only shows the bars and paints the
// lines computed here.
//
// Drawing units of the curve picture: a position p (row r has p = 18 - r) lies at
// x = 10 p + 20, a height h at y = 300 - (10 h + 20); y grows downward.
#include <array>
#include <vector>

#include "core/piece/CellRange.h"
#include "core/piece/LineSegment.h"
#include "core/piece/PieceGrid.h"

namespace gw {

inline constexpr const char* kCurveTooFewRowsMessage =
    "You need to highlight at least 4 rows to use the curve function";

struct CurvePoint {
    double x = 0, y = 0;
    bool operator==(const CurvePoint&) const = default;
};

// Heights by position, index 0 to 17. A run writes only some entries; the others
// keep what an earlier run left, so the table lives as long as the program.
using CurveSamples = std::array<double, 18>;

// The four control-point scroll bars: hscrlPoint1x, vscrlPoint1y, hscrlPoint2x,
// vscrlPoint2y. x bars run 0..200, y bars 0..300.
struct CurveBars {
    int point1x = 59, point1y = 300, point2x = 115, point2y = 300;
    bool operator==(const CurveBars&) const = default;
};
inline constexpr int kCurveBarXMaximum = 200;
inline constexpr int kCurveBarYMaximum = 300;

enum class CurveBar { Point1X, Point1Y, Point2X, Point2Y };

// A drawing unit back in the piece's terms: the position of an x, the height of a y.
double PositionOfX(double x);
double HeightOfY(double y);

// Everything the tool keeps between uses; the program owns one.
struct CurveState {
    std::array<CurvePoint, 4> points{};  // P0 enter end, P1 and P2 inner, P3 exit end
    CurveSamples samples{};
    CurveBars bars;
    int intervals = 0;    // n, the rows of the range less one
    bool loaded = false;  // the dialog exists (Apply and Cancel only hide it)
};

// The dialog is created: the bars take their starting values (P1 at (59, 300),
// P2 at (115, 300)). StartCurve does this itself when the dialog is not loaded.
void LoadCurveDialog(CurveState& state);
// The dialog was closed with its close box: the next use loads it afresh.
void UnloadCurveDialog(CurveState& state);

// What the window asks the dialog for: the range and its enter (bottom row) and
// exit (top row) ends, heights taken from the range's first column.
struct CurveRequest {
    NormalRange range;
    double enterPosition = 0, enterHeight = 0, exitPosition = 0, exitHeight = 0;
};
CurveRequest CurveRequestFor(const PieceGrid& grid, const CellRange& selection);

struct CurveStart {
    bool shown = false;     // false: fewer than 4 rows, show kCurveTooFewRowsMessage
    double enterLabel = 0;  // lblEnter and lblExit, written with PlainNumberText
    double exitLabel = 0;
};

// Sets the four control points for a new run: the ends from the request, the
// inner points at one and two thirds of the straight line between them, each
// through its scroll bar (rounded; a value outside the bar's range leaves the bar
// and the point as they were). Every bar that changes redraws the curve with the
// points set so far, as the bar's change does; the full curve is sampled last.
CurveStart StartCurve(CurveState& state, const CurveRequest& request);

// A control-point bar moved to value (kept inside its range): the point follows
// and the curve is sampled again.
void MoveCurveBar(CurveState& state, CurveBar bar, int value);

// Samples the curve into state.samples at N + 1 points, N = 4n; each sample whose
// position lies strictly beyond k stores its height at index k and moves k on by
// one, k starting at the enter position.
void SampleCurve(CurveState& state);

// What the dialog paints, in drawing units and in this order: the frame (4 lines),
// squares of side 2 around P1 and P2 (4 lines each), then the curve's N segments.
std::vector<LineSegment> CurvePreviewLines(const CurveState& state);

// Row r of every column of the range, except the range's top and bottom rows,
// gets samples[17 - r].
void CurveColumns(PieceGrid& grid, const CellRange& selection, const CurveSamples& samples);

}  // namespace gw
