// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>
#include <filesystem>

#include "app/AppFixture.h"
#include "app/ConvertSXDialog.h"
#include "app/TerrainDocument.h"
#include "core/terrain/Asc257File.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

class TerrainUndoTest : public AppFixture {
protected:
    QString UndoText() { return Action("itmEditUndo")->text(); }
    // Answers the next modal dialog (the conversion's, Slope Edges is not modal).
    void AnswerConversionWithOk() {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<ConvertSXDialog*>(QApplication::activeModalWidget())) {
                dialog->findChild<QPushButton*>("OKButton")->click();
            }
        });
    }
};

// Every way the terrain changes is one step named after it; undoing them all
// gives back each earlier terrain exactly, files included, and redo the later.
TEST_F(TerrainUndoTest, EveryTerrainOperationIsOneStepThatUndoRestoresExactly) {
    StartWindow();
    const std::string base = WriteTerrain("base.asc");
    fs::copy(ProgramFolder() + "/samples/Dunes", dir.File("Dunes"), fs::copy_options::recursive);
    fs::create_directory(dir.File("nat"));
    state.nationalFolder = dir.File("nat") + "/";
    window->document().LoadPiece([] {
        PieceGrid g;
        g.values.fill(2);
        return g;
    }());

    struct Step {
        const char* undo;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"Undo Open Base ASC257",
         [&] {
             prompter.fileAnswers = {base};
             Trigger("itmNationalOpenBaseASC257");
         }},
        {"Undo Add Piece",
         [&] {
             prompter.inputAnswers = {"3g, 3g,,.8"};
             Trigger("itmNationalAddToASC257");
         }},
        {"Undo Slope Edges",
         [&] {
             Trigger("itmNationalSlopeEdges");
             Find<QLineEdit>("txtEdge")->setText("0");
             Find<QPushButton>("btnOKButton")->click();
             QApplication::processEvents();
         }},
        {"Undo Clear ASC257",
         [&] {
             prompter.yesNoAnswers = {true};
             Trigger("itmNationalClearASC257");
         }},
        {"Undo Open SX .TER",
         [&] {
             prompter.fileAnswers = {dir.File("Dunes/Dunes.TER")};
             AnswerConversionWithOk();
             Trigger("itmNationalOpenSXTER");
         }},
    };
    std::vector<TerrainContent> terrains{window->terrain().Content()};
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(UndoText(), step.undo);
        EXPECT_NE(window->terrain().Content(), terrains.back()) << step.undo;
        terrains.push_back(window->terrain().Content());
    }
    EXPECT_EQ(state.baseMapFile, "") << "cleared";
    EXPECT_EQ(state.currentTerFile, dir.File("Dunes/Dunes.TER"));
    for (std::size_t i = terrains.size() - 1; i > 0; --i) {
        Trigger("itmEditUndo");
        EXPECT_EQ(window->terrain().Content(), terrains[i - 1]) << "undo " << steps[i - 1].undo;
    }
    for (std::size_t i = 1; i < terrains.size(); ++i) {
        Trigger("itmEditRedo");
        EXPECT_EQ(window->terrain().Content(), terrains[i]) << "redo " << steps[i - 1].undo;
    }
}

// One history for both documents, in the order of the steps; each keeps its
// own saved point, and opening a piece forgets only the piece's steps.
TEST_F(TerrainUndoTest, PieceAndTerrainStepsShareOneHistoryButNotTheirSavedState) {
    OpenDistinct("markN.asc");
    Grid()->SetCurrentCell(1, 1);
    TypeIntoCell("5");
    QTest::keyClick(CellEditor(), Qt::Key_Return);
    prompter.inputAnswers = {"0, 0, 1"};
    Trigger("itmNationalAddToASC257");
    EXPECT_EQ(UndoText(), "Undo Add Piece");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);  // saves the piece
    EXPECT_FALSE(state.pieceModified);
    EXPECT_TRUE(window->nationalModified());

    Trigger("itmEditUndo");  // the terrain's step
    EXPECT_EQ(state.national, NationalGrid{});
    EXPECT_FALSE(state.pieceModified) << "the piece is still as saved";
    EXPECT_FALSE(window->nationalModified()) << "the terrain is back where it started";
    EXPECT_EQ(UndoText(), "Undo Edit Cell");
    Trigger("itmEditRedo");

    ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece("otherN.asc")));
    EXPECT_EQ(UndoText(), "Undo Add Piece") << "the terrain's step stays";
    Trigger("itmEditUndo");
    EXPECT_EQ(state.national, NationalGrid{});
    EXPECT_FALSE(Action("itmEditUndo")->isEnabled()) << "the earlier piece's steps are gone";
    EXPECT_EQ(state.piece.Z(1, 1), 1.01);
}

// Clearing a terrain that holds heights asks first; a flat one is not asked about.
TEST_F(TerrainUndoTest, ClearAsksFirstUnlessTheTerrainIsFlat) {
    StartWindow();
    prompter.inputAnswers = {"0, 0, 1"};
    Trigger("itmNationalAddToASC257");
    const NationalGrid added = state.national;
    prompter.yesNoAnswers = {false};
    Trigger("itmNationalClearASC257");
    EXPECT_EQ(prompter.shown.back().text,
              "Clear the terrain (ASC257)? Every height goes back to 0. (Edit > Undo brings it back.)");
    EXPECT_EQ(state.national, added);
    EXPECT_EQ(UndoText(), "Undo Add Piece");
    prompter.yesNoAnswers = {true};
    Trigger("itmNationalClearASC257");
    EXPECT_EQ(state.national, NationalGrid{});
    EXPECT_FALSE(window->nationalModified());
    const std::size_t asked = prompter.shown.size();
    Trigger("itmNationalClearASC257");
    EXPECT_EQ(prompter.shown.size(), asked);
    EXPECT_EQ(UndoText(), "Undo Clear ASC257");
}

}  // namespace
}  // namespace gw::test
