// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TerrainView.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "app/QtText.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

constexpr int kCells = NationalGrid::kSize;
constexpr int kTiles = 16;
constexpr int kTileCells = 16;

QString TileText(int tile) { return QString::number(tile) + "g"; }

}  // namespace

TerrainView::TerrainView(QWidget* parent) : QWidget(parent) {
    setObjectName("picTerrain");
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    FitSize();
}

void TerrainView::ShowRelief(const TerrainRelief& relief) {
    const RgbImage& image = relief.image;
    relief_ = QImage(image.data(), image.width(), image.height(), static_cast<qsizetype>(image.rowBytes()),
                     QImage::Format_RGB888)
                  .copy();
    update();
}

int TerrainView::Margin() const { return fontMetrics().horizontalAdvance("16g") + 8; }

void TerrainView::SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 32.0);
    FitSize();
    update();
}

void TerrainView::FitSize() {
    const int side = Margin() + static_cast<int>(std::ceil(kCells * zoom_)) + 2;
    setFixedSize(side, side);
}

bool TerrainView::CellAt(const QPoint& point, int& x, int& y) const {
    const double px = (point.x() - Margin()) / zoom_;
    const double py = (point.y() - Margin()) / zoom_;
    if (px < 0 || py < 0 || px >= kCells || py >= kCells) return false;
    x = static_cast<int>(px);
    y = kCells - 1 - static_cast<int>(py);  // the top row is the north edge
    return true;
}

QPoint TerrainView::CellCentre(int x, int y) const {
    return QPoint(Margin() + static_cast<int>((x + 0.5) * zoom_),
                  Margin() + static_cast<int>((kCells - 1 - y + 0.5) * zoom_));
}

void TerrainView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintTo(painter);
}

void TerrainView::PaintTo(QPainter& painter) {
    const double m = Margin();
    const double side = kCells * zoom_;
    painter.fillRect(rect(), palette().window());
    // Smoothed while cells are smaller than a few pixels; square cells beyond.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 4);
    if (!relief_.isNull()) painter.drawImage(QRectF(m, m, side, side), relief_);

    // Tile borders run through the vertices that neighbouring tiles share.
    auto lineAt = [&](int cell) { return m + (cell + 0.5) * zoom_; };
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
    for (int i = 0; i <= kTiles; ++i) {
        const double at = lineAt(std::min(i * kTileCells, kCells - 1));
        painter.drawLine(QPointF(at, m), QPointF(at, m + side));
        painter.drawLine(QPointF(m, at), QPointF(m + side, at));
    }

    // The "G" numbers: along the top from the west, down the left from the north.
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(palette().windowText().color());
    const double tileSide = kTileCells * zoom_;
    for (int tile = 1; tile <= kTiles; ++tile) {
        const double centre = m + (TileFirstX(tile) + kTileCells / 2.0 + 0.5) * zoom_;
        painter.drawText(QRectF(centre - tileSide / 2, 0, tileSide, m), Qt::AlignCenter, TileText(tile));
        painter.drawText(QRectF(0, centre - tileSide / 2, m - 4, tileSide), Qt::AlignRight | Qt::AlignVCenter,
                         TileText(tile));
    }
    // Each tile's own number where it fits inside.
    const QString widest = "16g,16g";
    if (tileSide >= metrics.horizontalAdvance(widest) + 8) {
        for (int ty = 1; ty <= kTiles; ++ty) {
            for (int tx = 1; tx <= kTiles; ++tx) {
                const QString text = TileText(tx) + "," + TileText(ty);
                const QRectF box(lineAt(TileFirstX(tx)) + 3, m + ((ty - 1) * kTileCells + 1) * zoom_,
                                 metrics.horizontalAdvance(text) + 4, metrics.height());
                painter.fillRect(box, QColor(255, 255, 255, 150));
                painter.setPen(Qt::black);
                painter.drawText(box, Qt::AlignCenter, text);
            }
        }
    }
    // The tile a click would add the piece to.
    if (hoverTileX_ > 0) {
        const double left = lineAt(TileFirstX(hoverTileX_));
        const double top = lineAt(kCells - 1 - (TileFirstY(hoverTileY_) + kTileCells));
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(left, top, tileSide, tileSide));
    }
}

void TerrainView::mouseMoveEvent(QMouseEvent* event) {
    int x = 0, y = 0;
    if (!CellAt(event->position().toPoint(), x, y)) {
        if (hoverTileX_ != 0) {
            hoverTileX_ = hoverTileY_ = 0;
            update();
        }
        Q_EMIT left();
        return;
    }
    if (TileOfX(x) != hoverTileX_ || TileOfY(y) != hoverTileY_) {
        hoverTileX_ = TileOfX(x);
        hoverTileY_ = TileOfY(y);
        update();
    }
    Q_EMIT cellHovered(x, y);
}

void TerrainView::mousePressEvent(QMouseEvent* event) {
    int x = 0, y = 0;
    if (event->button() != Qt::LeftButton || !CellAt(event->position().toPoint(), x, y)) return;
    Q_EMIT tileClicked(TileOfX(x), TileOfY(y));
}

void TerrainView::leaveEvent(QEvent*) {
    hoverTileX_ = hoverTileY_ = 0;
    update();
    Q_EMIT left();
}

TerrainLegend::TerrainLegend(QWidget* parent) : QWidget(parent) {
    setObjectName("picLegend");
    setToolTip("The colours of the terrain's heights, from its lowest to its highest");
}

void TerrainLegend::ShowRange(double lowest, double highest) {
    lowest_ = lowest;
    highest_ = highest;
    lowestText_ = ToQ(PlainNumberText(lowest));
    highestText_ = ToQ(PlainNumberText(highest));
    updateGeometry();
    update();
}

QSize TerrainLegend::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const int text = std::max({metrics.horizontalAdvance(lowestText_), metrics.horizontalAdvance(highestText_),
                               metrics.horizontalAdvance("-000.00")});
    return QSize(text + 34, 12 * metrics.height());
}

void TerrainLegend::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int bar = 16;
    const QRect ramp(4, metrics.height(), bar, height() - 2 * metrics.height());
    QLinearGradient gradient(ramp.topLeft(), ramp.bottomLeft());
    for (int i = 0; i <= 8; ++i) {
        const RampColour c = HeightRampColour(8 - i, 0, 8);
        gradient.setColorAt(i / 8.0, QColor(c.red, c.green, c.blue));
    }
    // A flat terrain has one colour, the ramp's middle.
    const RampColour middle = HeightRampColour(0, 0, 0);
    if (highest_ > lowest_)
        painter.fillRect(ramp, gradient);
    else
        painter.fillRect(ramp, QColor(middle.red, middle.green, middle.blue));
    painter.setPen(palette().windowText().color());
    painter.drawRect(ramp.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(ramp.right() + 6, 0, width(), 2 * metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     highestText_);
    painter.drawText(QRect(ramp.right() + 6, ramp.bottom() - metrics.height(), width(), 2 * metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, lowestText_);
}

}  // namespace gw
