// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Display3DWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/LinePicture.h"
#include "app/PieceDocument.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "core/Interfaces.h"
#include "core/piece/Projection3D.h"

namespace gw {

Display3DWindow::Display3DWindow(PieceDocument& document, WindowPlacement& placement, Prompter& prompter,
                                 QWidget* parent)
    : QMainWindow(parent), document_(document), placement_(placement), prompter_(prompter) {
    setObjectName("frmDisplay3D");
    setWindowTitle("Display 3D");
    setWindowFlag(Qt::Window);
    QAction* toggle = menuBar()->addAction("&Toggle Colors");
    toggle->setObjectName("mnuToggleColors");
    connect(toggle, &QAction::triggered, this, &Display3DWindow::ToggleColors);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    pic3D_ = new LinePicture("pic3D", central);
    pic3D_->setMinimumSize(200, 200);
    pic3D_->SetColors(palette().color(QPalette::WindowText), palette().color(QPalette::Window));

    bars_ = new QGridLayout();
    bars_->setColumnStretch(1, 1);
    scrlX_ = AddAngleBar("scrlX", "X", "lblXVal", 60);
    scrlY_ = AddAngleBar("scrlY", "Y", "lblYVal", 0);
    scrlZ_ = AddAngleBar("scrlZ", "Z", "lblZVal", 0);

    scrlZoom_ = new QScrollBar(Qt::Vertical, central);
    scrlZoom_->setObjectName("scrlZoom");
    scrlZoom_->setRange(kZoomMinimum, kZoomMaximum);
    scrlZoom_->setSingleStep(1);
    scrlZoom_->setPageStep(5);
    scrlZoom_->setValue(100);
    auto* lblZoom = new QLabel("Zoom", central);
    lblZoom->setObjectName("lblZoom");
    lblZoomVal_ = new QLabel(central);
    lblZoomVal_->setObjectName("lblZoomVal");
    lblZoomVal_->setMinimumWidth(30);
    connect(scrlZoom_, &QScrollBar::valueChanged, this, [this] {
        UpdateLabels();
        Redraw();
    });

    auto* zoom = new QVBoxLayout();
    zoom->addWidget(lblZoom, 0, Qt::AlignHCenter);
    zoom->addWidget(scrlZoom_, 1, Qt::AlignHCenter);
    zoom->addWidget(lblZoomVal_, 0, Qt::AlignHCenter);
    auto* top = new QHBoxLayout();
    top->addWidget(pic3D_, 1);
    top->addLayout(zoom);
    auto* page = new QVBoxLayout(central);
    page->addLayout(top, 1);
    page->addLayout(bars_);

    connect(&document_, &PieceDocument::pieceChanged, this, [this] {
        if (isVisible()) Redraw();
    });
    UpdateLabels();
    // 420 x 420 for the picture where the screen has room for it.
    resize(QSize(520, 600).boundedTo(screen()->availableGeometry().size() - QSize(10, 40)));
    placement_.RestoreFormPosition(*this);
}

QScrollBar* Display3DWindow::AddAngleBar(const char* name, const char* caption, const char* valueLabel, int initial) {
    const int row = bars_->rowCount();
    auto* label = new QLabel(caption, centralWidget());
    auto* bar = new QScrollBar(Qt::Horizontal, centralWidget());
    bar->setObjectName(name);
    bar->setRange(-360, 360);
    bar->setSingleStep(2);
    bar->setPageStep(10);
    bar->setValue(initial);
    auto* value = new QLabel(centralWidget());
    value->setObjectName(valueLabel);
    value->setMinimumWidth(36);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bars_->addWidget(label, row, 0);
    bars_->addWidget(bar, row, 1);
    bars_->addWidget(value, row, 2);
    // valueChanged follows the thumb while it is dragged, so the picture does too.
    connect(bar, &QScrollBar::valueChanged, this, [this] {
        UpdateLabels();
        Redraw();
    });
    return bar;
}

void Display3DWindow::UpdateLabels() {
    findChild<QLabel*>("lblXVal")->setText(QString::number(scrlX_->value()));
    findChild<QLabel*>("lblYVal")->setText(QString::number(scrlY_->value()));
    findChild<QLabel*>("lblZVal")->setText(QString::number(scrlZ_->value()));
    lblZoomVal_->setText(QString::number(ViewDistanceOfZoom(scrlZoom_->value())));
}

void Display3DWindow::Redraw() {
    Wireframe wireframe = ProjectWireframe(document_.grid(), scrlX_->value(), scrlY_->value(), scrlZ_->value(),
                                           ViewDistanceOfZoom(scrlZoom_->value()));
    const ViewArea& a = wireframe.area;
    pic3D_->SetLines(QRectF(a.left, a.top, a.width, a.height), std::move(wireframe.lines));
    if (!wireframe.errorMessage.empty()) prompter_.Warning(wireframe.errorMessage, "Gridwright");
}

void Display3DWindow::ToggleColors() {
    pic3D_->SetColors(pic3D_->background(), pic3D_->foreground());
    Redraw();
}

void Display3DWindow::closeEvent(QCloseEvent* event) {
    placement_.SaveFormPosition(*this);
    QMainWindow::closeEvent(event);
}

}  // namespace gw
