// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Piece height at lattice (i, j) = 100 i + j + 1, so every cell is distinct and
// never 0.
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

// The cells a placement changed, compared with a grid of 1s.
std::vector<std::pair<int, int>> ChangedCells(const NationalGrid& grid) {
    std::vector<std::pair<int, int>> cells;
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x)
            if (grid.At(x, y) != 1) cells.push_back({x, y});
    return cells;
}

AddPieceCount Add(const std::string& answer, NationalGrid& grid) {
    const AddAnswer a = ParseAddAnswer(answer);
    return AddPieceToASC257(a.xText, a.yText, a.zText, a.scaleText, NumberedPiece(), grid);
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

TEST(AddPiece, ThePromptsOwnFirstExampleLandsOnlyItsFirstColumn) {
    // ox = 128: only i = 0 falls inside, in column 256, rows 224..239.
    NationalGrid grid = Ones();
    const AddPieceCount count = Add("128, 96, 5.411, .67", grid);
    EXPECT_EQ(count.cellsChanged, 16);
    EXPECT_EQ(count.cellsOutside, 240);
    const auto changed = ChangedCells(grid);
    ASSERT_EQ(changed.size(), 16u);
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(changed[j], std::make_pair(256, 224 + j));
        EXPECT_EQ(grid.At(256, 224 + j), 0.67 * (j + 1) + 1 + 5.411);
    }
}

TEST(AddPiece, TrackEditorTilesFollowTheTerrain) {
    struct Case {
        const char* answer;
        int firstX, firstY;  // the block's lower-left cell
        double scale;
    };
    const PieceGrid piece = NumberedPiece();
    for (const Case& c : {Case{"3g, 3g,,.8", 32, 208, 0.8}, Case{"1g,16g", 0, 0, 0.67}}) {
        NationalGrid grid = Ones();
        Add(c.answer, grid);
        const auto changed = ChangedCells(grid);
        ASSERT_EQ(changed.size(), 256u) << c.answer;
        EXPECT_EQ(changed.front(), std::make_pair(c.firstX, c.firstY));
        EXPECT_EQ(changed.back(), std::make_pair(c.firstX + 15, c.firstY + 15));
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i)
                ASSERT_EQ(grid.At(c.firstX + i, c.firstY + j), c.scale * piece.Z(i + 1, 17 - j) + 1 + 0) << c.answer;
    }
}

TEST(AddPiece, LastPieceClosesTheRightAndTopEdgesAtZ) {
    NationalGrid grid = Ones();
    AddPieceToASC257("112", "112", "5", "", NumberedPiece(), grid);
    for (int j = 240; j < 256; ++j) EXPECT_EQ(grid.At(256, j), 5) << j;
    for (int i = 240; i <= 256; ++i) EXPECT_EQ(grid.At(i, 256), 5) << i;
    EXPECT_EQ(grid.At(240, 240), 0.67 * 1 + 1 + 5);
    EXPECT_EQ(ChangedCells(grid).size(), 256u + 16u + 17u);

    // Only the matching edge is closed, and only inside the grid.
    NationalGrid right = Ones();
    AddPieceToASC257("112", "-128", "2", "1", NumberedPiece(), right);
    for (int j = 0; j < 16; ++j) EXPECT_EQ(right.At(256, j), 2);
    EXPECT_EQ(right.At(256, 16), 1);
    EXPECT_EQ(right.At(240, 256), 1);
    NationalGrid top = Ones();
    const AddPieceCount count = AddPieceToASC257("120", "112", "3", "1", NumberedPiece(), top);
    for (int i = 248; i <= 256; ++i) EXPECT_EQ(top.At(i, 256), 3);
    EXPECT_EQ(count.cellsOutside, 7 * 16 + 8);  // columns 257..263, and 257..264 on the top edge
}

TEST(AddPiece, OffsetsRoundHalfToEvenAndFarOffsetsPlaceNothing) {
    NationalGrid grid = Ones();
    AddPieceToASC257("0.5", "-0.5", "", "1", NumberedPiece(), grid);  // both round to 0
    EXPECT_EQ(grid.At(128, 128), 2);
    EXPECT_EQ(grid.At(143, 143), 1 + 100 * 15 + 16);
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

// A click on a tile proposes its "G" answer with the last Z and scale; read
// back, the answer places the piece on that tile's first cell.
TEST(AddPiece, TileAnswersPlaceThePieceOnTheirTile) {
    struct Case {
        int tileX, tileY;
        const char *z, *scale, *answer;
    };
    const Case cases[] = {{3, 14, "", "", "3g, 14g"},
                          {1, 1, "5", "", "1g, 1g, 5"},
                          {16, 16, "", ".8", "16g, 16g,, .8"},
                          {7, 2, "-1.5", "1", "7g, 2g, -1.5, 1"}};
    for (const Case& c : cases) {
        const std::string answer = TileAddAnswer(c.tileX, c.tileY, c.z, c.scale);
        EXPECT_EQ(answer, c.answer);
        const AddAnswer parsed = ParseAddAnswer(answer);
        ASSERT_TRUE(parsed.ok) << answer;
        EXPECT_EQ(ValueOfText(parsed.xText) + 128, TileFirstX(c.tileX)) << answer;
        EXPECT_EQ(ValueOfText(parsed.yText) + 128, TileFirstY(c.tileY)) << answer;
        EXPECT_EQ(TrimBlanks(parsed.zText) + "|" + TrimBlanks(parsed.scaleText), std::string(c.z) + "|" + c.scale);
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
