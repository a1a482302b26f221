// SPDX-License-Identifier: GPL-3.0-or-later
// gridwright-icon OUTDIR SIZE...: saves the program's icon, as the editor draws
// it, at each size as OUTDIR/SIZExSIZE/apps/gridwright.png, the layout of the
// desktop's hicolor icon theme.
// gridwright-icon --check-svg FILE SIZE...: renders the scalable icon FILE at
// each size and fails when it differs from the editor's drawing by more than
// anti-aliasing does, so the hand-kept SVG cannot drift from the drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/AppIcon.h"

namespace {

std::vector<int> Sizes(int argc, char** argv, int first) {
    std::vector<int> sizes;
    for (int i = first; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "gridwright-icon: bad size %s\n", argv[i]);
            return {};
        }
        sizes.push_back(size);
    }
    return sizes;
}

int WritePngs(const QString& outDir, const std::vector<int>& sizes) {
    for (int size : sizes) {
        const QString folder = QDir(outDir).filePath(QString("%1x%1/apps").arg(size));
        const QString path = QDir(folder).filePath("gridwright.png");
        if (!QDir().mkpath(folder) || !gw::AppIconPixmap(size).save(path, "PNG")) {
            std::fprintf(stderr, "gridwright-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

QImage RenderSvg(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// The two pictures are drawn by different code paths (QPainter directly, and
// QSvgRenderer through QPainter), so edges may differ by a shade; a changed
// shape, colour or line moves far more pixels far further.
int CheckSvg(const QString& file, const std::vector<int>& sizes) {
    QSvgRenderer svg(file);
    if (!svg.isValid()) {
        std::fprintf(stderr, "gridwright-icon: cannot read %s as SVG\n", qPrintable(file));
        return 1;
    }
    int failures = 0;
    for (int size : sizes) {
        const QImage drawn = gw::AppIconPixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage rendered = RenderSvg(svg, size);
        long long total = 0;
        int farOff = 0;
        for (int y = 0; y < size; ++y) {
            const QRgb* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            const QRgb* b = reinterpret_cast<const QRgb*>(rendered.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                const int d = std::abs(qRed(a[x]) - qRed(b[x])) + std::abs(qGreen(a[x]) - qGreen(b[x])) +
                              std::abs(qBlue(a[x]) - qBlue(b[x])) + std::abs(qAlpha(a[x]) - qAlpha(b[x]));
                total += d;
                if (d > 96) ++farOff;
            }
        }
        const double mean = static_cast<double>(total) / (size * size);
        const double farShare = static_cast<double>(farOff) / (size * size);
        const bool same = mean < 2.0 && farShare < 0.005;
        std::printf("%s at %d px: mean difference %.2f, %.2f%% of pixels far off: %s\n", qPrintable(file), size, mean,
                    farShare * 100, same ? "same picture" : "DIFFERENT");
        if (!same) ++failures;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc >= 2 && std::strcmp(argv[1], "--check-svg") == 0;
    if (argc < 3 || (check && argc < 4)) {
        std::fprintf(stderr,
                     "usage: gridwright-icon OUTDIR SIZE...\n       gridwright-icon --check-svg FILE SIZE...\n");
        return 2;
    }
    // Run at build time, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::vector<int> sizes = Sizes(argc, argv, check ? 3 : 2);
    if (sizes.empty()) return 2;
    if (check) return CheckSvg(QString::fromLocal8Bit(argv[2]), sizes);
    return WritePngs(QString::fromLocal8Bit(argv[1]), sizes);
}
