// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run offscreen, with throwaway settings, on screens.json's 1920 x 1200 desktop and a 640 x 500 one.
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
