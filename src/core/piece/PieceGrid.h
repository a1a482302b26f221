// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The heights of the open track piece. Indexed Z(column, row) like the grid shows
// them: column 1 is X = 0, row 1 is the top row (Y = 24). Storage runs from 0 to
// 18 in both indices; the piece lives in 1..17 and the rim is never shown.
#include <algorithm>
#include <array>

namespace gw {

struct PieceGrid {
    static constexpr int kStorage = 19;  // indices 0..18
    static constexpr int kFirst = 1;
    static constexpr int kLast = 17;

    std::array<double, kStorage * kStorage> values{};

    double& Z(int column, int row) { return values[static_cast<std::size_t>(row * kStorage + column)]; }
    double Z(int column, int row) const { return values[static_cast<std::size_t>(row * kStorage + column)]; }
    static bool InStorage(long long column, long long row) {
        return column >= 0 && column < kStorage && row >= 0 && row < kStorage;
    }

    bool operator==(const PieceGrid&) const = default;
};

// The lowest and highest height of the piece's 17 x 17 cells.
struct HeightRange {
    double lowest = 0;
    double highest = 0;
};
inline HeightRange PieceHeightRange(const PieceGrid& grid) {
    HeightRange range{grid.Z(1, 1), grid.Z(1, 1)};
    for (int r = PieceGrid::kFirst; r <= PieceGrid::kLast; ++r) {
        for (int c = PieceGrid::kFirst; c <= PieceGrid::kLast; ++c) {
            range.lowest = std::min(range.lowest, grid.Z(c, r));
            range.highest = std::max(range.highest, grid.Z(c, r));
        }
    }
    return range;
}

// Piece coordinates of a grid cell: X = (c - 1) x 1.5, Y = (17 - r) x 1.5.
inline double CellX(int column) { return (column - 1) * 1.5; }
inline double CellY(int row) { return (17 - row) * 1.5; }

}  // namespace gw
