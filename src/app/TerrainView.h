// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// picTerrain: the terrain's shaded relief at a chosen zoom, with the track
// editor's 16 x 16 tiles drawn over it and their "G" numbers along the top and
// the left; picLegend: the colours of the relief's height range. The pictures
// come from the core (RenderTerrainRelief); these widgets only scale and label.
#include <QImage>
#include <QPoint>
#include <QWidget>

#include "core/terrain/TerrainRelief.h"

namespace gw {

class TerrainView : public QWidget {
    Q_OBJECT
public:
    explicit TerrainView(QWidget* parent = nullptr);

    void ShowRelief(const TerrainRelief& relief);
    // Screen pixels per terrain cell.
    double zoom() const { return zoom_; }
    void SetZoom(double zoom);
    // Room taken by the tile numbers above and left of the picture.
    int Margin() const;

    // The terrain cell (x, y from 0 to 256) under a point of the widget, false
    // outside the picture; and the widget point at a cell's centre.
    bool CellAt(const QPoint& point, int& x, int& y) const;
    QPoint CellCentre(int x, int y) const;

    // The picture as painted, for tests and benchmarks.
    void PaintTo(QPainter& painter);

Q_SIGNALS:
    void cellHovered(int x, int y);
    void left();
    void tileClicked(int tileX, int tileY);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void FitSize();

    QImage relief_;
    double zoom_ = 3;
    int hoverTileX_ = 0, hoverTileY_ = 0;  // 0: none
};

class TerrainLegend : public QWidget {
    Q_OBJECT
public:
    explicit TerrainLegend(QWidget* parent = nullptr);
    void ShowRange(double lowest, double highest);
    QString lowestText() const { return lowestText_; }
    QString highestText() const { return highestText_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double lowest_ = 0, highest_ = 0;
    QString lowestText_, highestText_;
};

}  // namespace gw
