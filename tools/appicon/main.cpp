// gridwright-icon OUTDIR SIZE...: saves the program's icon, as the editor draws
// it, at each size as OUTDIR/SIZExSIZE/apps/gridwright.png, the layout of the
// desktop's hicolor icon theme.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "app/AppIcon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gridwright-icon OUTDIR SIZE...\n");
        return 2;
    }
    // Run at build time, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "gridwright-icon: bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QDir(outDir).filePath(QString("%1x%1/apps").arg(size));
        const QString path = QDir(folder).filePath("gridwright.png");
        if (!QDir().mkpath(folder) || !gw::AppIconPixmap(size).save(path, "PNG")) {
            std::fprintf(stderr, "gridwright-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
