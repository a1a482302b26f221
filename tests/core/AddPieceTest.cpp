// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/terrain/AddPiece.h"
#include "core/terrain/TerrainRelief.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"
#include "support/RecordingFakes.h"

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

NationalGrid Filled(double value) {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), value);
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

TEST(AddPiece, ParsesTheAddBoxAnswer) {
    struct Case {
        std::string answer;
        bool ok;
        std::string x, y, z, scale;
    };
    const Case cases[] = {
        {"128, 96, 5.411, .67", true, "128", " 96", " 5.411", " .67"},
        {"3g, 3g,,.8", true, "-96", " 80", "", ".8"},
        {"1g,16g", true, "-128", "-128", "", ""},
        {"16G, 1G", true, " 112", " 112", "", ""},
        {"3 g, 2.5g", true, "-96", " 88", "", ""},  // numbers are read as typed: 2.5 is a tile and a half
        {"-10, 20, 1, 2, extra", true, "-10", " 20", " 1", " 2"},
        {"", false, "", "", "", ""},
        {"12", false, "12", "", "", ""},
        {",5", false, "", "5", "", ""},
        {"5,", false, "5", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const AddAnswer parsed = ParseAddAnswer(c.answer);
        EXPECT_EQ(parsed.ok, c.ok);
        if (!c.ok) {
            EXPECT_EQ(parsed.message, "You must enter an X, Y. You entered (" + c.answer + ")");
            continue;
        }
        EXPECT_EQ(parsed.xText, c.x);
        EXPECT_EQ(parsed.yText, c.y);
        EXPECT_EQ(parsed.zText, c.z);
        EXPECT_EQ(parsed.scaleText, c.scale);
    }
}

TEST(AddPiece, ThePromptsOwnFirstExampleLandsOnlyItsFirstColumn) {
    // ox = 128: only i = 0 falls inside, in column 256, rows 224..239.
    NationalGrid grid = Filled(1);
    const AddAnswer a = ParseAddAnswer("128, 96, 5.411, .67");
    const AddPieceCount count = AddPieceToASC257(a.xText, a.yText, a.zText, a.scaleText, NumberedPiece(), grid);
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
    const Case cases[] = {{"3g, 3g,,.8", 32, 208, 0.8}, {"1g,16g", 0, 0, 0.67}};
    const PieceGrid piece = NumberedPiece();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        NationalGrid grid = Filled(1);
        const AddAnswer a = ParseAddAnswer(c.answer);
        AddPieceToASC257(a.xText, a.yText, a.zText, a.scaleText, piece, grid);
        const auto changed = ChangedCells(grid);
        ASSERT_EQ(changed.size(), 256u);
        EXPECT_EQ(changed.front(), std::make_pair(c.firstX, c.firstY));
        EXPECT_EQ(changed.back(), std::make_pair(c.firstX + 15, c.firstY + 15));
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i)
                ASSERT_EQ(grid.At(c.firstX + i, c.firstY + j), c.scale * piece.Z(i + 1, 17 - j) + 1 + 0);
    }
}

TEST(AddPiece, LastPieceClosesTheRightAndTopEdgesAtZ) {
    NationalGrid grid = Filled(1);
    AddPieceToASC257("112", "112", "5", "", NumberedPiece(), grid);
    for (int j = 240; j < 256; ++j) EXPECT_EQ(grid.At(256, j), 5) << j;
    for (int i = 240; i <= 256; ++i) EXPECT_EQ(grid.At(i, 256), 5) << i;
    EXPECT_EQ(grid.At(240, 240), 0.67 * 1 + 1 + 5);
    EXPECT_EQ(ChangedCells(grid).size(), 256u + 16u + 17u);

    // Only the matching edge is closed, and only inside the grid.
    NationalGrid right = Filled(1);
    AddPieceToASC257("112", "-128", "2", "1", NumberedPiece(), right);
    for (int j = 0; j < 16; ++j) EXPECT_EQ(right.At(256, j), 2);
    EXPECT_EQ(right.At(256, 16), 1);
    EXPECT_EQ(right.At(240, 256), 1);
    NationalGrid top = Filled(1);
    const AddPieceCount count = AddPieceToASC257("120", "112", "3", "1", NumberedPiece(), top);
    for (int i = 248; i <= 256; ++i) EXPECT_EQ(top.At(i, 256), 3);
    EXPECT_EQ(count.cellsOutside, 7 * 16 + 8);  // columns 257..263, and 257..264 on the top edge
}

TEST(AddPiece, OffsetsRoundHalfToEvenAndFarOffsetsPlaceNothing) {
    NationalGrid grid = Filled(1);
    AddPieceToASC257("0.5", "-0.5", "", "1", NumberedPiece(), grid);  // both round to 0
    EXPECT_EQ(grid.At(128, 128), 2);
    EXPECT_EQ(grid.At(143, 143), 1 + 100 * 15 + 16);
    for (const char* far : {"1e300", "-1e300", "400", "-145"}) {
        NationalGrid untouched = Filled(1);
        const AddPieceCount count = AddPieceToASC257(far, "0", "", "", NumberedPiece(), untouched);
        EXPECT_EQ(count.cellsChanged, 0) << far;
        EXPECT_EQ(untouched, Filled(1)) << far;
    }
}

TEST(AddPiece, PromptAsksWithTheExactTextAndACancelChangesNothing) {
    test::OneAnswerPrompter prompter;
    NationalGrid grid = Filled(1);
    EXPECT_FALSE(PromptAddToASC257(prompter, NumberedPiece(), grid));
    ASSERT_EQ(prompter.inputs.size(), 1u);
    EXPECT_EQ(prompter.inputs[0],
              "ASC Offset||Enter X, Y, Z, Scale\n\nExample: 128, 96, 5.411, .67\n\n"
              "Place a G at the end of your coordinates if you\nwant to use the Track Editor Coordinates\n\n"
              "Example: 3g, 3g,,.8\n\nLeave Z blank to overlay your piece onto existing terrain.\n\n"
              "Entering a Z value will offset your piece from the terrain.\n\n"
              "Scale is how much to scale the Z.  A scale factor of .67\n"
              "will make the jumps the same height as in SX. 1.0 will be\n50% bigger.");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0], "Gridwright|You must enter an X, Y. You entered ()");
    EXPECT_EQ(grid, Filled(1));

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

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// A click on a tile proposes its "G" answer with the last Z and scale; read
// back, the answer places the piece on that tile's first cell.
TEST(AddPiece, TileAnswersPlaceThePieceOnTheirTile) {
    struct Case {
        int tileX, tileY;
        const char* z;
        const char* scale;
        const char* answer;
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
        EXPECT_EQ(TrimBlanks(parsed.zText), c.z) << answer;
        EXPECT_EQ(TrimBlanks(parsed.scaleText), c.scale) << answer;
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
