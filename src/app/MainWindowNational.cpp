// The main window's National menu: the terrain (ASC257) is opened, added to,
// saved, cleared and measured here.
#include <QAction>

#include "app/CellEditBox.h"

#include "app/ConvertSXDialog.h"
#include "app/DisplacementWindow.h"
#include "app/MainWindow.h"
#include "app/MakeTextureWindow.h"
#include "app/PieceDocument.h"
#include "app/StatisticsDialog.h"
#include "app/WaitCursor.h"
#include "core/dispmap/DisplacementMapRun.h"
#include "core/dispmap/DisplacementMapTexts.h"
#include "core/terrain/AddPiece.h"
#include "core/terrain/Asc257File.h"
#include "core/terrain/ClearAsc257.h"
#include "core/terrain/NationalMenu.h"
#include "core/trackfiles/StockFiles.h"

namespace gw {

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
    connect(item("itmNationalDisplayStatistics"), &QAction::triggered, this, [this] { ShowASC257Statistics(false); });
    connect(item("itmNationalSlopeEdges"), &QAction::triggered, this, [this] { ShowASC257Statistics(true); });
}

void MainWindow::OpenBaseASC257() {
    WaitCursor wait;
    const std::optional<Asc257ReadResult> result = gw::OpenBaseASC257(state_, prompter_, statusSink());
    // The grid now holds the file that was read; a failed read changed nothing.
    if (result && result->ok() && result->verticesStored > 0) nationalModified_ = false;
}

void MainWindow::AddToASC257() {
    if (PromptAddToASC257(prompter_, state_.piece, state_.national)) nationalModified_ = true;
}

void MainWindow::SaveASC257() {
    WaitCursor wait;
    if (gw::SaveASC257(state_, prompter_, statusSink())) nationalModified_ = false;
}

void MainWindow::ClearASC257() {
    gw::ClearASC257(state_);
    nationalModified_ = false;
}

void MainWindow::ConvertSXTrack(const std::string& mode) {
    if (txtActiveCell_->isVisible()) CommitCellEdit();
    ConvertSXContext context(state_, prompter_, statusSink(), *placement_);
    context.parent = this;
    context.userDataFolder = DefaultUserDataFolder();
    context.preview = &DisplacementPreviewWindow();
    context.texture = TextureStepInWindow(TextureBuilderWindow());
    context.showEmptyPiece = [this] {
        document_->LoadPiece(state_.piece);  // all zero; the undo history goes with the piece
        itmFileSave_->setEnabled(false);
        document_->SetModified(false);
        UpdateCaption();
    };
    const ConvertSXOutcome outcome = ConvertSX(mode, context);
    // A track that went into the grid is a terrain not yet saved.
    if (outcome.end == ConvertSXEnd::Ran) nationalModified_ = true;
}

void MainWindow::ShowASC257Statistics(bool slopeMode) {
    if (!statistics_) {
        statistics_ = new StatisticsDialog(slopeMode, state_.national, statusSink(), *placement_, this);
        connect(statistics_, &StatisticsDialog::terrainChanged, this, [this] { nationalModified_ = true; });
    }
    statistics_->ShowStatistics(slopeMode);
}

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
    if (!nationalModified_) return true;
    return prompter_.AskYesNo("The terrain (ASC257) has changes that are not saved. Exit anyway?",
                              "Exiting Gridwright");
}

}  // namespace gw
