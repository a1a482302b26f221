// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QToolTip>
#include <QUrl>
#include <cctype>
#include <map>

#include "app/AppFixture.h"
#include "app/ArrowPicture.h"
#include "support/CliProcess.h"

namespace gw::test {
namespace {

using ComfortsTest = AppFixture;

// The unsaved mark and the exit question follow the undo history from where it stood at the last save.
TEST_F(ComfortsTest, RecentFilesHeightColorsAndTheUnsavedMarkFollowWhatWasDone) {
    // Recent files keep the last eight, newest first, and a dropped file opens.
    StartWindow();
    auto recent = [&](const std::string& step) {
        See(step);
        Note("recent", Find<QMenu>("mnuFileRecent")->isEnabled() ? "on" : "off");
        for (QAction* item : Find<QMenu>("mnuFileRecent")->actions()) Note("", item->text());
    };
    recent("started");
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece("piece" + std::to_string(i) + "N.asc")));
    ASSERT_TRUE(window->OpenPieceFile(dir.File("piece5N.asc")));  // opened again: moves to the front
    recent("eleven opened");
    // Kept in the settings for the next start; a vanished file is dropped with a word.
    window.reset();
    StartWindow();
    recent("started again");
    fs::remove(dir.File("piece9N.asc"));
    for (int i = 0; i < 2; ++i) {
        Find<QMenu>("mnuFileRecent")->actions()[1]->trigger();
        recent("the second chosen");
    }
    const std::string path = WriteDistinctPiece("dropN.asc");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(PathToQ(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    See("dropped", {{1, 1}});
    OpenDistinct("markN.asc");
    // Off by default; then the lowest cell (1, 1) is blue, the highest (17, 17) red, both light enough for black text.
    for (int i = 0; i < 3; ++i) {
        Note("option " + settings->Get("HeightColors", "none").toStdString(),
             Action("itmOptionsHeightColors")->isChecked() ? "on" : "off");
        for (QTableWidgetItem* cell : {Grid()->item(0, 0), Grid()->item(16, 16)}) {
            const QColor back = cell->background().color();
            Note(cell->data(Qt::BackgroundRole).isNull() ? "plain" : "coloured",
                 QString("hue %1, lightness %2, text %3")
                     .arg(back.hue())
                     .arg(back.lightness())
                     .arg(cell->foreground().color().name()));
        }
        Action("itmOptionsHeightColors")->trigger();
    }
    EXPECT_EQ(HeightColor(5, 5, 5).hue(), HeightColor(0, 0, 0).hue());  // a flat piece
    // A digit is typed into cell (1, 1), a letter is Ctrl+letter, '!' a save that fails (leaving the files half
    // written, whatever the history) then Ctrl+Z. Undo back to the grid as opened is unsaved no more, to before a save
    // is; the same value typed again is no change.
    for (char key : std::string("5ZYSZY56!S")) {
        if (std::isdigit(key)) {
            EditCell(1, 1, QString(key));
        } else if (key == '!') {
            OutputFile::FailAfterBytesForTesting(100);
            Key(Qt::Key_S);
            OutputFile::FailAfterBytesForTesting(-1);
            Key(Qt::Key_Z);
        } else {
            Key(Qt::Key(key));
        }
        See(std::string(1, key));
    }
    Trigger("itmFileExit");
    See("exit");  // nothing unsaved to ask about
    ExpectTranscript("unsaved.txt");
}

TEST_F(ComfortsTest, NewPieceSaveAsDeleteCopyPasteAndAltKeysFromTheKeyboard) {
    OpenDistinct();
    const PieceGrid opened = state.piece;
    Key(Qt::Key_N);
    EXPECT_EQ(state.piece, PieceGrid{});
    See("new");
    // A new piece has no folder yet: Ctrl+S asks like Ctrl+Shift+S.
    prompter.fileAnswers = {dir.File("fresh.asc"), ""};
    Key(Qt::Key_S);
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    See("saved, then Save As");
    Trigger("itmEditUndo");
    EXPECT_EQ(state.piece, opened);

    // Delete sets exactly the selected cells to 0, one cell too, one step each.
    const std::pair<CellRange, NormalRange> cases[] = {{{2, 3, 5, 4}, {2, 3, 4, 5}}, {{9, 9, 9, 9}, {9, 9, 9, 9}}};
    for (const auto& [selection, cleared] : cases) {
        window->document().LoadPiece(opened);
        Grid()->SetSelection(selection);
        Grid()->setFocus();
        QTest::keyClick(Grid(), Qt::Key_Delete);
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c) {
                const bool inside = c >= cleared.cLo && c <= cleared.cHi && r >= cleared.rLo && r <= cleared.rHi;
                EXPECT_EQ(state.piece.Z(c, r), inside ? 0 : opened.Z(c, r)) << c << ", " << r;
            }
        EXPECT_EQ(UndoText(), "Undo Delete");
        Trigger("itmEditUndo");
        EXPECT_EQ(state.piece, opened);
    }
    // Copied as piece-info prints it, pasted at the active cell clipped to the grid; the tool's output pastes whole.
    Grid()->SetSelection({3, 2, 5, 4});
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    Note("copied", QGuiApplication::clipboard()->text());
    Grid()->SetCurrentCell(16, 17);
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    See("pasted at (16, 17)", {{16, 17}, {17, 17}, {16, 16}});
    ExpectTranscript("new-piece.txt");
    Trigger("itmEditUndo");
    EXPECT_EQ(state.piece, opened);

    const CliRun info = RunCli("piece-info " + SamplePiecePath());
    ASSERT_EQ(info.status, 0);
    QGuiApplication::clipboard()->setText(QString::fromStdString(info.out));
    Grid()->SetCurrentCell(1, 1);
    Trigger("itmEditPaste");
    PieceGrid sample;
    ASSERT_TRUE(ReadPieceFile(SamplePiecePath(), sample).opened);
    EXPECT_EQ(state.piece, sample);
    // Every Alt key means one thing, and the buttons' tips name theirs.
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
        Key(key, Qt::AltModifier);
        // A button pressed by its key is shown pressed for a moment first.
        EXPECT_TRUE(QTest::qWaitFor([&] { return UndoText() == undo; })) << undo;
    }
    Key(Qt::Key_H, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(popup, Find<QMenu>("mnuHelp"));
    if (popup) popup->close();
    // A value too long for its cell is shortened there and shown whole in the cell's tooltip.
    window->document().ApplyToPiece("Long", [](PieceGrid& g) { g.Z(3, 3) = 1.23456789012346E+17; });
    const QPoint cell = Grid()->CellRect(3, 3).center();
    QHelpEvent tip(QEvent::ToolTip, cell, Grid()->viewport()->mapToGlobal(cell));
    QApplication::sendEvent(Grid()->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), "1.23456789012346E+17");
}

}  // namespace
}  // namespace gw::test
