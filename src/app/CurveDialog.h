// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmDrawCurve ("Set Curve"): four scroll bars move the two inner control points
// of the profile and the picture shows the curve as it changes. The points can
// also be dragged on the picture; the bars follow, and each bar shows its value.
#include <QDialog>

#include "core/piece/CurveTool.h"
#include "core/text/NumberText.h"

class QLabel;
class QScrollBar;

namespace gw {

class LinePicture;

class CurveDialog : public QDialog {
    Q_OBJECT
public:
    CurveDialog(CurveState& state, const NumberFormat& numberFormat, QWidget* parent);

    // The heights at the enter and exit ends, shown beside the picture.
    void SetEnds(double enterHeight, double exitHeight);
    // Redraws the picture from the state (DrawCurvePreview).
    void DrawCurvePreview();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar* MakeBar(const char* name, Qt::Orientation orientation, int maximum, int value, CurveBar which);
    QLabel* MakeValueLabel(const char* name);
    void ShowBarValues();

    CurveState& state_;
    NumberFormat numberFormat_;
    LinePicture* picCurve_ = nullptr;
    int dragged_ = 0;  // the inner point being dragged (1 or 2), 0 for none
};

}  // namespace gw
