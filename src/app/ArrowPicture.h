// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small arrow pictures beside "Shift Cells" (picUp, picDown, picLeft,
// picRight): a drawn arrow that looks pressed while its shift runs.
#include <QWidget>

namespace gw {

class ArrowPicture : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down, Left, Right };
    ArrowPicture(Direction direction, const QString& objectName, QWidget* parent);

    void SetPressedLook(bool pressed);
    bool pressedLook() const { return pressed_; }
    // A square as tall as a line of text and a little more, so the arrows grow
    // with the font like the buttons beside them.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Direction direction_;
    bool pressed_ = false;
};

}  // namespace gw
