// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LinePicture.h"

#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>

namespace gw {

LinePicture::LinePicture(const QString& objectName, QWidget* parent)
    : QWidget(parent),
      foreground_(palette().color(QPalette::WindowText)),
      background_(palette().color(QPalette::Base)) {
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LinePicture::SetLines(const QRectF& area, std::vector<LineSegment> lines) {
    area_ = area;
    lines_ = std::move(lines);
    update();
}

void LinePicture::SetColors(const QColor& foreground, const QColor& background) {
    foreground_ = foreground;
    background_ = background;
    update();
}

namespace {

// The scales and the offsets that show the area in the target: one scale,
// centred, when the aspect is kept.
struct AreaMapping {
    double sx = 1, sy = 1, left = 0, top = 0;
    AreaMapping(const QRectF& target, const QRectF& area, bool keepAspect) {
        if (area.width() == 0 || area.height() == 0) return;
        sx = target.width() / area.width();
        sy = target.height() / area.height();
        if (keepAspect) sx = sy = std::min(sx, sy);
        left = target.left() + (target.width() - area.width() * sx) / 2 - area.left() * sx;
        top = target.top() + (target.height() - area.height() * sy) / 2 - area.top() * sy;
    }
    QPointF Map(double x, double y) const { return QPointF(left + x * sx, top + y * sy); }
};

}  // namespace

QPointF LinePicture::FromArea(const QPointF& point) const {
    return AreaMapping(QRectF(rect()), area_, keepAspect_).Map(point.x(), point.y());
}

QPointF LinePicture::ToArea(const QPointF& pixel) const {
    const AreaMapping mapping(QRectF(rect()), area_, keepAspect_);
    return QPointF((pixel.x() - mapping.left) / mapping.sx, (pixel.y() - mapping.top) / mapping.sy);
}

void LinePicture::PaintLines(QPainter& painter, const QRect& target, const QRectF& area,
                             const std::vector<LineSegment>& lines, const QColor& foreground, const QColor& background,
                             bool keepAspect) {
    painter.fillRect(target, background);
    if (area.width() == 0 || area.height() == 0) return;
    const AreaMapping mapping(QRectF(target), area, keepAspect);
    // Mapped by hand rather than through a painter transform, so the pen stays
    // one pixel wide whatever the scale.
    QVarLengthArray<QLineF, 600> mapped;
    for (const LineSegment& l : lines) mapped.append(QLineF(mapping.Map(l.x1, l.y1), mapping.Map(l.x2, l.y2)));
    painter.setPen(QPen(foreground, 0));
    painter.drawLines(mapped.constData(), static_cast<int>(mapped.size()));
}

void LinePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintLines(painter, rect(), area_, lines_, foreground_, background_, keepAspect_);
}

}  // namespace gw
