// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rectangle of heights as tab-separated text: one line per grid row, top row
// first, each cell as the grid shows it (PaddedNumberText). It is what
// `gridwright-cli piece-info` prints and what the editor copies, so a range goes
// to a spreadsheet and back in one form.
#include <string>
#include <string_view>
#include <vector>

#include "core/piece/CellRange.h"
#include "core/piece/PieceGrid.h"

namespace gw {

// Lines end with a line feed; cells are separated by one TAB.
std::string RangeText(const PieceGrid& grid, const NormalRange& range = NormalRange{});

// The numbers of such a text, row by row: lines end at LF, CR LF or CR, cells at
// TAB; each cell is read with ValueOfText (an empty or non-numeric cell is 0).
// The empty line after the last line break is not a row.
using RangeValues = std::vector<std::vector<double>>;
RangeValues ParseRangeText(std::string_view text);

// Writes the values with their first row and column at (column, row), leaving out
// what falls outside the 17 x 17 cells. Returns the rectangle written; a text
// with no values, or one placed off the grid, writes nothing (written false).
struct PastedRange {
    bool written = false;
    NormalRange range;
};
PastedRange PasteRangeValues(PieceGrid& grid, const RangeValues& values, int column, int row);

}  // namespace gw
