#pragma once
// frmDrawCurve ("Set Curve"): four scroll bars move the two inner control points
// of the profile and the picture shows the curve as it changes.
#include <QDialog>

#include "core/piece/CurveTool.h"
#include "core/text/NumberText.h"

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

private:
    QScrollBar* MakeBar(const char* name, Qt::Orientation orientation, int maximum, int value, CurveBar which);

    CurveState& state_;
    NumberFormat numberFormat_;
    LinePicture* picCurve_ = nullptr;
};

}  // namespace gw
