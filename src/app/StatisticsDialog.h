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
class StatusSink;
class WindowPlacement;

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // slopeMode chooses the first captions; ShowStatistics changes them with the mode.
    StatisticsDialog(bool slopeMode, NationalGrid& grid, StatusSink& status, WindowPlacement& placement,
                     QWidget* parent);

    // Appends the four statistics lines and switches the slope controls to
    // the given mode (ShowASC257Statistics).
    void ShowStatistics(bool slopeMode);
    bool slopeEdges() const { return slopeEdges_; }

Q_SIGNALS:
    // The edges were sloped: the terrain changed.
    void terrainChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Apply();
    void ShowMode(bool slopeMode);

    NationalGrid& grid_;
    StatusSink& status_;
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
