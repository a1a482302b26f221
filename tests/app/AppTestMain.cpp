// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window tests offscreen with a throwaway settings store, on two
// screens: a desktop of 1920 x 1200 and, to its right, a small one of 640 x 500
// (a 1000-pixel screen at twice the scale) that the whole grid does not fit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdlib>

int main(int argc, char** argv) {
    QTemporaryFile screens;
    screens.open();
    screens.write(R"({"screens": [
        {"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "small", "x": 1920, "y": 0, "width": 640, "height": 500, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
    ]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toLocal8Bit());
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
