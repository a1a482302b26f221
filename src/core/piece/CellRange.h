// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rectangle of grid cells an operation works on, taken from the grid's
// selection: the anchor (col, row) and the moving corner (colSel, rowSel), in
// any order.
namespace gw {

struct CellRange {
    int col = 1, colSel = 1, row = 1, rowSel = 1;

    bool IsSingleCell() const { return col == colSel && row == rowSel; }
    bool operator==(const CellRange&) const = default;
};

struct NormalRange {
    int cLo = 1, cHi = 17, rLo = 1, rHi = 17;
    int Width() const { return cHi - cLo + 1; }
    int Height() const { return rHi - rLo + 1; }
    bool operator==(const NormalRange&) const = default;
};

// A single cell stands for the whole grid: the range becomes columns and rows 1
// to 17 (and the caller selects the whole grid). Corners outside 1..17 are
// clamped, so no operation can reach the grid's unseen rim.
CellRange ApplyWholeGridRule(const CellRange& range);
NormalRange Normalise(const CellRange& range);

// Both in one: what every range operation starts with.
inline NormalRange TakeRange(const CellRange& selection) { return Normalise(ApplyWholeGridRule(selection)); }

}  // namespace gw
