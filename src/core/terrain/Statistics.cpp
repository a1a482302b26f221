// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terrain/Statistics.h"

#include <algorithm>
#include <cmath>

#include "core/terrain/TerrainTexts.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

constexpr int kLow = -128;
constexpr int kHigh = 128;

double& Cell(NationalGrid& grid, int x, int y) { return grid.At(x - kLow, y - kLow); }

// Blends one line of cells towards e by factor f, in the form v - (d - f d).
// A blend that overflows (heights and edge far apart near the largest numbers)
// is not stored: the cell keeps its height and is counted.
template <typename CellOf>
void BlendLine(double e, double f, long long& notFinite, CellOf&& cellOf) {
    for (int k = kLow; k <= kHigh; ++k) {
        double& v = cellOf(k);
        const double d = v - e;
        const double blended = v - (d - f * d);
        if (std::isfinite(blended)) {
            v = blended;
        } else {
            ++notFinite;
        }
    }
}

// Line bounds beyond the grid are cut to it: lines off the terrain are skipped,
// and a huge band cannot make the loop run for ever.
int ClampToGrid(double line) { return static_cast<int>(std::clamp(line, kLow - 1.0, kHigh + 1.0)); }

}  // namespace

Asc257Statistics ComputeASC257Statistics(const NationalGrid& grid) {
    double minimum = 1000.0, maximum = -1.0, sum = 0, edgeSum = 0;
    long count = 0, edgeCount = 0;
    for (int y = kLow; y <= kHigh; ++y) {
        for (int x = kLow; x <= kHigh; ++x) {
            const double v = grid.At(x - kLow, y - kLow);
            if (v < minimum) minimum = v;
            if (v > maximum) maximum = v;
            if (x == kLow || x == kHigh || y == kLow || y == kHigh) {
                edgeSum += v;
                ++edgeCount;
            }
            sum += v;
            ++count;
        }
    }
    return {minimum, maximum, sum / static_cast<double>(count), edgeSum / static_cast<double>(edgeCount)};
}

std::array<std::string, 4> StatisticsLines(const Asc257Statistics& statistics) {
    return {"Minimum Z: " + PaddedNumberText(statistics.minimum), "Maximum Z: " + PaddedNumberText(statistics.maximum),
            "Average Z: " + PaddedNumberText(statistics.average),
            "Average Z on edge: " + PaddedNumberText(statistics.edgeAverage)};
}

std::string DefaultEdgeValueText(const Asc257Statistics& statistics) {
    return PaddedNumberText(statistics.edgeAverage);
}

std::string DefaultPointsText() { return PaddedNumberText(10); }

SlopeEdgesResult SlopeASC257Edges(const std::string& edgeText, const std::string& pointsText, NationalGrid& grid,
                                  StatusSink& status) {
    SlopeEdgesResult result;
    const double n = std::fabs(ValueOfText(pointsText));
    if (n == 0) return result;
    const double e = ValueOfText(edgeText);
    const double step = 1 / n;
    // The inner end of each band: round(n - 129) from the low side, round(129 - n)
    // from the high side.
    const int lowEnd = ClampToGrid(RoundHalfEven(n - 129));
    const int highEnd = ClampToGrid(RoundHalfEven(129 - n));

    long long& skipped = result.cellsNotFinite;
    double f = 0;
    for (int y = kLow; y <= lowEnd && y <= kHigh; ++y, f += step) {
        BlendLine(e, f, skipped, [&](int x) -> double& { return Cell(grid, x, y); });
    }
    f = 0;
    for (int y = kHigh; y >= highEnd && y >= kLow; --y, f += step) {
        BlendLine(e, f, skipped, [&](int x) -> double& { return Cell(grid, x, y); });
    }
    f = 0;
    for (int x = kLow; x <= lowEnd && x <= kHigh; ++x, f += step) {
        BlendLine(e, f, skipped, [&](int y) -> double& { return Cell(grid, x, y); });
    }
    f = 0;
    for (int x = kHigh; x >= highEnd && x >= kLow; --x, f += step) {
        BlendLine(e, f, skipped, [&](int y) -> double& { return Cell(grid, x, y); });
    }
    result.done = true;
    status.Status(skipped == 0 ? std::string("Slope Edges Done") : "Slope Edges Done; " + NotFiniteCellsText(skipped));
    return result;
}

}  // namespace gw
