// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/CellRange.h"

#include <algorithm>

namespace gw {

namespace {
int Clamp(int v) { return std::clamp(v, 1, 17); }
}  // namespace

CellRange ApplyWholeGridRule(const CellRange& range) {
    CellRange clamped{Clamp(range.col), Clamp(range.colSel), Clamp(range.row), Clamp(range.rowSel)};
    if (clamped.IsSingleCell()) return CellRange{1, 17, 1, 17};
    return clamped;
}

NormalRange Normalise(const CellRange& range) {
    return NormalRange{std::min(range.col, range.colSel), std::max(range.col, range.colSel),
                       std::min(range.row, range.rowSel), std::max(range.row, range.rowSel)};
}

}  // namespace gw
