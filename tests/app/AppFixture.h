// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on a fresh state and an empty settings store, answered by a
// scripted prompter.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QApplication>
#include <QSettings>
#include <memory>

#include "app/AppSettings.h"
#include "app/MainWindow.h"
#include "app/PieceDocument.h"
#include "app/PieceGridView.h"
#include "core/EditorState.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "support/TempDir.h"
#include "support/ScriptedPrompter.h"

#include <ostream>

// Lets failed expectations print Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace gw::test {

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings(AppSettings::kOrganisation, AppSettings::kApplication).clear();
        state.programFolder = ProgramFolder();
        state.skeletonPath = SkeletonPath();
        state.skeleton257Path = Skeleton257Path();
        settings = std::make_unique<AppSettings>();
    }
    void TearDown() override {
        if (window) {
            window->document().SetModified(false);
            window->SetNationalModified(false);
            window->close();
        }
        window.reset();
    }

    MainWindow& StartWindow() {
        window = std::make_unique<MainWindow>(state, *settings, prompter);
        window->StartUp();
        // The about box comes up last; keys go to the main window, as after a click on it.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
        return *window;
    }

    // Writes a piece whose cell (c, r) holds c + r / 100 and returns its path.
    std::string WriteDistinctPiece(const std::string& name) const {
        PieceGrid grid;
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c + r / 100.0;
        const std::string path = dir.File(name);
        EXPECT_TRUE(WritePieceFile({SkeletonPath(), path, "piece"}, grid));
        return path;
    }
    // Starts the window when it is not up yet and opens such a piece.
    void OpenDistinct(const std::string& name = "bumpN.asc") {
        if (!window) StartWindow();
        ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece(name)));
    }

    template <typename T>
    T* Find(const char* name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    void Trigger(const char* item) { Action(item)->trigger(); }
    // A terrain file whose cell (x, y) holds x / 256 + y, written by the real writer.
    std::string WriteTerrain(const std::string& name) {
        NationalGrid grid;
        for (int y = 0; y < 257; ++y)
            for (int x = 0; x < 257; ++x) grid.At(x, y) = x / 256.0 + y;
        const Asc257SaveNames names = MakeAsc257SaveNames(dir.File(name));
        NullStatusSink quiet;
        EXPECT_TRUE(WriteASC257({Skeleton257Path(), names.target, names.objectName}, grid, quiet));
        return names.target;
    }
    // Types text on the grid as a person would: the first key opens the cell
    // editor, the rest go into it.
    void TypeIntoCell(const QString& text);
    PieceGridView* Grid() const { return window->grid(); }
    QLineEdit* CellEditor() const { return Find<QLineEdit>("txtActiveCell"); }

    EditorState state;
    std::unique_ptr<AppSettings> settings;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
    TempDir dir;
};

inline void AppFixture::TypeIntoCell(const QString& text) {
    Grid()->setFocus();
    QTest::keyClicks(Grid(), text.left(1));
    QTest::keyClicks(CellEditor(), text.mid(1));
}

}  // namespace gw::test
