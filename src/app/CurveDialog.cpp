#include "app/CurveDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/LinePicture.h"
#include "app/QtText.h"

namespace gw {

CurveDialog::CurveDialog(CurveState& state, const NumberFormat& numberFormat, QWidget* parent)
    : QDialog(parent), state_(state), numberFormat_(numberFormat) {
    setObjectName("frmDrawCurve");
    setWindowTitle("Set Curve");
    setModal(true);

    picCurve_ = new LinePicture("picCurve", this);
    picCurve_->setFixedSize(300, 450);  // the 200 x 300 drawing units, one and a half pixels each

    auto* frame1 = new QGroupBox("Control Point 1", this);
    frame1->setObjectName("Frame1");
    auto* frame2 = new QGroupBox("Control Point 2", this);
    frame2->setObjectName("Frame2");
    const CurveBars& bars = state_.bars;
    auto* layout1 = new QGridLayout(frame1);
    layout1->addWidget(MakeBar("hscrlPoint1x", Qt::Horizontal, kCurveBarXMaximum, bars.point1x, CurveBar::Point1X), 0, 0);
    layout1->addWidget(MakeBar("vscrlPoint1y", Qt::Vertical, kCurveBarYMaximum, bars.point1y, CurveBar::Point1Y), 0, 1);
    auto* layout2 = new QGridLayout(frame2);
    layout2->addWidget(MakeBar("hscrlPoint2x", Qt::Horizontal, kCurveBarXMaximum, bars.point2x, CurveBar::Point2X), 0, 0);
    layout2->addWidget(MakeBar("vscrlPoint2y", Qt::Vertical, kCurveBarYMaximum, bars.point2y, CurveBar::Point2Y), 0, 1);

    auto makeLabel = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        return label;
    };
    auto* ends = new QGridLayout();
    ends->addWidget(makeLabel("lblTEnter", "Enter"), 0, 0);
    ends->addWidget(makeLabel("lblEnter", ""), 0, 1);
    ends->addWidget(makeLabel("lblTExit", "Exit"), 1, 0);
    ends->addWidget(makeLabel("lblExit", ""), 1, 1);

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
    page->addWidget(picCurve_);
    page->addLayout(side);
    DrawCurvePreview();
}

QScrollBar* CurveDialog::MakeBar(const char* name, Qt::Orientation orientation, int maximum, int value, CurveBar which) {
    auto* bar = new QScrollBar(orientation, this);
    bar->setObjectName(name);
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setValue(value);
    if (orientation == Qt::Horizontal) bar->setMinimumWidth(140);
    else bar->setMinimumHeight(120);
    connect(bar, &QScrollBar::valueChanged, this, [this, which](int v) {
        MoveCurveBar(state_, which, v);
        DrawCurvePreview();
    });
    return bar;
}

void CurveDialog::SetEnds(double enterHeight, double exitHeight) {
    findChild<QLabel*>("lblEnter")->setText(ToQ(PlainNumberText(enterHeight, numberFormat_)));
    findChild<QLabel*>("lblExit")->setText(ToQ(PlainNumberText(exitHeight, numberFormat_)));
}

void CurveDialog::DrawCurvePreview() {
    picCurve_->SetLines(QRectF(0, 0, kCurveBarXMaximum, kCurveBarYMaximum), CurvePreviewLines(state_));
}

void CurveDialog::closeEvent(QCloseEvent* event) {
    // The close box unloads the dialog: its next use starts from the load values.
    UnloadCurveDialog(state_);
    QDialog::closeEvent(event);
}

}  // namespace gw
