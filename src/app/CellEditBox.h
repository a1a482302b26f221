// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// txtActiveCell: the floating editor laid over a grid cell while it is edited.
#include <QLineEdit>

namespace gw {

class CellEditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CellEditBox(QWidget* parent);

Q_SIGNALS:
    void cancelled();             // Escape
    void committed(int rowStep);  // Enter (0), Down (+1), Up (-1)
    void focusLeft();             // the focus went elsewhere: commit what was typed

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace gw
