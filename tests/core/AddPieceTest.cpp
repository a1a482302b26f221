// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "core/terrain/AddPiece.h"
#include "core/terrain/TerrainRelief.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"
#include "support/CaseTable.h"
#include "support/RecordingFakes.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// Piece height at lattice (i, j) = 100 i + j + 1, so every cell is distinct and never 0.
PieceGrid NumberedPiece() {
    PieceGrid piece;
    for (int j = 0; j <= 16; ++j)
        for (int i = 0; i <= 16; ++i) piece.Z(i + 1, 17 - j) = 100.0 * i + j + 1;
    return piece;
}

NationalGrid Ones() {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), 1);
    return grid;
}

std::vector<std::pair<int, int>> ChangedCells(const NationalGrid& grid) {
    std::vector<std::pair<int, int>> cells;
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x)
            if (grid.At(x, y) != 1) cells.push_back({x, y});
    return cells;
}

TEST(AddPiece, ParsesTheAddBoxAnswer) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/add-answer.txt")) {
        const AddAnswer parsed = ParseAddAnswer(c[0]);
        EXPECT_TRUE(parsed.ok) << c[0];
        EXPECT_EQ((test::CaseRow{c[0], parsed.xText, parsed.yText, parsed.zText, parsed.scaleText}), c);
    }
    for (const std::string answer : {"", "12", ",5", "5,"}) {
        const AddAnswer parsed = ParseAddAnswer(answer);
        EXPECT_FALSE(parsed.ok) << answer;
        EXPECT_EQ(parsed.message, "You must enter an X, Y. You entered (" + answer + ")");
    }
}

// Each placement onto a terrain of 1s gives the counts and cells of tests/data/core/add-piece/<name>.txt.
TEST(AddPiece, EachPlacementChangesItsCells) {
    const std::array<const char*, 5> cases[] = {
        {"prompt-example", "128", " 96", " 5.411", " .67"},  // only its first column lands: column 256, rows 224..239
        {"tile-3g-3g", "-96", " 80", "", ".8"},              // track editor tiles follow the terrain
        {"tile-1g-16g", "-128", "-128", "", ""},
        {"last-piece", "112", "112", "5", ""},    // the last piece closes the right and top edges at Z
        {"right-edge", "112", "-128", "2", "1"},  // only the matching edge is closed, and only inside the grid
        {"top-edge", "120", "112", "3", "1"},
        {"half-offsets", "0.5", "-0.5", "", "1"},  // both round half to even, to 0
    };
    for (const auto& [name, x, y, z, scale] : cases) {
        NationalGrid grid = Ones();
        const AddPieceCount count = AddPieceToASC257(x, y, z, scale, NumberedPiece(), grid);
        std::string text = "changed " + std::to_string(count.cellsChanged) + " outside " +
                           std::to_string(count.cellsOutside) + " not finite " + std::to_string(count.cellsNotFinite) +
                           "\n";
        for (const auto& [cx, cy] : ChangedCells(grid))
            text += std::to_string(cx) + " " + std::to_string(cy) + PaddedNumberText(grid.At(cx, cy)) + "\n";
        EXPECT_EQ(text, test::ReadAll(test::TestDataPath(std::string("core/add-piece/") + name + ".txt"))) << name;
    }
}

TEST(AddPiece, FarOffsetsPlaceNothing) {
    for (const char* far : {"1e300", "-1e300", "400", "-145"}) {
        NationalGrid untouched = Ones();
        EXPECT_EQ(AddPieceToASC257(far, "0", "", "", NumberedPiece(), untouched).cellsChanged, 0) << far;
        EXPECT_EQ(untouched, Ones()) << far;
    }
}

TEST(AddPiece, PromptAsksWithTheExactTextAndACancelChangesNothing) {
    test::OneAnswerPrompter prompter;
    NationalGrid grid = Ones();
    EXPECT_FALSE(PromptAddToASC257(prompter, NumberedPiece(), grid));
    ASSERT_EQ(prompter.inputs.size(), 1u);
    EXPECT_EQ(prompter.inputs[0], "ASC Offset||" + test::ReadAll(test::TestDataPath("core/add-piece-prompt.txt")));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Gridwright|You must enter an X, Y. You entered ()"});
    EXPECT_EQ(grid, Ones());

    prompter.inputAnswer = "1g,16g";
    EXPECT_TRUE(PromptAddToASC257(prompter, NumberedPiece(), grid));
    EXPECT_EQ(ChangedCells(grid).size(), 256u);
    EXPECT_EQ(prompter.messages.size(), 1u);

    // An absurd scale: heights of 101 and more overflow; those cells keep theirs, and it is said.
    const NationalGrid before = grid;
    prompter.inputAnswer = "1g,16g,0,1e307";
    EXPECT_TRUE(PromptAddToASC257(prompter, NumberedPiece(), grid));
    EXPECT_EQ(prompter.messages.back(),
              "Gridwright|240 cells keep their height: the new height would not be a finite number");
    EXPECT_EQ(grid.At(15, 0), before.At(15, 0));
    EXPECT_EQ(grid.At(0, 15), before.At(0, 15) + 16e307);
}

// A click on a tile proposes its "G" answer with the last Z and scale, placing the piece on its first cell.
TEST(AddPiece, TileAnswersPlaceThePieceOnTheirTile) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/tile-add-answer.txt")) {
        const auto& [z, scale, expected] = std::tie(c[2], c[3], c[4]);
        const int tileX = std::stoi(c[0]), tileY = std::stoi(c[1]);
        const std::string answer = TileAddAnswer(tileX, tileY, z, scale);
        EXPECT_EQ(answer, expected);
        const AddAnswer parsed = ParseAddAnswer(answer);
        ASSERT_TRUE(parsed.ok) << answer;
        EXPECT_EQ(ValueOfText(parsed.xText) + 128, TileFirstX(tileX)) << answer;
        EXPECT_EQ(ValueOfText(parsed.yText) + 128, TileFirstY(tileY)) << answer;
        EXPECT_EQ(TrimBlanks(parsed.zText) + "|" + TrimBlanks(parsed.scaleText), z + "|" + scale);
    }
    test::OneAnswerPrompter prompter;
    prompter.inputAnswer = "3g, 14g, 2";
    const std::optional<AddAnswer> asked = AskAddOffset(prompter, "3g, 14g");
    ASSERT_TRUE(asked.has_value());
    EXPECT_EQ(prompter.inputs[0].rfind("ASC Offset|3g, 14g|Enter X, Y, Z, Scale", 0), 0u);
    EXPECT_EQ(asked->zText, " 2");
}

}  // namespace
}  // namespace gw
