// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "app/AppFixture.h"
#include "app/UserName.h"
#include "core/text/FieldString.h"

namespace gw::test {
namespace {

using MainWindowTest = AppFixture;

TEST_F(MainWindowTest, StartsWithDefaultsOpensPiecesAndEditsAndSelectsCellsAsAPersonDoes) {
    StartWindow();
    ExpectTexts(*window, "main-window.tsv");
    See("started");
    for (const char* option : {"itmOptionsGreeting", "itmOptionsFixedColumnWidth"})
        Note(option, Action(option)->isChecked() ? "on" : "off");
    // Columns count 1.5 m to the right, rows 1.5 m down from the top's 24.
    for (int i : {0, 1, 16})
        Note("headers", Grid()->horizontalHeaderItem(i)->text() + " /" + Grid()->verticalHeaderItem(i)->text());
    MainWindow& w = *window;  // column widths follow the option
    const int proportional = Grid()->columnWidth(0);
    const int height = w.height();
    Trigger("itmOptionsFixedColumnWidth");
    for (int c = 0; c < 17; ++c) EXPECT_EQ(Grid()->columnWidth(c), 57);  // 850 twips
    w.resize(w.width() + 150, height + 200);
    QApplication::processEvents();
    EXPECT_EQ(w.height(), height);  // the font decides the height
    EXPECT_EQ(Grid()->columnWidth(16), 57);
    Trigger("itmOptionsFixedColumnWidth");
    EXPECT_GT(Grid()->columnWidth(0), proportional);
    prompter.fileAnswers = {WriteDistinctPiece("bumpN.asc"), ""};
    Trigger("itmFileOpen");
    See("opened", {{1, 1}, {3, 17}});
    Trigger("itmFileOpen");  // the next box starts in the piece's folder
    See("asked again");
    // Folder, name, kind, path and caption stay the open piece's when a file is refused.
    for (const char* name :
         {"rampNSEW.asc", "rampNS.asc", "rampns.asc", "rampN.asc", "bumpW.asc", "bumpS.asc", "bumpE.asc", "bumpEW.asc"})
        See(std::string(name) + (window->OpenPieceFile(WriteDistinctPiece(name)) ? " opened" : " refused"));
    // Unreadable files change nothing, nor (silently) one without a vertex line: the caption names only the grid's.
    WriteAll(dir.File("wordsN.asc"), "hello\r\nworld\r\n");
    for (const std::string& path :
         {dir.File("goneN.asc"), dir.File("--help"),
          MakeSpecialFile(SpecialKind::Fifo, dir.File("fifoN.asc"), kPieceFileCap).path, dir.File("wordsN.asc")}) {
        prompter.fileAnswers = {path};
        Trigger("itmFileOpen");
        See(path);
    }
    // Ctrl+S after a refusal saves the open piece where it was opened.
    TempDir elsewhere;
    WriteAll(elsewhere.File("bumpW.asc"), ReadAll(WriteDistinctPiece("bumpW.asc")));
    EXPECT_FALSE(window->OpenPieceFile(elsewhere.File("bumpW.asc")));
    window->document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(1, 1) = 7; });
    Key(Qt::Key_S);
    EXPECT_TRUE(Exists(dir.File("rampW.asc")));
    EXPECT_FALSE(Exists(elsewhere.File("rampN.asc")));
    // Names open, show and save under their own bytes; far vertices are said in one message.
    for (const std::string name : {"D\xc3\xbcne", "D\xfcne"}) {  // UTF-8 shows as itself, the other as best it can be
        ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece(name + "N.asc")));
        Trigger("itmFileSave");  // saved over itself: a .bak
        See(name);
    }
    WriteAll(dir.File("farN.asc"), "Vertex 0: X: 1e308 Y: 0 Z: 1\r\nVertex 1: X: 0 Y: 0 Z: 1e308\r\nFace list:\r\n");
    EXPECT_TRUE(window->OpenPieceFile(dir.File("farN.asc")));
    See("far", {{1, 17}});
    // Opening over unsaved changes asks, and clears the history.
    OpenDistinct();
    EditCell(1, 1, "5");
    const std::string other = WriteDistinctPiece("otherN.asc");
    prompter.yesNoAnswers = {false, true};
    EXPECT_FALSE(window->OpenPieceFile(other));
    See("No", {{1, 1}});
    ASSERT_TRUE(window->OpenPieceFile(other));
    See("Yes");
    // Typing, arrows and mouse drags edit and select the cells they show.
    OpenDistinct();
    Grid()->SetCurrentCell(2, 2);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(2, 2).center());
    See("double-clicked (2, 2)");
    QTest::keyClicks(CellEditor(), "9");
    QTest::keyClick(CellEditor(), Qt::Key_Escape);
    See("9 then Escape", {{2, 2}});
    Grid()->SetCurrentCell(6, 4);
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_7);
    See("7 typed on (6, 4)");
    QTest::keyClick(CellEditor(), Qt::Key_Return);
    See("Return", {{6, 4}});
    // The typed text stays in the cell as typed, whatever its value.
    for (const char* text : {"1.50", "abc", "-2e1", "1 000"}) {
        TypeIntoCell(text);
        QTest::keyClick(CellEditor(), Qt::Key_Enter);
        See(text, {{6, 4}});
    }
    // Up and Down commit and move within the data rows.
    for (const auto& [row, key] : {std::pair(5, Qt::Key_Down), {5, Qt::Key_Up}, {17, Qt::Key_Down}, {1, Qt::Key_Up}}) {
        Grid()->SetCurrentCell(3, row);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_4);
        QTest::keyClick(CellEditor(), key);
        See("4 then an arrow on row " + std::to_string(row), {{3, row}});
    }
    // Labels show the cell and the range in selection order (anchor (5, 3) dragged to (2, 1)); a plain arrow starts
    // anew.
    Grid()->SetCurrentCell(1, 17);
    See("(1, 17)");
    Grid()->SetCurrentCell(5, 3);
    Grid()->setFocus();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left})
        QTest::keyClick(Grid(), key, Qt::ShiftModifier);
    See("shift-dragged");
    QTest::keyClick(Grid(), Qt::Key_Down);
    See("down");
    // The highlight, the caption and the operation take the same cells after real mouse drags.
    QWidget* viewport = Grid()->viewport();
    auto highlighted = [&] {
        std::set<std::pair<int, int>> cells;
        for (const QModelIndex& i : Grid()->selectionModel()->selectedIndexes())
            cells.insert({i.column() + 1, i.row() + 1});
        return cells;
    };
    // Pressed on column 2 row 2, moved over (3, 3) to (4, 4), released.
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(2, 2).center());
    QTest::mouseMove(viewport, Grid()->CellRect(3, 3).center());
    QTest::mouseMove(viewport, Grid()->CellRect(4, 4).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(4, 4).center());
    std::set<std::pair<int, int>> square;
    for (int c = 2; c <= 4; ++c)
        for (int r = 2; r <= 4; ++r) square.insert({c, r});
    EXPECT_EQ(highlighted(), square);
    See("dragged");
    SetValue("-3");
    Click("btnSetRange");
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_EQ(state.piece.Z(c, r) == -3, square.count({c, r}) == 1) << c << ", " << r;

    // Ctrl+A highlights what it selects; the next operation takes all of it.
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(highlighted().size(), 289u);
    See("all");
    // A drag keeps the anchor where the press was; Shift+click moves only the far corner.
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(9, 9).center());
    QTest::mouseMove(viewport, Grid()->CellRect(4, 12).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(4, 12).center());
    See("dragged back");
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, Grid()->CellRect(15, 2).center());
    See("shift-clicked");
    ExpectTranscript("open-piece.txt");
}

