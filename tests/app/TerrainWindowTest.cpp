// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMouseEvent>

#include "app/AppFixture.h"
#include "app/TerrainView.h"
#include "app/TerrainWindow.h"
#include "core/terrain/TerrainRelief.h"

namespace gw::test {
namespace {

class TerrainWindowTest : public AppFixture {
protected:
    TerrainWindow& ShowTerrain() {
        StartWindow();
        Trigger("itmNationalShowTerrain");
        auto* shown = Find<TerrainWindow>("frmTerrain");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shown));
        return *shown;
    }
    // The offscreen platform has no pointer to move: the move event goes to the view as the window system would send
    // it.
    void Hover(TerrainWindow& terrain, int x, int y) {
        const QPointF at = terrain.view()->CellCentre(x, y);
        QMouseEvent move(QEvent::MouseMove, at, terrain.view()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(terrain.view(), &move);
    }
};

// The status line names the cell under the pointer as Add to ASC257 takes it: terrain coordinates and the track
// editor's tile.
TEST_F(TerrainWindowTest, HoverShowsTheCellAndItsTile) {
    TerrainWindow& terrain = ShowTerrain();
    prompter.inputAnswers = {"-96, 122, 4.5, 0"};  // 4.5 on the cells from (32, 250) to (47, 256)
    Trigger("itmNationalAddToASC257");
    EXPECT_GE(terrain.view()->zoom(), 1) << "fitted to the window";
    const std::tuple<int, int, const char*> cases[] = {{32, 250, "X: -96  Y: 122  Z: 4.5  Tile: 3g, 1g"},
                                                       {0, 0, "X: -128  Y: -128  Z: 0  Tile: 1g, 16g"},
                                                       {256, 256, "X: 128  Y: 128  Z: 0  Tile: 16g, 1g"},
                                                       {140, 100, "X: 12  Y: -28  Z: 0  Tile: 9g, 10g"}};
    for (const auto& [x, y, status] : cases) {
        Hover(terrain, x, y);
        EXPECT_EQ(terrain.StatusText(), status);
    }
    FindIn<QAction>(terrain, "itmTerrainZoomIn")->trigger();  // zoomed in, the same cell is under its new place
    Hover(terrain, 32, 250);
    EXPECT_EQ(terrain.StatusText(), std::get<2>(cases[0]));
}

// A click on a tile adds the open piece there through Add to ASC257's box, which proposes the tile and the last Z and
// scale; the window follows the terrain through the step and its undo.
TEST_F(TerrainWindowTest, ClickingATileAddsThePieceThereAsOneStep) {
    TerrainWindow& terrain = ShowTerrain();
    LoadFlatPiece(2);
    EXPECT_EQ(terrain.legend()->highestText(), "0");
    auto click = [&](int x, int y) {
        QTest::mouseClick(terrain.view(), Qt::LeftButton, {}, terrain.view()->CellCentre(x, y));
    };
    prompter.inputAnswers = {"3g, 14g, 1, .5"};
    click(40, 40);
    ASSERT_EQ(prompter.shown.back().kind, "input");
    EXPECT_EQ(prompter.shown.back().title, "ASC Offset");
    EXPECT_EQ(prompter.shown.back().proposed, "3g, 14g");
    EXPECT_EQ(state.national.At(TileFirstX(3), TileFirstY(14)), 2);  // 0.5 x 2 + 0 + 1
    EXPECT_EQ(state.national.At(TileFirstX(3) + 15, TileFirstY(14) + 15), 2);
    EXPECT_EQ(state.national.At(TileFirstX(3) + 16, TileFirstY(14)), 0);
    EXPECT_EQ(UndoText(), "Undo Add Piece");
    EXPECT_EQ(terrain.legend()->highestText(), "2");

    prompter.inputAnswers = {""};  // cancelled: nothing changes
    click(250, 250);
    EXPECT_EQ(prompter.shown[prompter.shown.size() - 2].proposed, "16g, 1g, 1, .5");
    EXPECT_EQ(prompter.shown.back().text, "You must enter an X, Y. You entered ()");
    Trigger("itmEditUndo");
    EXPECT_EQ(state.national, NationalGrid{});
    EXPECT_EQ(terrain.legend()->highestText(), "0");
    EXPECT_FALSE(Action("itmEditUndo")->isEnabled());
}

}  // namespace
}  // namespace gw::test
