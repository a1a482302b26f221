// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CurveDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineF>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/LinePicture.h"
#include "app/QtText.h"

#include <cmath>

namespace gw {

CurveDialog::CurveDialog(CurveState& state, const NumberFormat& numberFormat, QWidget* parent)
    : QDialog(parent), state_(state), numberFormat_(numberFormat) {
    setObjectName("frmDrawCurve");
    setWindowTitle("Set Curve");
    setModal(true);

    // The 200 x 300 drawing units fill the picture, as large as the dialog allows.
    picCurve_ = new LinePicture("picCurve", this);
    picCurve_->SetKeepAspect(false);
    picCurve_->setMinimumSize(240, 300);
    picCurve_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    picCurve_->installEventFilter(this);
    picCurve_->setCursor(Qt::CrossCursor);
    picCurve_->setToolTip("Drag a control point's square, or move it with the bars");

    auto* frame1 = new QGroupBox("Control Point 1", this);
    frame1->setObjectName("Frame1");
    auto* frame2 = new QGroupBox("Control Point 2", this);
    frame2->setObjectName("Frame2");
    const CurveBars& bars = state_.bars;
    // Each frame: the position bar with its value under it, then the height's
    // value, and the height bar standing beside them.
    auto addBars = [this](QGroupBox* frame, const char* xName, const char* yName, const char* xLabel,
                          const char* yLabel, int x, int y, CurveBar xBar, CurveBar yBar) {
        PointControls point;
        point.positionBar = MakeBar(xName, Qt::Horizontal, kCurveBarXMaximum, x, xBar);
        point.heightBar = MakeBar(yName, Qt::Vertical, kCurveBarYMaximum, y, yBar);
        point.positionValue = MakeLabel(xLabel);
        point.heightValue = MakeLabel(yLabel);
        auto* layout = new QGridLayout(frame);
        layout->addWidget(point.positionBar, 0, 0);
        layout->addWidget(point.positionValue, 1, 0);
        layout->addWidget(point.heightValue, 2, 0);
        layout->addWidget(point.heightBar, 0, 1, 4, 1);
        layout->setRowStretch(3, 1);
        return point;
    };
    point1_ = addBars(frame1, "hscrlPoint1x", "vscrlPoint1y", "lblPoint1x", "lblPoint1y", bars.point1x, bars.point1y,
                      CurveBar::Point1X, CurveBar::Point1Y);
    point2_ = addBars(frame2, "hscrlPoint2x", "vscrlPoint2y", "lblPoint2x", "lblPoint2y", bars.point2x, bars.point2y,
                      CurveBar::Point2X, CurveBar::Point2Y);

    enterValue_ = MakeLabel("lblEnter");
    exitValue_ = MakeLabel("lblExit");
    auto* ends = new QGridLayout();
    ends->addWidget(MakeLabel("lblTEnter", "Enter"), 0, 0);
    ends->addWidget(enterValue_, 0, 1);
    ends->addWidget(MakeLabel("lblTExit", "Exit"), 1, 0);
    ends->addWidget(exitValue_, 1, 1);

    auto* apply = new QPushButton("&Apply", this);
    apply->setObjectName("btnApply");
    apply->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("btnCancel");
    // Both only hide the dialog; the caller applies the curve as last drawn.
    connect(apply, &QPushButton::clicked, this, &QDialog::hide);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);

    auto* side = new QVBoxLayout();
    side->addWidget(frame1);
    side->addWidget(frame2);
    side->addLayout(ends);
    side->addStretch(1);
    side->addWidget(apply);
    side->addWidget(cancel);
    auto* page = new QHBoxLayout(this);
    page->addWidget(picCurve_, 1);
    page->addLayout(side);
    DrawCurvePreview();
}

QLabel* CurveDialog::MakeLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    return label;
}

void CurveDialog::ShowBarValues() {
    // In the piece's terms: a position along the range and a height.
    const CurveBars& bars = state_.bars;
    auto text = [this](const char* what, double value) { return what + ToQ(PlainNumberText(value, numberFormat_)); };
    point1_.positionValue->setText(text("Position ", PositionOfX(bars.point1x)));
    point1_.heightValue->setText(text("Height ", HeightOfY(bars.point1y)));
    point2_.positionValue->setText(text("Position ", PositionOfX(bars.point2x)));
    point2_.heightValue->setText(text("Height ", HeightOfY(bars.point2y)));
}

bool CurveDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool isMouse =
        type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (watched != picCurve_ || !isMouse) return QDialog::eventFilter(watched, event);
    // Only a mouse event is one: the picture also gets paint, resize and other events.
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        // The nearer inner point takes the press when it lies within a few pixels.
        const QPointF at = mouse->position();
        constexpr double kReach = 10;
        double nearest = kReach;
        dragged_ = 0;
        for (int i : {1, 2}) {
            const CurvePoint& p = state_.points[static_cast<std::size_t>(i)];
            const double distance = QLineF(at, picCurve_->FromArea(QPointF(p.x, p.y))).length();
            if (distance <= nearest) {
                nearest = distance;
                dragged_ = i;
            }
        }
        return dragged_ != 0;
    }
    if (type == QEvent::MouseMove && dragged_ != 0) {
        // Through the bars, which keep the point inside their ranges and redraw.
        const QPointF to = picCurve_->ToArea(mouse->position());
        const PointControls& point = dragged_ == 1 ? point1_ : point2_;
        point.positionBar->setValue(static_cast<int>(std::lround(to.x())));
        point.heightBar->setValue(static_cast<int>(std::lround(to.y())));
        return true;
    }
    if (type == QEvent::MouseButtonRelease && dragged_ != 0) {
        dragged_ = 0;
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QScrollBar* CurveDialog::MakeBar(const char* name, Qt::Orientation orientation, int maximum, int value,
                                 CurveBar which) {
    auto* bar = new QScrollBar(orientation, this);
    bar->setObjectName(name);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(value);
    if (orientation == Qt::Horizontal)
        bar->setMinimumWidth(140);
    else
        bar->setMinimumHeight(120);
    connect(bar, &QScrollBar::valueChanged, this, [this, which](int v) {
        MoveCurveBar(state_, which, v);
        DrawCurvePreview();
    });
    return bar;
}

void CurveDialog::SetEnds(double enterHeight, double exitHeight) {
    enterValue_->setText(ToQ(PlainNumberText(enterHeight, numberFormat_)));
    exitValue_->setText(ToQ(PlainNumberText(exitHeight, numberFormat_)));
}

void CurveDialog::DrawCurvePreview() {
    picCurve_->SetLines(QRectF(0, 0, kCurveBarXMaximum, kCurveBarYMaximum), CurvePreviewLines(state_));
    // The bars move while the dialog is being built, before their labels exist.
    if (point2_.heightValue) ShowBarValues();
}

void CurveDialog::closeEvent(QCloseEvent* event) {
    // The close box unloads the dialog: its next use starts from the load values.
    UnloadCurveDialog(state_);
    QDialog::closeEvent(event);
}

}  // namespace gw
