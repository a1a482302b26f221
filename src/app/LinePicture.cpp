#include "app/LinePicture.h"

#include <QPainter>
#include <QVarLengthArray>

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

void LinePicture::PaintLines(QPainter& painter, const QRect& target, const QRectF& area,
                             const std::vector<LineSegment>& lines, const QColor& foreground,
                             const QColor& background) {
    painter.fillRect(target, background);
    if (area.width() == 0 || area.height() == 0) return;
    const double sx = target.width() / area.width();
    const double sy = target.height() / area.height();
    // Mapped by hand rather than through a painter transform, so the pen stays
    // one pixel wide whatever the scale.
    QVarLengthArray<QLineF, 600> mapped;
    for (const LineSegment& l : lines) {
        mapped.append(QLineF(target.left() + (l.x1 - area.left()) * sx, target.top() + (l.y1 - area.top()) * sy,
                             target.left() + (l.x2 - area.left()) * sx, target.top() + (l.y2 - area.top()) * sy));
    }
    painter.setPen(QPen(foreground, 0));
    painter.drawLines(mapped.constData(), static_cast<int>(mapped.size()));
}

void LinePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintLines(painter, rect(), area_, lines_, foreground_, background_);
}

}  // namespace gw
