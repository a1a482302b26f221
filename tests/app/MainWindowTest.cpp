// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "app/AppFixture.h"
#include "app/UserName.h"
#include "core/text/FieldString.h"

namespace gw::test {
namespace {

using MainWindowTest = AppFixture;

TEST_F(MainWindowTest, StartsWithDefaultsAndItsCaptionsWhenNothingIsStored) {
    MainWindow& w = StartWindow();
    EXPECT_EQ(w.windowTitle(), "Gridwright");
    ExpectTexts(w, "main-window.tsv");
    EXPECT_TRUE(Action("itmOptionsGreeting")->isChecked());
    EXPECT_FALSE(Action("itmOptionsFixedColumnWidth")->isChecked() || Action("itmFileSave")->isEnabled());
    EXPECT_TRUE(state.pieceFolder.empty());
    // Columns count 1.5 m to the right, rows 1.5 m down from the top's 24.
    const std::tuple<bool, int, const char*> headers[] = {
        {true, 0, " 0"}, {true, 1, " 1.5"}, {true, 16, " 24"}, {false, 0, " 24"}, {false, 16, " 0"}};
    for (const auto& [column, i, text] : headers)
        EXPECT_EQ((column ? Grid()->horizontalHeaderItem(i) : Grid()->verticalHeaderItem(i))->text(), text) << i;
}

TEST_F(MainWindowTest, OpensAPieceThroughTheFileBox) {
    const std::string path = WriteDistinctPiece("bumpN.asc");
    MainWindow& w = StartWindow();
    prompter.fileAnswers = {path, ""};
    Trigger("itmFileOpen");
    EXPECT_EQ(Boxes(), Texts{"open: Open File"});
    EXPECT_EQ(prompter.shown[0].request.filter, "ASC file|*.asc|All Files|*.*");
    EXPECT_EQ(w.windowTitle(), QString("Gridwright - ") + PathToQ(path));
    EXPECT_EQ(Grid()->CellText(1, 1), " 1.01");
    EXPECT_EQ(Grid()->CellText(3, 17), " 3.17");
    EXPECT_EQ(std::tie(state.pieceFolder, state.pieceName), std::tuple(dir.path().string() + "/", std::string("bump")));
    EXPECT_EQ(state.pieceKind, PieceSetKind::N);
    EXPECT_TRUE(Find<QRadioButton>("opt4Files")->isChecked() && Action("itmFileSave")->isEnabled());
    EXPECT_EQ(Text("txtPieceName"), "bump");
    Trigger("itmFileOpen");  // the next box starts in the piece's folder
    EXPECT_EQ(prompter.shown.back().request.initialFolder, dir.path().string() + "/");
}

TEST_F(MainWindowTest, TheFileNameSelectsTheOptionOrARefusedFileChangesNothing) {
    const std::pair<const char*, const char*> cases[] = {{"rampNSEW.asc", "opt1File"}, {"rampNS.asc", "opt2Files"},
                                                         {"rampns.asc", "opt2Files"},  {"rampN.asc", "opt4Files"},
                                                         {"bumpW.asc", nullptr},       {"bumpS.asc", nullptr},
                                                         {"bumpE.asc", nullptr},       {"bumpEW.asc", nullptr}};
    StartWindow();
    // Folder, name, kind, path and caption stay the open piece's when a file is refused.
    auto where = [&] {
        return std::tuple(state.pieceFolder, state.pieceName, state.pieceKind, state.pieceFilePath,
                          window->windowTitle());
    };
    for (const auto& [name, option] : cases) {
        prompter.shown.clear();
        const auto before = where();
        EXPECT_EQ(window->OpenPieceFile(WriteDistinctPiece(name)), option != nullptr) << name;
        if (option) {
            EXPECT_TRUE(Find<QRadioButton>(option)->isChecked()) << name;
            EXPECT_EQ(state.pieceName, "ramp") << name;
            continue;
        }
        EXPECT_EQ(where(), before) << name;
        EXPECT_EQ(Boxes(), Texts{"message: Please only edit the North file (N), the North-South file (NS), or the "
                                 "North-South-East-West file (NSEW)"});
        EXPECT_EQ(prompter.shown[0].title, "Gridwright");
        EXPECT_TRUE(prompter.shown[0].warning);
    }
    // A file that cannot be read changes nothing either, nor does one without a vertex line (silently): the caption
    // never names a file not in the grid.
    const auto before = where();
    const std::string fifo = MakeSpecialFile(SpecialKind::Fifo, dir.File("fifoN.asc"), kPieceFileCap).path;
    WriteAll(dir.File("wordsN.asc"), "hello\r\nworld\r\n");
    const std::pair<std::string, std::string> refused[] = {
        {dir.File("goneN.asc"), "Cannot open " + dir.File("goneN.asc") + ": No such file or directory"},
        {dir.File("--help"), "Cannot open " + dir.File("--help") + ": No such file or directory"},
        {fifo, "Cannot read " + fifo + ": it is a FIFO, not a regular file"},
        {dir.File("wordsN.asc"), ""},
    };
    for (const auto& [path, message] : refused) {
        prompter.shown.clear();
        prompter.fileAnswers = {path};
        Trigger("itmFileOpen");
        EXPECT_EQ(prompter.Messages(), message.empty() ? Texts() : Texts{message}) << path;
        EXPECT_EQ(where(), before) << path;
    }
    // Ctrl+S after a refusal saves the open piece where it was opened.
    TempDir elsewhere;
    WriteAll(elsewhere.File("bumpW.asc"), ReadAll(WriteDistinctPiece("bumpW.asc")));
    EXPECT_FALSE(window->OpenPieceFile(elsewhere.File("bumpW.asc")));
    window->document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(1, 1) = 7; });
    Key(Qt::Key_S);
    EXPECT_TRUE(Exists(dir.File("rampW.asc")));
    EXPECT_FALSE(Exists(elsewhere.File("rampN.asc")));
}

