// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's National menu: the terrain (ASC257) is opened, added to,
// saved, cleared and measured here.
#include <QAction>

#include "app/CellEditBox.h"

#include "app/ConvertSXDialog.h"
#include "app/DisplacementWindow.h"
#include "app/MainWindow.h"
#include "app/MakeTextureWindow.h"
#include "app/PieceDocument.h"
#include "app/QtText.h"
#include "app/StatisticsDialog.h"
#include "app/TerrainDocument.h"
#include "app/TerrainWindow.h"
#include "app/WindowPlacement.h"
#include "app/WaitCursor.h"
#include "core/dispmap/DisplacementMapRun.h"
#include "core/dispmap/DisplacementMapTexts.h"
#include "core/terrain/AddPiece.h"
#include "core/terrain/Asc257File.h"
#include "core/terrain/ClearAsc257.h"
#include "core/terrain/NationalMenu.h"
#include "core/terrain/Statistics.h"
#include "core/terrain/TerrainRelief.h"
#include "core/text/FieldString.h"
#include "core/trackfiles/StockFiles.h"

namespace gw {

namespace {

constexpr const char* kClearTerrainQuestion =
    "Clear the terrain (ASC257)? Every height goes back to 0. (Edit > Undo brings it back.)";

}  // namespace

void MainWindow::WireNationalMenu() {
    auto item = [this](const char* name) {
        QAction* action = findChild<QAction*>(name);
        action->setEnabled(true);
        return action;
    };
    connect(item("itmNationalCreateFromSX"), &QAction::triggered, this, [this] { ConvertSXTrack("Convert"); });
    connect(item("itmNationalOpenSXTER"), &QAction::triggered, this, [this] { ConvertSXTrack("Open"); });
    connect(item("itmNationalOpenBaseASC257"), &QAction::triggered, this, &MainWindow::OpenBaseASC257);
    connect(item("itmNationalAddToASC257"), &QAction::triggered, this, &MainWindow::AddToASC257);
    connect(item("itmNationalSaveASC257"), &QAction::triggered, this, &MainWindow::SaveASC257);
    connect(item("itmNationalClearASC257"), &QAction::triggered, this, &MainWindow::ClearASC257);
    connect(item("itmNationalShowTerrain"), &QAction::triggered, this, [this] { ShowTerrainWindow(); });
    // The terrain window follows every change of the terrain, undo and redo included.
    connect(terrain_, &TerrainDocument::terrainChanged, this, [this] {
        if (terrainWindow_) terrainWindow_->ShowTerrain(terrain_->Content());
    });
    connect(item("itmNationalDisplayStatistics"), &QAction::triggered, this, [this] { ShowASC257Statistics(false); });
    connect(item("itmNationalSlopeEdges"), &QAction::triggered, this, [this] { ShowASC257Statistics(true); });
}

void MainWindow::OpenBaseASC257() {
    std::optional<BaseAsc257Open> opened;
    {
        WaitCursor wait;
        opened = gw::OpenBaseASC257(state_.nationalFolder, state_.national, prompter_, statusSink());
    }
    // A failed read changed nothing, neither the terrain nor its paths.
    if (!opened || !opened->read.ok()) return;
    terrain_->Apply("Open Base ASC257", [&](TerrainContent& terrain) {
        terrain.grid = std::move(opened->grid);
        terrain.baseMapFile = opened->path;
        terrain.lastAsc257File = opened->path;
    });
    // The terrain now holds the file that was read.
    if (opened->read.verticesStored > 0) terrain_->SetModified(false);
    ShowTerrainWindow();
}

void MainWindow::AddToASC257() { AddPieceWithAnswer(""); }

void MainWindow::AddPieceAtTile(int tileX, int tileY) {
    AddPieceWithAnswer(TileAddAnswer(tileX, tileY, lastAddZ_, lastAddScale_));
}

void MainWindow::AddPieceWithAnswer(const std::string& suggestedAnswer) {
    if (txtActiveCell_->isVisible()) CommitCellEdit();
    const std::optional<AddAnswer> answer = AskAddOffset(prompter_, suggestedAnswer);
    if (!answer) return;
    lastAddZ_ = TrimBlanks(answer->zText);
    lastAddScale_ = TrimBlanks(answer->scaleText);
    AddPieceCount count;
    terrain_->Apply("Add Piece", [&](TerrainContent& terrain) {
        count = AddPieceToASC257(answer->xText, answer->yText, answer->zText, answer->scaleText, state_.piece,
                                 terrain.grid);
    });
    if (count.cellsNotFinite > 0) prompter_.Message(NotFiniteCellsText(count.cellsNotFinite), kTerrainMessageTitle);
}

void MainWindow::SaveASC257() {
    WaitCursor wait;
    if (gw::SaveASC257(state_, prompter_, statusSink())) terrain_->SetModified(false);
}

void MainWindow::ClearASC257() {
    if (!IsFlatAtZero(state_.national) && !prompter_.AskYesNo(kClearTerrainQuestion, kTerrainMessageTitle)) return;
    terrain_->Apply("Clear ASC257", [](TerrainContent& terrain) { gw::ClearASC257(terrain); });
    // A flat terrain has nothing to lose; undoing the clear brings the unsaved state back.
    terrain_->SetModified(false);
}

void MainWindow::ConvertSXTrack(const std::string& mode) {
    if (txtActiveCell_->isVisible()) CommitCellEdit();
    ConvertSXContext context(state_, prompter_, statusSink(), *placement_);
    context.parent = this;
    context.userDataFolder = DefaultUserDataFolder();
    context.preview = &DisplacementPreviewWindow();
    context.texture = TextureStepInWindow(TextureBuilderWindow());
    context.pieces = document_;
    context.terrain = terrain_;
    context.trackAdded = [this] {
        itmFileSave_->setEnabled(false);
        UpdateCaption();
        ShowTerrainWindow();
    };
    ConvertSX(mode, context);
}

void MainWindow::ShowASC257Statistics(bool slopeMode) {
    if (!statistics_) {
        statistics_ = new StatisticsDialog(slopeMode, state_.national, *placement_, this);
        connect(statistics_, &StatisticsDialog::slopeEdgesRequested, this,
                [this](const QString& edge, const QString& points) {
                    terrain_->Apply("Slope Edges", [&](TerrainContent& terrain) {
                        SlopeASC257Edges(FromQ(edge), FromQ(points), terrain.grid, statusSink());
                    });
                });
    }
    statistics_->ShowStatistics(slopeMode);
}

TerrainWindow& MainWindow::ShowTerrainWindow() {
    if (!terrainWindow_) {
        terrainWindow_ = new TerrainWindow(*placement_, this);
        connect(terrainWindow_, &TerrainWindow::tileClicked, this, &MainWindow::AddPieceAtTile);
        terrainWindow_->ShowTerrain(terrain_->Content());
    }
    terrainWindow_->show();
    WindowPlacement::KeepOnScreen(*terrainWindow_);
    terrainWindow_->raise();
    return *terrainWindow_;
}

bool MainWindow::nationalModified() const { return terrain_->modified(); }

void MainWindow::SetNationalModified(bool modified) { terrain_->SetModified(modified); }

void MainWindow::WireDispMapMenu() {
    auto item = [this](const char* name) {
        QAction* action = findChild<QAction*>(name);
        action->setEnabled(true);
        return action;
    };
    connect(item("itmDispMapMakeDisplacementMapforASC17"), &QAction::triggered, this, [this] {
        WaitCursor wait;
        RunDisplacementMap17(state_, DisplacementPreviewWindow(), prompter_);
    });
    connect(item("itmDispMapMake257DisplacementMapforASC257"), &QAction::triggered, this,
            [this] { MakeTerrainDisplacementMap(TerrainMapSize::k257); });
    connect(item("itmDispMapMake513DisplacementMapforASC257"), &QAction::triggered, this,
            [this] { MakeTerrainDisplacementMap(TerrainMapSize::k513); });
    // Texture > Make Texture opens the builder empty; its File > Open picks a track.
    connect(item("itmTextureMakeTexture"), &QAction::triggered, this,
            [this] { TextureBuilderWindow().StartTextureBuilder(""); });
}

MakeTextureWindow& MainWindow::TextureBuilderWindow() {
    if (!makeTexture_) {
        makeTexture_ = new MakeTextureWindow(state_.programFolder, state_.trackFolder, prompter_, statusSink(), this);
        makeTexture_->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *makeTexture_;
}

DisplacementWindow& MainWindow::DisplacementPreviewWindow() {
    if (!displacement_) displacement_ = new DisplacementWindow(this);
    return *displacement_;
}

void MainWindow::MakeTerrainDisplacementMap(TerrainMapSize size) {
    std::string maxZ;
    if (!AskDisplacementMapMaxZ(prompter_, maxZ)) return;
    WaitCursor wait;
    RunTerrainDisplacementMap(size, state_, "", maxZ, DisplacementPreviewWindow(), statusSink(), prompter_);
}

bool MainWindow::ConfirmDiscardTerrain() {
    if (!terrain_->modified()) return true;
    return prompter_.AskYesNo("The terrain (ASC257) has changes that are not saved. Exit anyway?",
                              "Exiting Gridwright");
}

}  // namespace gw
