// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// lblStatus of every window: a one-line status that never hides what matters.
// A text longer than the label loses its middle ("Processing /home/…/Dunes.TER"),
// so its start and the file name stay readable, and the whole text is the
// tooltip; a long text never widens the window.
#include <QLabel>

namespace gw {

class StatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit StatusLabel(QWidget* parent);

    // The text as painted: the whole text, or its middle left out.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace gw
