// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace gw {

StatusLabel::StatusLabel(QWidget* parent) : QLabel(" ", parent) {
    setObjectName("lblStatus");
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QString StatusLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width() - 2 * margin());
}

void StatusLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, box, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), ShownText(),
                          foregroundRole());
}

bool StatusLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && ShownText() != text()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

}  // namespace gw
