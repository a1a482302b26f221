// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's heightmap items: File > Import / Export Heightmap for the
// piece, National > Import / Export Heightmap for the terrain. Each import is
// one undo step of its document.
#include "app/CellEditBox.h"
#include "app/MainWindow.h"
#include "app/PieceDocument.h"
#include "app/TerrainDocument.h"
#include "app/WaitCursor.h"
#include "core/heightmap/HeightmapMenu.h"
#include "core/io/Paths.h"
#include "core/terrain/Asc257File.h"
#include "core/terrain/TerrainTexts.h"

namespace gw {

void MainWindow::ImportPieceHeightmap() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    const std::optional<HeightmapImport> import = AskHeightmapImport(prompter_, state_.pieceFolder);
    if (!import) return;
    Outcome made = Outcome::Ok();
    document_->ApplyToPiece("Import Heightmap",
                            [&](PieceGrid& grid) { made = PieceFromHeightmap(import->map, import->heights, grid); });
    if (!made) {
        prompter_.Warning(import->path + ": " + made.message(), kImportHeightmapTitle);
        return;
    }
    Status("Heightmap imported from " + import->path);
}

void MainWindow::ExportPieceHeightmap() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    const std::string name = state_.pieceName.empty() ? "piece" : state_.pieceName;
    const std::string path =
        AskHeightmapExport(prompter_, state_.pieceFolder, name + ".png", PieceHeightmap(state_.piece));
    if (!path.empty()) Status("Heightmap saved as " + path);
}

void MainWindow::ImportTerrainHeightmap() {
    const std::optional<HeightmapImport> import = AskHeightmapImport(prompter_, state_.nationalFolder);
    if (!import) return;
    Outcome made = Outcome::Ok();
    {
        WaitCursor wait;
        terrain_->Apply("Import Heightmap", [&](TerrainContent& terrain) {
            made = TerrainFromHeightmap(import->map, import->heights, terrain.grid);
        });
    }
    if (!made) {
        prompter_.Warning(import->path + ": " + made.message(), kTerrainMessageTitle);
        return;
    }
    Status("Heightmap imported from " + import->path);
    ShowTerrainWindow();
}

void MainWindow::ExportTerrainHeightmap() {
    WaitCursor wait;
    const std::string name = GetBaseName(DefaultAsc257SaveName(state_.currentTerFile, state_.lastAsc257File));
    const std::string path =
        AskHeightmapExport(prompter_, state_.nationalFolder, name + ".png", TerrainHeightmap(state_.national));
    if (!path.empty()) Status("Heightmap saved as " + path);
}

}  // namespace gw
