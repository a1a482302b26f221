// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/RangeText.h"

#include <algorithm>

#include "core/text/NumberText.h"

namespace gw {

std::string RangeText(const PieceGrid& grid, const NormalRange& range) {
    std::string text;
    for (int row = range.rLo; row <= range.rHi; ++row) {
        for (int column = range.cLo; column <= range.cHi; ++column) {
            if (column > range.cLo) text += '\t';
            text += PaddedNumberText(grid.Z(column, row));
        }
        text += '\n';
    }
    return text;
}

RangeValues ParseRangeText(std::string_view text) {
    RangeValues rows;
    std::vector<double> cells;
    std::size_t cellStart = 0;
    auto endCell = [&](std::size_t end) { cells.push_back(ValueOfText(text.substr(cellStart, end - cellStart))); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\t') {
            endCell(i);
            cellStart = i + 1;
        } else if (c == '\n' || c == '\r') {
            endCell(i);
            rows.push_back(std::move(cells));
            cells.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            cellStart = i + 1;
        }
    }
    if (cellStart < text.size()) {
        endCell(text.size());
        rows.push_back(std::move(cells));
    }
    return rows;
}

PastedRange PasteRangeValues(PieceGrid& grid, const RangeValues& values, int column, int row) {
    PastedRange pasted;
    NormalRange& written = pasted.range;
    written = NormalRange{PieceGrid::kLast + 1, 0, PieceGrid::kLast + 1, 0};
    for (std::size_t j = 0; j < values.size(); ++j) {
        const long long r = row + static_cast<long long>(j);
        if (r < PieceGrid::kFirst || r > PieceGrid::kLast) continue;
        for (std::size_t i = 0; i < values[j].size(); ++i) {
            const long long c = column + static_cast<long long>(i);
            if (c < PieceGrid::kFirst || c > PieceGrid::kLast) continue;
            grid.Z(static_cast<int>(c), static_cast<int>(r)) = values[j][i];
            written.cLo = std::min(written.cLo, static_cast<int>(c));
            written.cHi = std::max(written.cHi, static_cast<int>(c));
            written.rLo = std::min(written.rLo, static_cast<int>(r));
            written.rHi = std::max(written.rHi, static_cast<int>(r));
            pasted.written = true;
        }
    }
    return pasted;
}

}  // namespace gw
