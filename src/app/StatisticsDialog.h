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

// The dialog shows the statistics alone, or with the controls that slope the edges.
enum class StatisticsMode { Statistics, SlopeEdges };

struct NationalGrid;
class WindowPlacement;

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // mode chooses the first captions; ShowStatistics changes them with the mode.
    // The statistics are of grid as it stands when asked for.
    StatisticsDialog(StatisticsMode mode, const NationalGrid& grid, WindowPlacement& placement, QWidget* parent);

    // Appends the four statistics lines and switches the slope controls to
    // the given mode (ShowASC257Statistics).
    void ShowStatistics(StatisticsMode mode);
    StatisticsMode mode() const { return mode_; }

Q_SIGNALS:
    // Slope Edges was pressed with these texts: the owner of the terrain slopes
    // its edges (SlopeASC257Edges), as one undo step.
    void slopeEdgesRequested(const QString& edgeText, const QString& pointsText);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Apply();
    void ShowMode(StatisticsMode mode);

    const NationalGrid& grid_;
    WindowPlacement& placement_;
    StatisticsMode mode_ = StatisticsMode::Statistics;
    QListWidget* statisticsList_ = nullptr;
    QLabel* pointsLabel_ = nullptr;
    QLineEdit* pointsBox_ = nullptr;
    QLabel* edgeLabel_ = nullptr;
    QLineEdit* edgeValueBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace gw
