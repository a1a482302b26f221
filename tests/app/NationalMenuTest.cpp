// SPDX-License-Identifier: GPL-3.0-or-later
#include <QListWidget>

#include "app/AppFixture.h"

namespace gw::test {
namespace {

using NationalMenuTest = AppFixture;

TEST_F(NationalMenuTest, EveryTerrainMenuItemAndItsStepsInTheSharedHistory) {
    // One history for both documents, each with its own saved point; opening a piece forgets only the piece's steps.
    OpenDistinct("markN.asc");
    EditCell(1, 1, "5");
    prompter.inputAnswers = {"0, 0, 1"};
    Trigger("itmNationalAddToASC257");
    Key(Qt::Key_S);  // saves the piece
    See("piece saved");
    Trigger("itmEditUndo");  // the terrain's step: the piece is still as saved, the terrain back where it started
    EXPECT_EQ(state.national, NationalGrid{});
    See("undone");
    Trigger("itmEditRedo");
    ASSERT_TRUE(window->OpenPieceFile(WriteDistinctPiece("otherN.asc")));
    See("other piece");  // the terrain's step stays
    Trigger("itmEditUndo");
    EXPECT_EQ(state.national, NationalGrid{});
    See("undone again", {{1, 1}});  // the earlier piece's steps are gone
    auto seeMode = [&](const std::string& step) {
        const bool slope = Find<QWidget>("txtEdge")->isVisible();
        ExpectTexts(*window, slope ? "slope-edges.tsv" : "statistics.tsv");
        EXPECT_EQ(Find<QWidget>("btnCancel")->isVisible(), slope);
        See(step + (slope ? ": slope edges" : ": statistics"), {}, {{128, 1}});
        auto* list = Find<QListWidget>("lstStatistics");
        for (int i = 0; i < list->count(); ++i) Note("", list->item(i)->text());
    };
    Trigger("itmNationalDisplayStatistics");
    seeMode("statistics");
    // Asked for slope mode while it is open, the dialog says so and can be left with Cancel; asked back, its Ok only
    // closes it. A second call while it is open appends four more lines.
    state.national.values.assign(state.national.values.size(), 20.0);
    const std::pair<const char*, const char*> steps[] = {{"itmNationalSlopeEdges", "btnCancel"},
                                                         {"itmNationalSlopeEdges", nullptr},
                                                         {"itmNationalDisplayStatistics", "btnOKButton"},
                                                         {"itmNationalSlopeEdges", nullptr},
                                                         {"itmNationalSlopeEdges", nullptr},
                                                         {nullptr, "btnOKButton"}};
    for (const auto& [item, button] : steps) {
        if (item) Trigger(item);
        seeMode(item ? item : "edge 0");
        if (!item) Find<QLineEdit>("txtEdge")->setText("0");
        if (button) Click(button);
        QApplication::processEvents();
        if (button) See(button, {}, {{128, 1}});  // row y = -127
    }
    // Special files are refused in a box and change nothing.
    state.nationalFolder = dir.path().string();
    state.national.At(7, 7) = 7;
    const std::string fifo = MakeSpecialFile(SpecialKind::Fifo, dir.File("track.ter"), kTrackFileCap).path;
    for (const auto& [item, path] :
         {std::pair("itmNationalOpenBaseASC257", std::string("/dev/zero")), {"itmNationalOpenSXTER", fifo}}) {
        prompter.fileAnswers = {path};
        prompter.yesNoAnswers = {true};  // the track may go onto the terrain there is
        // The conversion's dialog, in its Open mode, is accepted as it stands.
        AnswerModal([](QWidget* dialog) { ClickIn(*dialog, "OKButton"); });
        Trigger(item);
        See(item, {}, {{7, 7}});
    }
    // Clearing asks; opening, adding and saving; every step is one that undo restores exactly.
    LoadFlatPiece(2);
    const std::string base = WriteTerrain("base.flat.asc");
    // Clearing a terrain that holds heights asks first; a flat one is not asked about. The open piece (all 2) goes in
    // at the track editor's tile (3, 3), scaled by 0.8; then the box is cancelled. Save proposes the base name of the
    // file read, and keeps the old file as .bak, named by all of the file name but its extension.
    const std::tuple<const char*, std::deque<bool>, std::deque<std::string>, std::deque<std::string>> menu[] = {
        {"itmNationalAddToASC257", {}, {"0, 0, 1"}, {}}, {"itmNationalClearASC257", {false}, {}, {}},
        {"itmNationalClearASC257", {true}, {}, {}},      {"itmNationalClearASC257", {}, {}, {}},
        {"itmNationalOpenBaseASC257", {}, {}, {base}},   {"itmNationalAddToASC257", {}, {"3g, 3g,,.8"}, {}},
        {"itmNationalAddToASC257", {}, {}, {}},          {"itmNationalSaveASC257", {}, {}, {base}},
        {"itmNationalClearASC257", {true}, {}, {}},
    };
    for (const auto& [item, yesNo, inputs, files] : menu) {
        std::tie(prompter.yesNoAnswers, prompter.inputAnswers, prompter.fileAnswers) = std::tie(yesNo, inputs, files);
        Trigger(item);
        See(item, {}, {{256, 3}, {32, 208}, {48, 208}});
    }
    EXPECT_EQ(state.national, NationalGrid());
    // Each terrain change is one named step; undo gives back each earlier terrain exactly, files included, redo the
    // later.
    const std::string plain = WriteTerrain("base.asc");
    fs::copy(ProgramFolder() + "/samples/Dunes", dir.File("Dunes"), fs::copy_options::recursive);
    fs::create_directory(dir.File("nat"));
    state.nationalFolder = dir.File("nat") + "/";
    LoadFlatPiece(2);
    const std::function<void()> actions[] = {
        [&] { prompter.fileAnswers = {plain}; },
        [&] { prompter.inputAnswers = {"3g, 3g,,.8"}; },
        [&] {
            Find<QLineEdit>("txtEdge")->setText("0");
            Click("btnOKButton");
            QApplication::processEvents();
        },
        [&] { prompter.yesNoAnswers = {true}; },
        [&] {
            prompter.fileAnswers = {dir.File("Dunes/Dunes.TER")};
            AnswerModal([](QWidget* dialog) { ClickIn(*dialog, "OKButton"); });  // the conversion's, in Open mode
        },
    };
    std::vector<TerrainContent> terrains{window->terrain().Content()};
    for (const char* item : {"itmNationalOpenBaseASC257", "itmNationalAddToASC257", "itmNationalSlopeEdges",
                             "itmNationalClearASC257", "itmNationalOpenSXTER"}) {
        if (std::string(item) == "itmNationalSlopeEdges") Trigger(item);
        actions[terrains.size() - 1]();
        if (std::string(item) != "itmNationalSlopeEdges") Trigger(item);
        See(item);
        EXPECT_NE(window->terrain().Content(), terrains.back()) << item;
        terrains.push_back(window->terrain().Content());
    }
    for (std::size_t i = terrains.size() - 1; i > 0; --i) {
        Trigger("itmEditUndo");
        EXPECT_EQ(window->terrain().Content(), terrains[i - 1]) << "undo " << i;
    }
    for (std::size_t i = 1; i < terrains.size(); ++i) {
        Trigger("itmEditRedo");
        EXPECT_EQ(window->terrain().Content(), terrains[i]) << "redo " << i;
    }
    ExpectTranscript("statistics.txt");
}

}  // namespace
}  // namespace gw::test
