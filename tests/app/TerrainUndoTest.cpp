// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFixture.h"

namespace gw::test {
namespace {

using TerrainUndoTest = AppFixture;

// Every way the terrain changes is one step named after it; undoing them all
// gives back each earlier terrain exactly, files included, and redo the later.
TEST_F(TerrainUndoTest, EveryTerrainOperationIsOneStepThatUndoRestoresExactly) {
    StartWindow();
    const std::string base = WriteTerrain("base.asc");
    fs::copy(ProgramFolder() + "/samples/Dunes", dir.File("Dunes"), fs::copy_options::recursive);
    fs::create_directory(dir.File("nat"));
    state.nationalFolder = dir.File("nat") + "/";
    LoadFlatPiece(2);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"Undo Open Base ASC257", [&] { prompter.fileAnswers = {base}; }},
        {"Undo Add Piece", [&] { prompter.inputAnswers = {"3g, 3g,,.8"}; }},
        {"Undo Slope Edges",
         [&] {
             Trigger("itmNationalSlopeEdges");
             Find<QLineEdit>("txtEdge")->setText("0");
             Click("btnOKButton");
             QApplication::processEvents();
         }},
        {"Undo Clear ASC257", [&] { prompter.yesNoAnswers = {true}; }},
        {"Undo Open SX .TER",
         [&] {
             prompter.fileAnswers = {dir.File("Dunes/Dunes.TER")};
             AnswerModal([](QWidget* dialog) { ClickIn(*dialog, "OKButton"); });  // the conversion's, in Open mode
         }},
    };
    const char* items[] = {"itmNationalOpenBaseASC257", "itmNationalAddToASC257", nullptr, "itmNationalClearASC257",
                           "itmNationalOpenSXTER"};
    std::vector<TerrainContent> terrains{window->terrain().Content()};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto& [undo, act] = steps[i];
        act();
        if (items[i]) Trigger(items[i]);
        EXPECT_EQ(UndoText(), undo);
        EXPECT_NE(window->terrain().Content(), terrains.back()) << undo;
        terrains.push_back(window->terrain().Content());
    }
    EXPECT_EQ(state.baseMapFile, "") << "cleared";
    EXPECT_EQ(state.currentTerFile, dir.File("Dunes/Dunes.TER"));
    for (std::size_t i = terrains.size() - 1; i > 0; --i) {
        Trigger("itmEditUndo");
        EXPECT_EQ(window->terrain().Content(), terrains[i - 1]) << "undo " << steps[i - 1].first;
    }
    for (std::size_t i = 1; i < terrains.size(); ++i) {
        Trigger("itmEditRedo");
        EXPECT_EQ(window->terrain().Content(), terrains[i]) << "redo " << steps[i - 1].first;
    }
}

// One history for both documents, in the order of the steps; each keeps its
// own saved point, and opening a piece forgets only the piece's steps.
TEST_F(TerrainUndoTest, PieceAndTerrainStepsShareOneHistoryButNotTheirSavedState) {
    OpenDistinct("markN.asc");
    EditCell(1, 1, "5");
    prompter.inputAnswers = {"0, 0, 1"};
    Trigger("itmNationalAddToASC257");
    EXPECT_EQ(UndoText(), "Undo Add Piece");
    Key(Qt::Key_S);  // saves the piece
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

}  // namespace
}  // namespace gw::test
