// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QUrl>
#include <functional>
#include <map>

#include "app/AppFixture.h"
#include "app/ArrowPicture.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"
#include "core/io/OutputFile.h"
#include "support/CliProcess.h"

namespace gw::test {
namespace {

class ComfortsTest : public AppFixture {
protected:
    QMenu* RecentMenu() { return Find<QMenu>("mnuFileRecent"); }
};

TEST_F(ComfortsTest, RecentFilesKeepTheLastEightNewestFirst) {
    StartWindow();
    EXPECT_FALSE(RecentMenu()->isEnabled());
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i) {
        paths.push_back(WriteDistinctPiece("piece" + std::to_string(i) + "N.asc"));
        ASSERT_TRUE(window->OpenPieceFile(paths.back()));
    }
    ASSERT_TRUE(window->OpenPieceFile(paths[5]));  // opened again: moves to the front
    const QList<QAction*> items = RecentMenu()->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[0]->text(), "&1 " + PathToQ(paths[5]));
    EXPECT_EQ(items[1]->text(), "&2 " + PathToQ(paths[9]));
    EXPECT_EQ(items[7]->text(), "&8 " + PathToQ(paths[2]));

    // Kept in the settings for the next start; a vanished file is dropped with a word.
    window.reset();
    StartWindow();
    ASSERT_EQ(RecentMenu()->actions().size(), 8);
    std::filesystem::remove(paths[9]);
    RecentMenu()->actions()[1]->trigger();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_NE(prompter.Messages()[0].find("no longer exists"), std::string::npos);
    EXPECT_EQ(RecentMenu()->actions().size(), 7);
    RecentMenu()->actions()[1]->trigger();  // now piece8
    EXPECT_EQ(state.pieceFilePath, paths[8]);
}

TEST_F(ComfortsTest, DroppingAFileOpensIt) {
    StartWindow();
    const std::string path = WriteDistinctPiece("dropN.asc");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PathToQ(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(state.pieceFilePath, path);
    EXPECT_EQ(Grid()->CellText(1, 1), " 1.01");
}

TEST_F(ComfortsTest, HeightColorsAreOffByDefaultAndFollowTheOption) {
    StartWindow();
    ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece("hillN.asc")));
    QAction* option = Action("itmOptionsHeightColors");
    EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(Grid()->item(0, 0)->data(Qt::BackgroundRole), QVariant());
    option->trigger();
    // Lowest cell (1, 1) is blue, highest (17, 17) red, both light enough for black text.
    EXPECT_EQ(Grid()->item(0, 0)->background().color().hue(), 240);
    const QColor highest = Grid()->item(16, 16)->background().color();
    EXPECT_EQ(highest.hue(), 0);
    EXPECT_GT(highest.lightness(), 160);
    EXPECT_EQ(Grid()->item(16, 16)->foreground().color(), QColor(Qt::black));
    EXPECT_EQ(HeightColor(5, 5, 5).hue(), HeightColor(0, 0, 0).hue());  // a flat piece
    EXPECT_EQ(settings->Get("HeightColors", "x"), "1");
    option->trigger();
    EXPECT_EQ(Grid()->item(0, 0)->data(Qt::BackgroundRole), QVariant());
}

// Unsaved means unsaved: the mark and the exit question follow the undo history
// back and forth from where it stood at the last save.
TEST_F(ComfortsTest, UnsavedFollowsTheUndoHistory) {
    OpenDistinct("markN.asc");
    const QString saved = "Gridwright - " + PathToQ(dir.File("markN.asc"));
    auto key = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    };
    auto edit = [&](const char* value) {
        Grid()->SetCurrentCell(1, 1);
        TypeIntoCell(value);
        QTest::keyClick(CellEditor(), Qt::Key_Return);
    };
    struct Step {
        std::function<void()> act;
        bool marked;
    };
    const Step steps[] = {
        {[&] { edit("5"); }, true},
        {[&] { key(Qt::Key_Z); }, false},  // back to the grid as opened
        {[&] { key(Qt::Key_Y); }, true},
        {[&] { key(Qt::Key_S); }, false},
        {[&] { key(Qt::Key_Z); }, true},  // no longer what was saved
        {[&] { key(Qt::Key_Y); }, false},
        {[&] { edit("5"); }, false},  // the same value again is no change
        {[&] { edit("6"); }, true},
        {[&] {
             OutputFile::FailAfterBytesForTesting(100);
             key(Qt::Key_S);
             OutputFile::FailAfterBytesForTesting(-1);
             key(Qt::Key_Z);
         },
         true},  // a failed save leaves the files half written, whatever the history
        {[&] { key(Qt::Key_S); }, false},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        steps[i].act();
        EXPECT_EQ(window->windowTitle(), steps[i].marked ? saved + " *" : saved) << "step " << i;
        EXPECT_EQ(state.pieceModified, steps[i].marked) << "step " << i;
    }
    prompter.shown.clear();
    Action("itmFileExit")->trigger();
    EXPECT_TRUE(prompter.shown.empty());  // nothing unsaved to ask about
}

