// SPDX-License-Identifier: GPL-3.0-or-later
// A whole 3D view redraw: the wireframe projection plus painting its 548 lines
// into an image the size of the view (budget: under 2 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/LinePicture.h"
#include "core/piece/Projection3D.h"

namespace {

gw::PieceGrid BumpyPiece() {
    gw::PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = (c * 7 + r * 3) % 11 * 0.5;
    return grid;
}

void BM_Redraw3DView(benchmark::State& state) {
    const gw::PieceGrid grid = BumpyPiece();
    QImage image(440, 440, QImage::Format_RGB32);
    int angle = 0;
    for (auto _ : state) {
        gw::Wireframe wireframe = gw::ProjectWireframe(grid, 60, angle, 0, 100);
        angle = (angle + 2) % 360;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const gw::ViewArea& a = wireframe.area;
        gw::LinePicture::PaintLines(painter, image.rect(), QRectF(a.left, a.top, a.width, a.height), wireframe.lines,
                                    Qt::black, Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Redraw3DView)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
