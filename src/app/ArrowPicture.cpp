// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ArrowPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace gw {

ArrowPicture::ArrowPicture(Direction direction, const QString& objectName, QWidget* parent)
    : QWidget(parent), direction_(direction) {
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

QSize ArrowPicture::sizeHint() const {
    const int side = fontMetrics().height() + 8;
    return QSize(side, side);
}

void ArrowPicture::SetPressedLook(bool pressed) {
    pressed_ = pressed;
    repaint();
}

void ArrowPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (pressed_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(palette().color(QPalette::Mid));
        painter.drawRect(box);
    }
    // A triangle pointing up, turned to the arrow's direction.
    const double w = width(), h = height();
    QPolygonF arrow({QPointF(w / 2, h * 0.2), QPointF(w * 0.8, h * 0.75), QPointF(w * 0.2, h * 0.75)});
    painter.translate(w / 2, h / 2);
    const int turns[] = {0, 180, 270, 90};
    painter.rotate(turns[static_cast<int>(direction_)]);
    painter.translate(-w / 2, -h / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? palette().color(QPalette::WindowText) : palette().color(QPalette::Mid));
    painter.drawPolygon(arrow);
}

void ArrowPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && isEnabled()) {
        Q_EMIT clicked();
    }
}

}  // namespace gw