TEST_F(ComfortsTest, NewPieceSaveAsAndDeleteFromTheKeyboard) {
    OpenDistinct();
    const PieceGrid opened = state.piece;
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(state.piece, PieceGrid{});
    EXPECT_EQ(Find<QLineEdit>("txtPieceName")->text(), "untitled");
    EXPECT_TRUE(Find<QRadioButton>("opt4Files")->isChecked());
    EXPECT_EQ(window->windowTitle(), "Gridwright *");
    EXPECT_EQ(Action("itmEditUndo")->text(), "Undo New");
    // A new piece has no folder yet: Ctrl+S asks like Ctrl+Shift+S.
    prompter.fileAnswers = {dir.File("fresh.asc"), ""};
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Exists(dir.File("freshN.asc")));
    EXPECT_TRUE(Exists(dir.File("freshE.asc")));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(prompter.shown.back().request.title, "Save File As");
    Action("itmEditUndo")->trigger();
    EXPECT_EQ(state.piece, opened);

    // Delete sets exactly the selected cells to 0, one cell too, one step each.
    struct Case {
        CellRange selection;
        NormalRange cleared;
    };
    for (const Case& c : {Case{{2, 3, 5, 4}, {2, 3, 4, 5}}, Case{{9, 9, 9, 9}, {9, 9, 9, 9}}}) {
        window->document().LoadPiece(opened);
        Grid()->SetSelection(c.selection);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Delete);
        for (int r = 1; r <= 17; ++r)
            for (int col = 1; col <= 17; ++col) {
                const bool inside =
                    col >= c.cleared.cLo && col <= c.cleared.cHi && r >= c.cleared.rLo && r <= c.cleared.rHi;
                EXPECT_EQ(state.piece.Z(col, r), inside ? 0 : opened.Z(col, r)) << col << ", " << r;
            }
        EXPECT_EQ(Action("itmEditUndo")->text(), "Undo Delete");
        Action("itmEditUndo")->trigger();
        EXPECT_EQ(state.piece, opened);
    }
}

// A range goes out as piece-info prints it and comes back at the active cell,
// clipped to the grid, as one step; the tool's own output pastes as a piece.
TEST_F(ComfortsTest, CopyAndPasteARangeAsTabSeparatedText) {
    OpenDistinct();
    const PieceGrid opened = state.piece;
    Grid()->SetSelection({3, 2, 5, 4});
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), " 2.04\t 3.04\n 2.05\t 3.05\n");
    Grid()->SetCurrentCell(17, 16);
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(state.piece.Z(16, 17), 2.04);
    EXPECT_EQ(state.piece.Z(17, 17), 3.04);
    EXPECT_EQ(state.piece.Z(16, 16), opened.Z(16, 16));
    EXPECT_EQ(Grid()->Selection(), (CellRange{16, 17, 17, 17}));
    EXPECT_EQ(Action("itmEditUndo")->text(), "Undo Paste");
    Action("itmEditUndo")->trigger();
    EXPECT_EQ(state.piece, opened);

    const CliRun info = RunCli("piece-info " + SamplePiecePath());
    ASSERT_EQ(info.status, 0);
    QGuiApplication::clipboard()->setText(QString::fromStdString(info.out));
    Grid()->SetCurrentCell(1, 1);
    Action("itmEditPaste")->trigger();
    PieceGrid sample;
    ASSERT_TRUE(ReadPieceFile(SamplePiecePath(), sample).opened);
    EXPECT_EQ(state.piece, sample);
}

// Every Alt key means one thing, and the buttons' tips name theirs.
TEST_F(ComfortsTest, EveryAltKeyHasOneMeaning) {
    OpenDistinct();
    std::map<QChar, QString> meanings;
    auto claim = [&](const QString& caption) {
        const int amp = caption.indexOf('&');
        if (amp < 0) return;
        const QChar letter = caption.at(amp + 1).toUpper();
        EXPECT_EQ(meanings.count(letter), 0u) << caption.toStdString() << " and " << meanings[letter].toStdString();
        meanings[letter] = caption;
    };
    for (QAction* menu : window->menuBar()->actions()) claim(menu->text());
    for (QAbstractButton* button : window->centralWidget()->findChildren<QAbstractButton*>()) {
        claim(button->text());
        const int amp = button->text().indexOf('&');
        if (amp >= 0) {
            EXPECT_TRUE(button->toolTip().endsWith(QString("(Alt+%1)").arg(button->text().at(amp + 1).toUpper())));
        }
        const QString name = button->objectName();
        if (name.startsWith("btn") || name == "Command1" || name.startsWith("opt")) {
            EXPECT_FALSE(button->toolTip().isEmpty());
        }
    }
    for (ArrowPicture* arrow : window->findChildren<ArrowPicture*>()) EXPECT_FALSE(arrow->toolTip().isEmpty());
    window->document().ApplyToPiece("Bump", [](PieceGrid& g) { g.Z(17, 2) = 50; });
    const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_I, "Undo Mirror H"}, {Qt::Key_L, "Undo Slope Cols"}};
    for (const auto& [key, undo] : keys) {
        Grid()->SetSelection({1, 17, 1, 3});
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        // A button pressed by its key is shown pressed for a moment first.
        EXPECT_TRUE(QTest::qWaitFor([&] { return Action("itmEditUndo")->text() == undo; })) << undo;
    }
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup, Find<QMenu>("mnuHelp"));
    if (popup) popup->close();
}

}  // namespace
}  // namespace gw::test