TEST_F(MainWindowTest, NamesOpenShowAndSaveUnderTheirOwnBytesAndFarVerticesInOneMessage) {
    StartWindow();
    const std::pair<std::string, QString> names[] = {
        {"D\xc3\xbcne", QString::fromUtf8("D\xc3\xbcne")},  // UTF-8 shows as itself
        {"D\xfcne", QString("D") + QChar(0xFFFD) + "ne"},   // not UTF-8: shown as best it can be
    };
    for (const auto& [name, shown] : names) {
        ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece(name + "N.asc")));
        EXPECT_EQ(Text("txtPieceName"), shown);
        EXPECT_TRUE(window->windowTitle().endsWith(shown + "N.asc")) << window->windowTitle().toStdString();
        Trigger("itmFileSave");
        EXPECT_TRUE(Exists(dir.File(name + "N.bak"))) << "saved over itself";
        EXPECT_TRUE(Exists(dir.File(name + "W.asc")));
    }
    WriteAll(dir.File("farN.asc"), "Vertex 0: X: 1e308 Y: 0 Z: 1\r\nVertex 1: X: 0 Y: 0 Z: 1e308\r\nFace list:\r\n");
    EXPECT_TRUE(window->OpenPieceFile(dir.File("farN.asc")));
    EXPECT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(Grid()->CellText(1, 17), " 1E+308");
}

