// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The terrain's statistics (lowest, highest and average height, average height
// of the border) and the blending of its borders towards one edge height.
#include <array>
#include <string>

#include "core/Interfaces.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

struct Asc257Statistics {
    double minimum = 0;
    double maximum = 0;
    double average = 0;
    double edgeAverage = 0;  // over the 1,024 cells of the outer border
};

// Scans the whole grid. The minimum starts at 1000 and the maximum at -1, so a
// terrain all at 1000 or more reports 1000 as its minimum, one all below -1
// reports -1 as its maximum.
Asc257Statistics ComputeASC257Statistics(const NationalGrid& grid);

// The four lines of the statistics list, in order: "Minimum Z: ", "Maximum Z: ",
// "Average Z: ", "Average Z on edge: ", each followed by the padded number.
std::array<std::string, 4> StatisticsLines(const Asc257Statistics& statistics);

// The slope mode's starting texts: Edge Value is the border's average height,
// # of Points is 10.
std::string DefaultEdgeValueText(const Asc257Statistics& statistics);
std::string DefaultPointsText();

struct SlopeEdgesResult {
    bool done = false;             // false: a band of 0, nothing was done
    long long cellsNotFinite = 0;  // blends that overflowed; those cells kept their height
    explicit operator bool() const { return done; }
};

// Blends a band of n rows and columns along all four borders towards the edge
// height e: the outermost line takes e, the k-th line (from 0) keeps k/n of its
// difference to e. The bottom, top, left and right bands are blended in that
// order, so their factors multiply in the corners. n is |pointsText|; a band of
// 0 changes nothing and shows nothing. Shows "Slope Edges Done" at the end,
// followed by NotFiniteCellsText when blends overflowed.
SlopeEdgesResult SlopeASC257Edges(const std::string& edgeText, const std::string& pointsText, NationalGrid& grid,
                                  StatusSink& status);

}  // namespace gw
