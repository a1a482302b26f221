#include "app/LinePicture.h"

#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>

namespace gw {

LinePicture::LinePicture(const QString& objectName, QWidget* parent)
    : QWidget(parent), foreground_(palette().color(QPalette::WindowText)), background_(palette().color(QPalette::Base)) {
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

// The one scale and the offset that show the area centred in the target.
struct AreaMapping {
    double scale = 1, left = 0, top = 0;
    AreaMapping(const QRectF& target, const QRectF& area) {
        if (area.width() == 0 || area.height() == 0) return;
        scale = std::min(target.width() / area.width(), target.height() / area.height());
        left = target.left() + (target.width() - area.width() * scale) / 2 - area.left() * scale;
        top = target.top() + (target.height() - area.height() * scale) / 2 - area.top() * scale;
    }
    QPointF Map(double x, double y) const { return QPointF(left + x * scale, top + y * scale); }
};

}  // namespace

QPointF LinePicture::FromArea(const QPointF& point) const {
    return AreaMapping(QRectF(rect()), area_).Map(point.x(), point.y());
}

QPointF LinePicture::ToArea(const QPointF& pixel) const {
    const AreaMapping mapping(QRectF(rect()), area_);
    return QPointF((pixel.x() - mapping.left) / mapping.scale, (pixel.y() - mapping.top) / mapping.scale);
}

void LinePicture::PaintLines(QPainter& painter, const QRect& target, const QRectF& area,
                             const std::vector<LineSegment>& lines, const QColor& foreground,
                             const QColor& background) {
    painter.fillRect(target, background);
    if (area.width() == 0 || area.height() == 0) return;
    const AreaMapping mapping(QRectF(target), area);
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
    PaintLines(painter, rect(), area_, lines_, foreground_, background_);
}

}  // namespace gw