TEST_F(MainWindowTest, TypingOnACellEditsItInPlaceAndDoubleClickEscapeCancels) {
    OpenDistinct();
    auto* box = CellEditor();
    Grid()->SetCurrentCell(2, 2);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(2, 2).center());
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), " 2.02");
    EXPECT_EQ(box->cursorPosition(), 5);
    QTest::keyClicks(box, "9");
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(state.piece.Z(2, 2), 2.02);
    EXPECT_EQ(Grid()->CellText(2, 2), " 2.02");
    EXPECT_FALSE(state.pieceModified);

    Grid()->SetCurrentCell(6, 4);
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_7);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "7");
    EXPECT_EQ(box->cursorPosition(), 1);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(state.piece.Z(6, 4), 7);
    EXPECT_EQ(Grid()->CellText(6, 4), "7");
    EXPECT_TRUE(state.pieceModified);
    // The typed text stays in the cell as typed, whatever its value.
    const std::pair<const char*, double> typed[] = {{"1.50", 1.5}, {"abc", 0}, {"-2e1", -20}, {"1 000", 1000}};
    for (const auto& [text, value] : typed) {
        TypeIntoCell(text);
        QTest::keyClick(box, Qt::Key_Enter);
        EXPECT_EQ(state.piece.Z(6, 4), value) << text;
        EXPECT_EQ(Grid()->CellText(6, 4), text);
    }
    EXPECT_EQ(UndoText(), "Undo Edit Cell");
}

TEST_F(MainWindowTest, UpAndDownCommitAndMoveWithinTheDataRows) {
    StartWindow();
    const std::tuple<int, Qt::Key, int> cases[] = {
        {5, Qt::Key_Down, 6}, {5, Qt::Key_Up, 4}, {17, Qt::Key_Down, 17}, {1, Qt::Key_Up, 1}};
    for (const auto& [startRow, key, endRow] : cases) {
        Grid()->SetCurrentCell(3, startRow);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_4);
        QTest::keyClick(CellEditor(), key);
        EXPECT_EQ(state.piece.Z(3, startRow), 4) << startRow;
        EXPECT_EQ(Grid()->Row(), endRow);
        EXPECT_FALSE(CellEditor()->isVisible());
    }
}

TEST_F(MainWindowTest, LabelsShowTheCurrentCellAndTheRangeInSelectionOrder) {
    StartWindow();
    Grid()->SetCurrentCell(1, 17);
    EXPECT_EQ(Text("lblRowCol"), "C:  0 - R:  0");
    Grid()->SetCurrentCell(6, 4);
    EXPECT_EQ(Text("lblRowCol"), "C:  7.5 - R:  19.5");

    // Anchor at row 3, column 5, dragged with the keyboard to row 1, column 2.
    Grid()->SetCurrentCell(5, 3);
    Grid()->setFocus();
    for (int i = 0; i < 2; ++i) QTest::keyClick(Grid(), Qt::Key_Up, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i) QTest::keyClick(Grid(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Grid()->Selection(), (CellRange{5, 2, 3, 1}));
    EXPECT_EQ(Text("frmRanges"), "Current Range: (6:21)-(1.5:24)");
    EXPECT_EQ(Grid()->selectedItems().size(), 12);
    EXPECT_EQ(Text("lblRowCol"), "C:  6 - R:  21");  // still the anchor
    QTest::keyClick(Grid(), Qt::Key_Down);           // a plain arrow starts a new selection at the new cell
    EXPECT_EQ(Grid()->Selection(), (CellRange{2, 2, 2, 2}));
}

TEST_F(MainWindowTest, TheHighlightTheCaptionAndTheOperationTakeTheSameCells) {
    OpenDistinct();
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
    EXPECT_EQ(Text("frmRanges"), "Current Range: (1.5:22.5)-(4.5:19.5)");
    SetValue("-3");
    Click("btnSetRange");
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_EQ(state.piece.Z(c, r) == -3, square.count({c, r}) == 1) << c << ", " << r;

    // Ctrl+A highlights what it selects; the next operation takes all of it.
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(highlighted().size(), 289u);
    EXPECT_EQ(Grid()->Selection(), (CellRange{1, 17, 1, 17}));

    // A drag keeps the anchor where the press was; Shift+click moves only the far corner.
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(9, 9).center());
    QTest::mouseMove(viewport, Grid()->CellRect(4, 12).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, Grid()->CellRect(4, 12).center());
    EXPECT_EQ(Grid()->Selection(), (CellRange{9, 4, 9, 12}));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, Grid()->CellRect(15, 2).center());
    EXPECT_EQ(Grid()->Selection(), (CellRange{9, 15, 9, 2}));
}

