// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D view's projection of 4 + 2 x 16 x 17 = 548 lines (budget for projection
// and painting together: 2 ms per redraw; painting is measured with the window).
#include <benchmark/benchmark.h>

#include "core/piece/PieceFile.h"
#include "core/piece/Projection3D.h"

namespace {

const std::string kBin = GRIDWRIGHT_BIN_DIR;

void BM_ProjectWireframe(benchmark::State& state) {
    gw::PieceGrid grid;
    gw::ReadPieceFile(kBin + "/samples/tabletopN.asc", grid);
    double xAngle = 60;
    for (auto _ : state) {
        // A dragged thumb: every redraw has a new angle.
        xAngle = xAngle >= 360 ? -360 : xAngle + 2;
        gw::Wireframe frame = gw::ProjectWireframe(grid, xAngle, 10, -30, 100);
        benchmark::DoNotOptimize(frame.lines.data());
        if (frame.lines.size() != 548) state.SkipWithError("not every line was projected");
    }
}
BENCHMARK(BM_ProjectWireframe)->Unit(benchmark::kMicrosecond);

}  // namespace
