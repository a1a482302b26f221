// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// frmDisplacement ("Displacement Map"): the map being made and the run's
// progress. The picture holds exactly the last map's pixels; the pane shows it
// as large as the window allows.
#include <QImage>
#include <QWidget>

#include "core/dispmap/DisplacementMapRun.h"

namespace gw {

class StatusLabel;

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
    StatusLabel* lblStatus_ = nullptr;
};

}  // namespace gw