// Exit and the close box ask once about an unsaved piece or terrain.
TEST_F(MainWindowTest, ExitAndTheCloseBoxAskAboutUnsavedChanges) {
    for (bool piece : {true, false}) {
        MainWindow& w = StartWindow();
        if (piece) {
            w.document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(1, 1) = 1; });
        } else {
            prompter.inputAnswers = {"0, 0, 1"};
            Trigger("itmNationalAddToASC257");
        }
        prompter.yesNoAnswers = {false, false, true};
        Trigger("itmFileExit");
        See("exit, No");
        w.close();
        See("close box");  // not asked again
        Trigger("itmFileExit");
        See("exit, Yes");
        TearDown();
    }
    ExpectTranscript("exit.txt");
}

TEST_F(MainWindowTest, GreetingFollowsTheOptionAndExitStoresSettingsAndPlacement) {
    OpenDistinct();
    auto greeting = [&] { return Text("lblGreeting"); };
    const QString first = ToQ(GetElement(CurrentUserName(), " ", 0));
    EXPECT_TRUE(greeting().contains(first)) << greeting().toStdString();
    Trigger("itmOptionsGreeting");
    EXPECT_EQ(greeting(), " ");
    window->move(200, 90);
    state.gameFolder = "C:\\MCM\\Tracks\\Dunes\\";  // as the last conversion left it
    Trigger("itmFileExit");
    for (const char* key :
         {"LastPath", "GameFolder", "LastTrackPath", "UseGreeting", "LeftGridwright", "TopGridwright"})
        Note(key, settings->Get(key, "x"));
    EXPECT_EQ(settings->Get("HeightGridwright", "x"), QString::number(window->height() * 15));

    // The next start puts the window back where it was and remembers the folder.
    window.reset();
    state.gameFolder.clear();
    EXPECT_EQ(StartWindow().pos(), QPoint(200, 90));
    See("started again");
    Note("game folder " + state.gameFolder, greeting() + (Action("itmOptionsGreeting")->isChecked() ? " on" : " off"));
    ExpectTranscript("stored-settings.txt");
    Trigger("itmOptionsGreeting");
    EXPECT_TRUE(greeting().contains(first));
}

}  // namespace
}  // namespace gw::test
