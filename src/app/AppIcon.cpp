// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace gw {

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0, QColor(64, 120, 200));
    sky.setColorAt(1, QColor(28, 52, 96));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.16, s * 0.16);

    // A 7 x 7 lattice in perspective with a jump in its middle.
    auto height = [](double i, double j) {
        const double d = std::hypot(i - 3.0, j - 3.5);
        return std::max(0.0, 1.6 - 0.55 * d);
    };
    auto point = [&](double i, double j) {
        const double depth = 0.55 + j * 0.075;
        const double x = s * 0.5 + (i - 3.0) * s * 0.12 * depth;
        const double y = s * 0.3 + j * s * 0.085 - height(i, j) * s * 0.12;
        return QPointF(x, y);
    };
    painter.setPen(QPen(QColor(250, 210, 90), std::max(1.0, s / 48.0)));
    for (int j = 0; j <= 6; ++j) {
        QPainterPath row(point(0, j));
        for (int i = 1; i <= 6; ++i) row.lineTo(point(i, j));
        painter.drawPath(row);
    }
    for (int i = 0; i <= 6; ++i) {
        QPainterPath column(point(i, 0));
        for (int j = 1; j <= 6; ++j) column.lineTo(point(i, j));
        painter.drawPath(column);
    }
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(AppIconPixmap(size));
    return icon;
}

}  // namespace gw
