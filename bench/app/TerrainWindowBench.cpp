// SPDX-License-Identifier: GPL-3.0-or-later
// The terrain window's whole repaint after a change: the core's relief, its
// copy into a QImage and the painting of the picture at about 3.5 pixels a
// height with the tile grid and numbers over it (budget: under 10 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "app/TerrainView.h"
#include "core/terrain/TerrainRelief.h"

namespace {

void BM_RepaintTerrainWindow(benchmark::State& state) {
    gw::NationalGrid grid;
    for (int y = 0; y < gw::NationalGrid::kSize; ++y)
        for (int x = 0; x < gw::NationalGrid::kSize; ++x)
            grid.At(x, y) = 12 * std::exp(-((x - 128) * (x - 128) + (y - 90) * (y - 90)) / 900.0) + y / 64.0;
    gw::TerrainView view;
    view.SetZoom(3.5);
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.At(0, 0) += 1e-9;
        view.ShowRelief(gw::RenderTerrainRelief(grid));
        QPainter painter(&image);
        view.PaintTo(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintTerrainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
