// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmTerrain ("Terrain"): the whole terrain as a shaded relief with its height
// legend and the track editor's tiles. Hovering shows the cell under the
// pointer; clicking a tile asks the main window to add the open piece there.
// It repaints whenever the terrain document changes, undo and redo included.
#include <QMainWindow>

#include "core/terrain/TerrainContent.h"

class QLabel;
class QScrollArea;

namespace gw {

class TerrainLegend;
class TerrainView;
class WindowPlacement;

class TerrainWindow : public QMainWindow {
    Q_OBJECT
public:
    TerrainWindow(WindowPlacement& placement, QWidget* parent);

    // Renders the terrain anew and keeps it for the hover texts.
    void ShowTerrain(const TerrainContent& terrain);
    void ZoomToFit();
    void ZoomIn();
    void ZoomOut();

    TerrainView* view() const { return view_; }
    TerrainLegend* legend() const { return legend_; }
    QString StatusText() const;

    // "X: -96  Y: 112  Z: 4.5  Tile: 3g, 1g": terrain coordinates as Add to
    // ASC257 takes them.
    static QString CellText(const NationalGrid& grid, int x, int y);

Q_SIGNALS:
    void tileClicked(int tileX, int tileY);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowHint();
    void ZoomBy(double factor);

    WindowPlacement& placement_;
    NationalGrid grid_;
    TerrainView* view_ = nullptr;
    TerrainLegend* legend_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* lblTerrainStatus_ = nullptr;
    bool fitting_ = true;  // the zoom follows the window's size until zoomed in
};

}  // namespace gw
