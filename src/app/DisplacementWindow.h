#pragma once
// frmDisplacement ("Displacement Map"): the map being made, pixel for pixel, and
// the run's progress. The picture keeps what earlier runs drew around a smaller
// map, as a drawing surface does.
#include <QImage>
#include <QWidget>

#include "core/dispmap/DisplacementMapRun.h"

class QLabel;

namespace gw {

class DisplacementWindow : public QWidget, public DisplacementPreview {
    Q_OBJECT
public:
    explicit DisplacementWindow(QWidget* parent);

    void Status(const std::string& text) override;
    void ShowPreview() override;
    void DrawMap(const RgbImage& pixels) override;

    const QImage& picture() const { return picture_; }

private:
    QImage picture_;
    QWidget* picDisplaceMap_ = nullptr;
    QLabel* lblStatus_ = nullptr;
};

}  // namespace gw
