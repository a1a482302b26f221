// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScrollBar>

#include "app/AppFixture.h"
#include "app/ArrowPicture.h"
#include "app/Display3DWindow.h"
#include "app/LinePicture.h"

namespace gw::test {
namespace {

class PieceEditingTest : public AppFixture {
protected:
    double Z(int c, int r) const { return state.piece.Z(c, r); }
    PieceGrid ReadBack(const std::string& name) {
        PieceGrid grid;
        EXPECT_TRUE(ReadPieceFile(dir.File(name), grid).opened) << name;
        return grid;
    }
};

TEST_F(PieceEditingTest, UndoingAMixedSequenceGivesBackTheOriginalBitForBitThe3DViewAndTheCurveFollow) {
    OpenDistinct();
    const PieceGrid original = state.piece;
    Grid()->SetSelection({2, 9, 3, 10});
    SetValue("1.7");
    for (const char* button : {"btnScale", "btnRotate", "btnMirrorV"}) Click(button);
    QTest::mouseClick(Find<ArrowPicture>("picLeft"), Qt::LeftButton);
    Click("btnSlopeCols");
    EditCell(4, 4, "3.25");
    const PieceGrid end = state.piece;
    auto* stack = window->findChild<QUndoStack*>();
    EXPECT_EQ(stack->count(), 6);
    See("six steps");
    while (stack->canUndo()) Trigger("itmEditUndo");
    EXPECT_EQ(state.piece, original);
    See("all undone", {{4, 4}});
    while (stack->canRedo()) Trigger("itmEditRedo");
    EXPECT_EQ(state.piece, end);
    stack->setIndex(1);
    See("back to the first");
    // The 3D view follows its bars and the piece.
    Trigger("itmView3D");
    Display3DWindow* view = window->display3D();
    ASSERT_TRUE(view && view->isVisible());
    ExpectTexts(*view, "display-3d.tsv");
    LinePicture* picture = view->picture();
    EXPECT_EQ(picture->lines().size(), 548u);
    const auto unzoomed = picture->lines();
    FindIn<QScrollBar>(*view, "scrlZoom")->setValue(140);
    EXPECT_EQ(TextIn(*view, "lblZoomVal"), "60");
    EXPECT_NE(picture->lines(), unzoomed);
    const auto flat = picture->lines();  // an edit in the main window shows at once
    SetValue("3");
    Grid()->SetSelection({1, 2, 1, 2});
    Click("btnSetRange");
    EXPECT_NE(picture->lines(), flat);
    const QColor back = picture->background();
    FindIn<QAction>(*view, "mnuToggleColors")->trigger();
    EXPECT_EQ(picture->foreground(), back);
    for (const QSize shape : {QSize(900, 300), QSize(300, 900)}) {  // a square stays square in any window
        view->resize(shape);
        QCoreApplication::processEvents();
        const QPointF corner = picture->FromArea({0, 0}), far = picture->FromArea({1, 1});
        EXPECT_NEAR(std::abs(far.x() - corner.x()), std::abs(far.y() - corner.y()), 1e-6) << shape.width();
    }
    // The curve tool needs four rows and applies on any close.
    Grid()->SetSelection({2, 4, 5, 7});
    const PieceGrid before = state.piece;
    Click("Command1");
    See("three rows");
    // Interior rows change in every column of the range, all alike; ends and outside are kept.
    for (const char* how : {"btnApply", "btnCancel", "close"}) {
        window->document().LoadPiece(before);
        Grid()->SetSelection({2, 4, 3, 9});
        AnswerModal([&](QWidget* d) {
            Note("asked", d->windowTitle() + " " + FindIn<QLabel>(*d, "lblEnter")->text());
            std::string(how) == "close" ? (void)d->close() : ClickIn(*d, how);
        });
        Click("Command1");
        See(how, {{3, 3}, {4, 9}, {3, 5}, {4, 5}, {2, 5}, {5, 5}});
    }
    ExpectTranscript("undo-mixed.txt");

    // A control point dragged on the picture moves its bars, which show where it is.
    window->document().LoadPiece(before);
    Grid()->SetCurrentCell(1, 1);
    int barX = 0, barY = 0;
    QString shown;
    AnswerModal([&](QWidget* dialog) {
        auto* picture = FindIn<LinePicture>(*dialog, "picCurve");
        const CurvePoint& p1 = window->curveState().points[1];
        const QPoint from = picture->FromArea(QPointF(p1.x, p1.y)).toPoint();
        const QPoint to = picture->FromArea(QPointF(100, 40)).toPoint();
        QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(picture, to);
        QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, to);
        barX = FindIn<QScrollBar>(*dialog, "hscrlPoint1x")->value();
        barY = FindIn<QScrollBar>(*dialog, "vscrlPoint1y")->value();
        shown = FindIn<QLabel>(*dialog, "lblPoint1y")->text();
        ClickIn(*dialog, "btnApply");
    });
    Click("Command1");
    EXPECT_NEAR(barX, 100, 1);
    EXPECT_NEAR(barY, 40, 1);
    EXPECT_EQ(shown, "Height " + ToQ(PlainNumberText(HeightOfY(barY))));
    EXPECT_GT(Z(1, 12), 5);  // the profile rises towards the point; the straight line stays near 1
}

TEST_F(PieceEditingTest, SavingAndTheValueAndRangeButtons) {
    OpenDistinct("bumpN.asc");
    Grid()->SetSelection({3, 7, 4, 9});
    window->document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(17, 17) = 100; });
    Find<QLineEdit>("txtPieceName")->setText("bump2");
    Trigger("itmFileSave");
    See("saved as bump2");
    EXPECT_EQ(ReadBack("bump2N.asc"), state.piece);
    Click("opt2Files");
    prompter.fileAnswers = {dir.File("ramp.asc")};
    Trigger("itmFileSaveAs");
    See("two files saved as ramp");
    Click("opt1File");
    Trigger("itmFileSave");
    See("one file saved");
    EXPECT_EQ(ReadBack("rampNSEW.asc"), state.piece);
    prompter.fileAnswers = {dir.File("rampN.asc"), ""};  // then cancelled: nothing happens
    Trigger("itmFileSaveAs");
    See("saved as rampN");
    Trigger("itmFileSaveAs");
    See("cancelled");
    // A failed save is reported and keeps the piece unsaved.
    OpenDistinct("bumpN.asc");
    window->document().ApplyToPiece("Test", [](PieceGrid& g) { g.Z(1, 1) = 9; });
    const PieceGrid grid = state.piece;
    const std::string previous = ReadAll(dir.File("bumpN.asc"));
    OutputFile::FailAfterBytesForTesting(100);
    Trigger("itmFileSave");
    OutputFile::FailAfterBytesForTesting(-1);
    See("failed");
    EXPECT_EQ(state.piece, grid);
    EXPECT_EQ(ReadAll(dir.File("bumpN.asc")), previous);
    // What the status said was about that piece, not the next one.
    prompter.yesNoAnswers = {true};
    ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece("nextN.asc")));
    See("next piece");
    // Value and range buttons change the selected range; an empty value changes nothing.
    OpenDistinct();
    const PieceGrid opened = state.piece;
    for (const char* button : {"btnSetRange", "btnScale", "btnDisplace"}) {
        SetValue("");
        Click(button);
        See(std::string(button) + " with no value", {{1, 1}});
    }
    EXPECT_EQ(state.piece, opened);
    // One selected cell means the whole grid, then shown selected; blanks are not empty: they count as 0.
    const std::tuple<CellRange, const char*, const char*, std::vector<std::pair<int, int>>> steps[] = {
        {{2, 3, 4, 5}, "btnSetRange", "5", {{2, 4}, {3, 5}, {4, 4}}},
        {{2, 3, 4, 5}, "btnDisplace", "-2", {{2, 4}}},
        {{2, 3, 4, 5}, "btnScale", "0", {{3, 5}, {1, 4}}},
        {{6, 6, 6, 6}, "btnSetRange", "5", {{17, 17}}},
        {{6, 6, 6, 6}, "btnSetRange", "   ", {{1, 1}}},
        // 5 columns by 2 rows; the top-right cell ends top-left.
        {{1, 5, 1, 2}, "btnMirrorH", "", {{1, 1}}},
        {{1, 5, 1, 2}, "btnMirrorV", "", {{1, 1}}},
        {{10, 12, 10, 12}, "btnRotate", "", {{10, 10}}},
        {{1, 17, 1, 17}, "picRight", "", {{1, 5}}},
        {{3, 3, 2, 6}, "picUp", "", {{3, 6}}},
        {{10, 12, 10, 13}, "btnRotate", "", {{10, 10}}},  // not square: refused
    };
    for (const auto& [range, control, value, cells] : steps) {
        if (!*value) window->document().LoadPiece(opened);
        Grid()->SetSelection(range);
        SetValue(value);
        if (auto* arrow = window->findChild<ArrowPicture*>(control)) {
            QTest::mouseClick(arrow, Qt::LeftButton);
            EXPECT_FALSE(arrow->pressedLook());
        } else {
            Click(control);
        }
        See(std::string(control) + " " + value, cells);
    }
    EXPECT_EQ(state.piece, opened);  // the refused rotation changed nothing
    Grid()->SetSelection({1, 17, 3, 3});
    window->document().ApplyToPiece("Test", [](PieceGrid& g) {
        g.Z(1, 3) = 0;
        g.Z(17, 3) = 16;
    });
    Click("btnSlopeRows");
    for (int c = 1; c <= 17; ++c) EXPECT_EQ(Z(c, 3), c - 1);
    EXPECT_EQ(Z(2, 4), 2.04);
    ExpectTranscript("save-options.txt");
}

}  // namespace
}  // namespace gw::test
