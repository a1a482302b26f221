// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/RangeOps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/text/NumberText.h"

namespace gw {

namespace {

// A result that overflowed is not stored: the cell keeps its value, as a failing
// assignment is skipped everywhere else in the editor.
void StoreIfFinite(double& cell, double value) {
    if (std::isfinite(value)) cell = value;
}

// The scratch table of a mirror or rotation, indexed (i, j) from 1 like the range.
class Scratch {
public:
    double& At(int i, int j) { return cells_[static_cast<std::size_t>(j * kSize + i)]; }

private:
    static constexpr int kSize = 18;
    std::array<double, kSize * kSize> cells_{};
};

Scratch CopyRange(const PieceGrid& grid, const NormalRange& range) {
    Scratch copy;
    for (int j = 1; j <= range.Height(); ++j)
        for (int i = 1; i <= range.Width(); ++i) copy.At(i, j) = grid.Z(range.cLo + i - 1, range.rLo + j - 1);
    return copy;
}

void CopyBack(Scratch& result, const NormalRange& range, PieceGrid& grid) {
    for (int j = 1; j <= range.Height(); ++j)
        for (int i = 1; i <= range.Width(); ++i) grid.Z(range.cLo + i - 1, range.rLo + j - 1) = result.At(i, j);
}

}  // namespace

CellRange SelectionAfterRangeOperation(const CellRange& selection) { return ApplyWholeGridRule(selection); }

void SetRangeValue(PieceGrid& grid, const CellRange& selection, double value) {
    SetCellsValue(grid, TakeRange(selection), value);
}

void SetCellsValue(PieceGrid& grid, const NormalRange& range, double value) {
    for (int r = std::max(range.rLo, 1); r <= std::min(range.rHi, 17); ++r)
        for (int c = std::max(range.cLo, 1); c <= std::min(range.cHi, 17); ++c) StoreIfFinite(grid.Z(c, r), value);
}

void AdjustRange(PieceGrid& grid, const CellRange& selection, AdjustMode mode, double value) {
    const NormalRange range = TakeRange(selection);
    for (int c = range.cLo; c <= range.cHi; ++c) {
        for (int r = range.rLo; r <= range.rHi; ++r) {
            double& cell = grid.Z(c, r);
            StoreIfFinite(cell, mode == AdjustMode::Displace ? cell + value : cell * value);
        }
    }
}

void MirrorRange(PieceGrid& grid, const CellRange& selection, MirrorAxis axis, StatusSink& status) {
    const NormalRange range = TakeRange(selection);
    const int w = range.Width();
    const int h = range.Height();
    status.Status("Saving and mirroring grid");
    Scratch a = CopyRange(grid, range);
    Scratch b;
    if (axis == MirrorAxis::TopBottom) {
        for (int i = 1; i <= w; ++i) {
            for (int j = 1; j <= h; ++j) b.At(i, h - j + 1) = a.At(i, j);
            status.Status("Col " + PaddedNumberText(i));
        }
    } else {
        for (int j = 1; j <= h; ++j) {
            for (int i = 1; i <= w; ++i) b.At(w - i + 1, j) = a.At(i, j);
            status.Status("Row " + PaddedNumberText(j));
        }
    }
    status.Status("Reloading Grid");
    CopyBack(b, range, grid);
    status.Status("All Done");
}

RotateResult RotateRange(PieceGrid& grid, const CellRange& selection, StatusSink& status) {
    const NormalRange range = TakeRange(selection);
    if (range.rHi - range.rLo != range.cHi - range.cLo) return RotateResult::NotSquare;
    const int w = range.Width();
    const int h = range.Height();
    status.Status("Saving and rotating grid");
    Scratch a = CopyRange(grid, range);
    Scratch b;
    for (int j = 1; j <= h; ++j) {
        for (int i = 1; i <= w; ++i) b.At(j, h - i + 1) = a.At(i, j);
        status.Status("Row " + PaddedNumberText(j));
    }
    status.Status("Reloading Grid");
    CopyBack(b, range, grid);
    status.Status("All Done");
    return RotateResult::Rotated;
}

void SlopeRange(PieceGrid& grid, const CellRange& selection, SlopeDirection direction) {
    const NormalRange range = TakeRange(selection);
    if (direction == SlopeDirection::AlongRows) {
        const int span = range.cHi - range.cLo;
        if (span == 0) return;
        for (int r = range.rLo; r <= range.rHi; ++r) {
            const double a = grid.Z(range.cLo, r);
            const double step = (grid.Z(range.cHi, r) - a) / span;
            if (!std::isfinite(step)) continue;
            for (int c = range.cLo; c <= range.cHi; ++c) StoreIfFinite(grid.Z(c, r), step * (c - range.cLo) + a);
        }
    } else {
        const int span = range.rHi - range.rLo;
        if (span == 0) return;
        for (int c = range.cLo; c <= range.cHi; ++c) {
            const double a = grid.Z(c, range.rLo);
            const double step = (grid.Z(c, range.rHi) - a) / span;
            if (!std::isfinite(step)) continue;
            for (int r = range.rLo; r <= range.rHi; ++r) StoreIfFinite(grid.Z(c, r), step * (r - range.rLo) + a);
        }
    }
}

}  // namespace gw
