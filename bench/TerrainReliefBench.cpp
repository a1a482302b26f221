// SPDX-License-Identifier: GPL-3.0-or-later
// The terrain window's picture: the whole 257 x 257 terrain coloured and shaded
// into an RGB buffer (budget: the whole render under 10 ms).
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/terrain/TerrainRelief.h"

namespace {

gw::NationalGrid HillyTerrain() {
    gw::NationalGrid grid;
    for (int y = 0; y < gw::NationalGrid::kSize; ++y)
        for (int x = 0; x < gw::NationalGrid::kSize; ++x)
            grid.At(x, y) = 12 * std::exp(-((x - 128) * (x - 128) + (y - 90) * (y - 90)) / 900.0) +
                            std::sin(x * 0.3) * std::cos(y * 0.2) + y / 64.0;
    return grid;
}

void BM_RenderTerrainRelief(benchmark::State& state) {
    gw::NationalGrid grid = HillyTerrain();
    for (auto _ : state) {
        grid.At(0, 0) += 1e-9;  // a changed terrain each time, as after every step
        const gw::TerrainRelief relief = gw::RenderTerrainRelief(grid);
        benchmark::DoNotOptimize(relief.image.data());
    }
}
BENCHMARK(BM_RenderTerrainRelief)->Unit(benchmark::kMillisecond);

}  // namespace
