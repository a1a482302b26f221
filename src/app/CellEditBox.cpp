// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CellEditBox.h"

#include <QKeyEvent>

namespace gw {

CellEditBox::CellEditBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName("txtActiveCell");
    setFrame(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hide();
}

void CellEditBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape: Q_EMIT cancelled(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter: Q_EMIT committed(0); return;
        case Qt::Key_Down: Q_EMIT committed(+1); return;
        case Qt::Key_Up: Q_EMIT committed(-1); return;
        default: QLineEdit::keyPressEvent(event);
    }
}

void CellEditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isVisible()) Q_EMIT focusLeft();
}

}  // namespace gw
