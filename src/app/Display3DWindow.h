// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmDisplay3D ("Display 3D"): the open piece as a wireframe in perspective,
// turned with three scroll bars and zoomed with a fourth. It follows every change
// of the piece at once.
#include <QMainWindow>

class QGridLayout;
class QLabel;
class QScrollBar;

namespace gw {

class LinePicture;
class PieceDocument;
class Prompter;
class WindowPlacement;

class Display3DWindow : public QMainWindow {
    Q_OBJECT
public:
    Display3DWindow(PieceDocument& document, WindowPlacement& placement, Prompter& prompter, QWidget* parent);

    // Draw3DView with the current bar values.
    void Redraw();
    void ToggleColors();
    LinePicture* picture() const { return pic3D_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QScrollBar* AddAngleBar(const char* name, const char* caption, const char* valueLabel, int initial);
    void UpdateLabels();

    PieceDocument& document_;
    WindowPlacement& placement_;
    Prompter& prompter_;
    LinePicture* pic3D_ = nullptr;
    QScrollBar* scrlX_ = nullptr;
    QScrollBar* scrlY_ = nullptr;
    QScrollBar* scrlZ_ = nullptr;
    QScrollBar* scrlZoom_ = nullptr;
    QLabel* lblZoomVal_ = nullptr;
    QGridLayout* bars_ = nullptr;
};

}  // namespace gw
