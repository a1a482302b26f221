// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window tests offscreen with a throwaway settings store, on the two screens of tests/data/app/screens.json: a
// desktop of 1920 x 1200 and, to its right, a small one of 640 x 500 (a 1000-pixel screen at twice the scale) that the
// whole grid does not fit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" GRIDWRIGHT_TEST_DATA_DIR "/app/screens.json");
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
