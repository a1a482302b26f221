// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TerrainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/QtText.h"
#include "app/TerrainView.h"
#include "app/WindowPlacement.h"
#include "core/io/Paths.h"
#include "core/terrain/TerrainRelief.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

constexpr const char* kHint = "Click a tile to add the open piece there";

void AddZoomItem(TerrainWindow* window, QToolBar* bar, const char* name, const QString& caption,
                 const QKeySequence& key, void (TerrainWindow::*slot)()) {
    QAction* action = bar->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, window, slot);
}

}  // namespace

TerrainWindow::TerrainWindow(WindowPlacement& placement, QWidget* parent) : QMainWindow(parent), placement_(placement) {
    setObjectName("frmTerrain");
    setWindowFlag(Qt::Window);
    setWindowTitle("Terrain");

    QToolBar* bar = addToolBar("Zoom");
    bar->setObjectName("tbrTerrain");
    bar->setMovable(false);
    AddZoomItem(this, bar, "itmTerrainZoomFit", "Zoom to &Fit", QKeySequence(Qt::CTRL | Qt::Key_0),
                &TerrainWindow::ZoomToFit);
    AddZoomItem(this, bar, "itmTerrainZoomIn", "Zoom &In", QKeySequence::ZoomIn, &TerrainWindow::ZoomIn);
    AddZoomItem(this, bar, "itmTerrainZoomOut", "Zoom &Out", QKeySequence::ZoomOut, &TerrainWindow::ZoomOut);

    auto* central = new QWidget(this);
    auto* page = new QHBoxLayout(central);
    page->setContentsMargins(4, 4, 4, 4);
    scroll_ = new QScrollArea(central);
    scroll_->setObjectName("scrTerrain");
    scroll_->setAlignment(Qt::AlignCenter);
    view_ = new TerrainView(scroll_);
    scroll_->setWidget(view_);
    legend_ = new TerrainLegend(central);
    page->addWidget(scroll_, 1);
    page->addWidget(legend_);
    setCentralWidget(central);

    hoverText_ = new QLabel(kHint, this);
    hoverText_->setObjectName("lblTerrainStatus");
    statusBar()->addWidget(hoverText_, 1);

    connect(view_, &TerrainView::cellHovered, this,
            [this](int x, int y) { hoverText_->setText(CellText(grid_, x, y)); });
    connect(view_, &TerrainView::left, this, &TerrainWindow::ShowHint);
    connect(view_, &TerrainView::tileClicked, this, &TerrainWindow::tileClicked);

    // Room for the terrain at about three pixels a height.
    resize(view_->width() + legend_->sizeHint().width() + 40, view_->height() + 90);
    placement_.RestoreFormPosition(*this);
}

QString TerrainWindow::CellText(const NationalGrid& grid, int x, int y) {
    constexpr int kCentre = 128;
    return QString("X: %1  Y: %2  Z: %3  Tile: %4g, %5g")
        .arg(x - kCentre)
        .arg(y - kCentre)
        .arg(ToQ(TrimBlanks(PaddedNumberText(grid.At(x, y)))))
        .arg(TileOfX(x))
        .arg(TileOfY(y));
}

QString TerrainWindow::StatusText() const { return hoverText_->text(); }

void TerrainWindow::ShowHint() { hoverText_->setText(kHint); }

void TerrainWindow::ShowTerrain(const TerrainContent& terrain) {
    grid_ = terrain.grid;
    const TerrainRelief relief = RenderTerrainRelief(grid_);
    view_->ShowRelief(relief);
    legend_->ShowRange(relief.lowest, relief.highest);
    const std::string source = !terrain.currentTerFile.empty() ? terrain.currentTerFile : terrain.baseMapFile;
    setWindowTitle(source.empty() ? QString("Terrain") : "Terrain - " + PathToQ(GetFileName(source)));
}

void TerrainWindow::ZoomToFit() {
    fitting_ = true;
    // The room the layout gives the scroll area now, not what it had before.
    if (layout()) layout()->activate();
    const QSize room = scroll_->size() - QSize(2 * scroll_->frameWidth(), 2 * scroll_->frameWidth());
    const int side = std::min(room.width(), room.height()) - view_->Margin() - 4;
    view_->SetZoom(std::max(side, 64) / static_cast<double>(NationalGrid::kSize));
}

void TerrainWindow::ZoomIn() { ZoomBy(2); }

void TerrainWindow::ZoomOut() { ZoomBy(0.5); }

void TerrainWindow::ZoomBy(double factor) {
    fitting_ = false;
    // What is in the middle of the view stays there.
    QScrollBar* across = scroll_->horizontalScrollBar();
    QScrollBar* down = scroll_->verticalScrollBar();
    const QSize room = scroll_->viewport()->size();
    const double oldZoom = view_->zoom();
    const double x = (across->value() + room.width() / 2.0 - view_->Margin()) / oldZoom;
    const double y = (down->value() + room.height() / 2.0 - view_->Margin()) / oldZoom;
    view_->SetZoom(oldZoom * factor);
    const double zoom = view_->zoom();
    across->setValue(static_cast<int>(x * zoom + view_->Margin() - room.width() / 2.0));
    down->setValue(static_cast<int>(y * zoom + view_->Margin() - room.height() / 2.0));
}

void TerrainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (fitting_) ZoomToFit();
}

void TerrainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (fitting_) ZoomToFit();
}

void TerrainWindow::closeEvent(QCloseEvent* event) {
    placement_.SaveFormPosition(*this);
    QMainWindow::closeEvent(event);
}

}  // namespace gw
