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
    // The offscreen platform has no pointer: the move event goes to the view as the window system would send it.
    void Hover(TerrainWindow& terrain, int x, int y) {
        const QPointF at = terrain.view()->CellCentre(x, y);
        QMouseEvent move(QEvent::MouseMove, at, terrain.view()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(terrain.view(), &move);
    }
};

// A click on a tile adds the open piece there through Add to ASC257's box, which proposes the tile and the last Z and
// scale; the window follows the terrain through the step and its undo.
TEST_F(TerrainWindowTest, ClickingATileAddsThePieceThereAsOneStepAndHoverShowsTheCellAndItsTile) {
    TerrainWindow& terrain = ShowTerrain();
    LoadFlatPiece(2);
    const int tx = TileFirstX(3), ty = TileFirstY(14);
    auto see = [&](const std::string& step) {
        See(step, {}, {{tx, ty}, {tx + 15, ty + 15}, {tx + 16, ty}});  // 0.5 x 2 + 0 + 1 in the tile, 0 beside
        Note("highest", terrain.legend()->highestText());
    };
    see("shown");
    for (const auto& [at, answer] : {std::pair(40, "3g, 14g, 1, .5"), {250, ""}}) {  // then cancelled
        prompter.inputAnswers = {answer};
        QTest::mouseClick(terrain.view(), Qt::LeftButton, {}, terrain.view()->CellCentre(at, at));
        see("clicked at " + std::to_string(at));
    }
    Trigger("itmEditUndo");
    see("undone");
    // The status line names the cell under the pointer as Add to ASC257 takes it, and its tile.
    prompter.inputAnswers = {"-96, 122, 4.5, 0"};  // 4.5 on the cells from (32, 250) to (47, 256)
    Trigger("itmNationalAddToASC257");
    EXPECT_GE(terrain.view()->zoom(), 1) << "fitted to the window";
    for (const auto& [x, y] : {std::pair(32, 250), {0, 0}, {256, 256}, {140, 100}}) {
        Hover(terrain, x, y);
        Note(std::to_string(x) + ", " + std::to_string(y), terrain.StatusText());
    }
    FindIn<QAction>(terrain, "itmTerrainZoomIn")->trigger();  // zoomed in, the same cell is under its new place
    Hover(terrain, 32, 250);
    Note("zoomed in", terrain.StatusText());
    ExpectTranscript("terrain-click.txt");
}

}  // namespace
}  // namespace gw::test
