// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// dlgStatistics: the terrain's lowest, highest and average heights, and in its
// slope mode the band of rows that blends the borders towards one edge height.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace gw {

struct NationalGrid;
class WindowPlacement;

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // slopeMode chooses the first captions; ShowStatistics changes them with the mode.
    // The statistics are of grid as it stands when asked for.
    StatisticsDialog(bool slopeMode, const NationalGrid& grid, WindowPlacement& placement, QWidget* parent);

    // Appends the four statistics lines and switches the slope controls to
    // the given mode (ShowASC257Statistics).
    void ShowStatistics(bool slopeMode);
    bool slopeEdges() const { return slopeEdges_; }

Q_SIGNALS:
    // Slope Edges was pressed with these texts: the owner of the terrain slopes
    // its edges (SlopeASC257Edges), as one undo step.
    void slopeEdgesRequested(const QString& edgeText, const QString& pointsText);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Apply();
    void ShowMode(bool slopeMode);

    const NationalGrid& grid_;
    WindowPlacement& placement_;
    bool slopeEdges_ = false;
    QListWidget* lstStatistics_ = nullptr;
    QLabel* lblPoints_ = nullptr;
    QLineEdit* txtNumPoints_ = nullptr;
    QLabel* lblEdge_ = nullptr;
    QLineEdit* txtEdge_ = nullptr;
    QPushButton* btnOKButton_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace gw
