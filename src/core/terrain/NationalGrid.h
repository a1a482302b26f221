// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The heights of a National or Quarry terrain: 257 x 257 values indexed (x, y)
// from 0 to 256, terrain coordinate + 128. 16 x 16 pieces of 16 cells each plus
// the closing row and column.
#include <vector>

namespace gw {

struct NationalGrid {
    static constexpr int kSize = 257;

    std::vector<double> values = std::vector<double>(kSize * kSize, 0.0);

    double& At(int x, int y) { return values[static_cast<std::size_t>(y * kSize + x)]; }
    double At(int x, int y) const { return values[static_cast<std::size_t>(y * kSize + x)]; }
    static bool Contains(long long x, long long y) { return x >= 0 && x < kSize && y >= 0 && y < kSize; }
    void Clear() { values.assign(values.size(), 0.0); }

    bool operator==(const NationalGrid&) const = default;
};

}  // namespace gw
