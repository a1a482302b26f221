// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/CurveTool.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/text/NumberText.h"

namespace gw {

namespace {

// A grid range has at most 16 intervals; a request from elsewhere is not drawn.
constexpr std::int64_t kMostIntervals = 16;

// An assignment whose value overflowed is skipped: the old value stays.
void AssignIfFinite(double& target, double value) {
    if (std::isfinite(value)) target = value;
}

CurvePoint BezierPoint(const std::array<CurvePoint, 4>& points, double t) {
    static constexpr double kBinomial[4] = {1, 3, 3, 1};
    CurvePoint point;
    for (int i = 0; i < 4; ++i) {
        const double weight = kBinomial[i] * std::pow(t, i) * std::pow(1 - t, 3 - i);
        point.x += weight * points[static_cast<std::size_t>(i)].x;
        point.y += weight * points[static_cast<std::size_t>(i)].y;
    }
    return point;
}

int SampleIntervals(const CurveState& state) {
    return state.intervals > 0 && state.intervals <= kMostIntervals ? 4 * state.intervals : 0;
}

struct BarAccess {
    int* value;
    double* coordinate;
    int maximum;
};

BarAccess AccessBar(CurveState& state, CurveBar bar) {
    switch (bar) {
        case CurveBar::Point1X: return {&state.bars.point1x, &state.points[1].x, kCurveBarXMaximum};
        case CurveBar::Point1Y: return {&state.bars.point1y, &state.points[1].y, kCurveBarYMaximum};
        case CurveBar::Point2X: return {&state.bars.point2x, &state.points[2].x, kCurveBarXMaximum};
        case CurveBar::Point2Y: return {&state.bars.point2y, &state.points[2].y, kCurveBarYMaximum};
    }
    return {&state.bars.point1x, &state.points[1].x, kCurveBarXMaximum};
}

// Setting a bar from the program: a value outside the bar's range cannot be set
// and the bar keeps its value; a value that changes the bar fires its change,
// which moves the point and redraws. Either way the point is read back from the bar.
void SetBarFromProgram(CurveState& state, CurveBar bar, double wanted) {
    BarAccess access = AccessBar(state, bar);
    std::int64_t value = 0;
    if (RoundToIndex(wanted, value) && value >= 0 && value <= access.maximum && value != *access.value) {
        MoveCurveBar(state, bar, static_cast<int>(value));
    }
    *access.coordinate = *access.value;
}

void AddSquare(std::vector<LineSegment>& lines, const CurvePoint& centre) {
    const double left = centre.x - 1, right = centre.x + 1, top = centre.y - 1, bottom = centre.y + 1;
    lines.push_back({left, top, right, top});
    lines.push_back({right, top, right, bottom});
    lines.push_back({right, bottom, left, bottom});
    lines.push_back({left, bottom, left, top});
}

}  // namespace

double PositionOfX(double x) { return (x - 20) / 10; }
double HeightOfY(double y) { return (300 - y - 20) / 10; }

void LoadCurveDialog(CurveState& state) {
    // The form's own settings; their changes move the inner points but draw
    // nothing while the dialog is being created.
    state.bars = CurveBars{};
    state.points[1] = CurvePoint{static_cast<double>(state.bars.point1x), static_cast<double>(state.bars.point1y)};
    state.points[2] = CurvePoint{static_cast<double>(state.bars.point2x), static_cast<double>(state.bars.point2y)};
    state.loaded = true;
}

void UnloadCurveDialog(CurveState& state) { state.loaded = false; }

CurveRequest CurveRequestFor(const PieceGrid& grid, const CellRange& selection) {
    CurveRequest request;
    request.range = TakeRange(selection);
    request.enterPosition = 18 - request.range.rHi;
    request.enterHeight = grid.Z(request.range.cLo, request.range.rHi);
    request.exitPosition = 18 - request.range.rLo;
    request.exitHeight = grid.Z(request.range.cLo, request.range.rLo);
    return request;
}

CurveStart StartCurve(CurveState& state, const CurveRequest& request) {
    if (!state.loaded) LoadCurveDialog(state);
    CurveStart start;
    std::int64_t intervals = 0;
    if (!RoundToIndex(request.exitPosition - request.enterPosition, intervals) || intervals < 3 ||
        intervals > kMostIntervals) {
        return start;
    }
    state.intervals = static_cast<int>(intervals);

    const double p0 = request.enterPosition, h0 = request.enterHeight;
    const double p3 = request.exitPosition, h3 = request.exitHeight;
    CurvePoint& enter = state.points[0];
    AssignIfFinite(enter.x, 10 * p0 + 20);
    AssignIfFinite(enter.y, 300 - (10 * h0 + 20));
    start.enterLabel = HeightOfY(enter.y);

    SetBarFromProgram(state, CurveBar::Point1X, 10 * (p0 + (p3 - p0) / 3) + 20);
    SetBarFromProgram(state, CurveBar::Point1Y, 300 - (10 * (h0 + (h3 - h0) / 3) + 20));
    SetBarFromProgram(state, CurveBar::Point2X, 10 * (p0 + 2 * (p3 - p0) / 3) + 20);
    SetBarFromProgram(state, CurveBar::Point2Y, 300 - (10 * (h0 + 2 * (h3 - h0) / 3) + 20));

    CurvePoint& exit = state.points[3];
    AssignIfFinite(exit.x, 10 * p3 + 20);
    AssignIfFinite(exit.y, 300 - (10 * h3 + 20));
    start.exitLabel = HeightOfY(exit.y);

    SampleCurve(state);
    start.shown = true;
    return start;
}

void MoveCurveBar(CurveState& state, CurveBar bar, int value) {
    BarAccess access = AccessBar(state, bar);
    *access.value = std::clamp(value, 0, access.maximum);
    *access.coordinate = *access.value;
    SampleCurve(state);
}

void SampleCurve(CurveState& state) {
    const int sampleIntervals = SampleIntervals(state);
    if (sampleIntervals == 0) return;
    std::int64_t k = 0;
    if (!RoundToIndex(PositionOfX(state.points[0].x), k)) return;
    for (int s = 0; s <= sampleIntervals; ++s) {
        const CurvePoint point = BezierPoint(state.points, static_cast<double>(s) / sampleIntervals);
        const double height = HeightOfY(point.y);
        if (PositionOfX(point.x) > static_cast<double>(k)) {
            if (k >= 0 && k < static_cast<std::int64_t>(state.samples.size()) && std::isfinite(height)) {
                state.samples[static_cast<std::size_t>(k)] = height;
            }
            ++k;
        }
    }
}

std::vector<LineSegment> CurvePreviewLines(const CurveState& state) {
    const int sampleIntervals = SampleIntervals(state);
    std::vector<LineSegment> lines;
    lines.reserve(12 + static_cast<std::size_t>(sampleIntervals));
    lines.push_back({20, 280, 190, 280});
    lines.push_back({190, 280, 190, 20});
    lines.push_back({20, 20, 190, 20});
    lines.push_back({20, 20, 20, 280});
    AddSquare(lines, state.points[1]);
    AddSquare(lines, state.points[2]);
    if (sampleIntervals == 0) return lines;
    CurvePoint previous = BezierPoint(state.points, 0);
    for (int s = 1; s <= sampleIntervals; ++s) {
        const CurvePoint point = BezierPoint(state.points, static_cast<double>(s) / sampleIntervals);
        if (std::isfinite(previous.x) && std::isfinite(previous.y) && std::isfinite(point.x) &&
            std::isfinite(point.y)) {
            lines.push_back({previous.x, previous.y, point.x, point.y});
        }
        previous = point;
    }
    return lines;
}

void CurveColumns(PieceGrid& grid, const CellRange& selection, const CurveSamples& samples) {
    const NormalRange range = TakeRange(selection);
    for (int c = range.cLo; c <= range.cHi; ++c)
        for (int r = range.rLo + 1; r <= range.rHi - 1; ++r) grid.Z(c, r) = samples[static_cast<std::size_t>(17 - r)];
}

}  // namespace gw