TEST_F(MainWindowTest, ColumnWidthsFollowTheOption) {
    MainWindow& w = StartWindow();
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
}

// Exit and the close box ask once about an unsaved piece or terrain.
TEST_F(MainWindowTest, ExitAndTheCloseBoxAskAboutUnsavedChanges) {
    const std::pair<bool, const char*> cases[] = {
        {true, "Trying to exit without saving. Continue?"},
        {false, "The terrain (ASC257) has changes that are not saved. Exit anyway?"}};
    for (const auto& [piece, question] : cases) {
        MainWindow& w = StartWindow();
        prompter.shown.clear();
        if (piece) {
            w.document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(1, 1) = 1; });
        } else {
            prompter.inputAnswers = {"0, 0, 1"};
            Trigger("itmNationalAddToASC257");
            prompter.shown.clear();
        }
        prompter.yesNoAnswers = {false, false, true};
        Trigger("itmFileExit");
        ASSERT_EQ(Boxes(), Texts{std::string("question: ") + question});
        EXPECT_EQ(prompter.shown[0].title, "Exiting Gridwright");
        EXPECT_TRUE(w.isVisible());
        w.close();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(piece ? state.pieceModified : w.nationalModified(), true);
        Trigger("itmFileExit");
        EXPECT_EQ(prompter.shown.size(), 3u);  // asked once, not again by the close
        EXPECT_FALSE(w.isVisible());
        TearDown();
    }
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
    const std::pair<const char*, QString> stored[] = {{"LastPath", PathToQ(dir.path().string() + "/")},
                                                      {"GameFolder", "C:\\MCM\\Tracks\\Dunes\\"},
                                                      {"LastTrackPath", ""},
                                                      {"UseGreeting", "0"},
                                                      {"LeftGridwright", "3000"},
                                                      {"TopGridwright", "1350"},
                                                      {"HeightGridwright", QString::number(window->height() * 15)}};
    for (const auto& [key, value] : stored) EXPECT_EQ(settings->Get(key, "x"), value) << key;

    // The next start puts the window back where it was and remembers the folder.
    window.reset();
    state.gameFolder.clear();
    EXPECT_EQ(StartWindow().pos(), QPoint(200, 90));
    EXPECT_EQ(state.pieceFolder, dir.path().string() + "/");
    EXPECT_EQ(state.gameFolder, "C:\\MCM\\Tracks\\Dunes\\");
    EXPECT_FALSE(Action("itmOptionsGreeting")->isChecked());
    EXPECT_EQ(greeting(), " ");
    Trigger("itmOptionsGreeting");
    EXPECT_TRUE(greeting().contains(first));
}

TEST_F(MainWindowTest, OpeningOverUnsavedChangesAsksAndClearsTheHistory) {
    OpenDistinct();
    EditCell(1, 1, "5");
    const std::string other = WriteDistinctPiece("otherN.asc");
    prompter.yesNoAnswers = {false, true};
    EXPECT_FALSE(window->OpenPieceFile(other));
    EXPECT_EQ(Boxes(), Texts{"question: The open piece has changes that are not saved. Open another piece anyway?"});
    EXPECT_EQ(state.piece.Z(1, 1), 5);
    EXPECT_EQ(state.pieceName, "bump");
    ASSERT_TRUE(window->OpenPieceFile(other));
    EXPECT_EQ(state.pieceName, "other");
    EXPECT_FALSE(Action("itmEditUndo")->isEnabled());
}

}  // namespace
}  // namespace gw::test
