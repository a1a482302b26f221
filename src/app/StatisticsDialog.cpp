// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatisticsDialog.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "app/WaitCursor.h"
#include "app/WindowPlacement.h"
#include "core/terrain/NationalGrid.h"
#include "core/terrain/Statistics.h"

namespace gw {

StatisticsDialog::StatisticsDialog(StatisticsMode mode, const NationalGrid& grid, WindowPlacement& placement,
                                   QWidget* parent)
    : QDialog(parent), grid_(grid), placement_(placement) {
    setObjectName("dlgStatistics");
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    statisticsList_ = new QListWidget(this);
    statisticsList_->setObjectName("lstStatistics");
    statisticsList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Four lines of the longest statistic, in the list's own font.
    const QFontMetrics list(statisticsList_->font());
    statisticsList_->setMinimumSize(list.horizontalAdvance("Average Z on edge: -1.23456789012346") + 24,
                                    5 * list.height());
    pointsLabel_ = new QLabel("# of Points", this);
    pointsLabel_->setObjectName("lblPoints");
    pointsBox_ = new QLineEdit(this);
    pointsBox_->setObjectName("txtNumPoints");
    pointsBox_->setToolTip("How many rows and columns along each border blend towards the edge value");
    edgeLabel_ = new QLabel("Edge Value:", this);
    edgeLabel_->setObjectName("lblEdge");
    edgeValueBox_ = new QLineEdit(this);
    edgeValueBox_->setObjectName("txtEdge");
    edgeValueBox_->setToolTip("The height the outermost row and column take");
    okButton_ = new QPushButton(this);
    okButton_->setObjectName("btnOKButton");
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &StatisticsDialog::Apply);
    // Sloping changes the terrain, so slope mode can also be left without it.
    cancelButton_ = new QPushButton("&Cancel", this);
    cancelButton_->setObjectName("btnCancel");
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* fields = new QGridLayout();
    fields->addWidget(edgeLabel_, 0, 0);
    fields->addWidget(edgeValueBox_, 0, 1);
    fields->addWidget(pointsLabel_, 1, 0);
    fields->addWidget(pointsBox_, 1, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(statisticsList_, 1);
    page->addLayout(fields);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    page->addLayout(buttons);
    ShowMode(mode);
    resize(sizeHint().expandedTo(QSize(360, 260)));
    placement_.RestoreFormPosition(*this);
}

void StatisticsDialog::ShowMode(StatisticsMode mode) {
    const bool slopeMode = mode == StatisticsMode::SlopeEdges;
    // The caption and the button always name the mode the dialog is in, also
    // when the dialog, still open, is asked for the other one.
    setWindowTitle(slopeMode ? "Slope Edges of ASC257" : "Display ASC257 Statistics");
    okButton_->setText(slopeMode ? "Slope &Edges" : "&Ok");
    cancelButton_->setVisible(slopeMode);
}

void StatisticsDialog::ShowStatistics(StatisticsMode mode) {
    const Asc257Statistics statistics = ComputeASC257Statistics(grid_);
    const bool slopeMode = mode == StatisticsMode::SlopeEdges;
    mode_ = mode;
    ShowMode(mode);
    for (QWidget* control : std::initializer_list<QWidget*>{edgeValueBox_, edgeLabel_, pointsBox_, pointsLabel_}) {
        control->setVisible(slopeMode);
    }
    if (slopeMode) {
        edgeValueBox_->setText(ToQ(DefaultEdgeValueText(statistics)));
        pointsBox_->setText(ToQ(DefaultPointsText()));
    }
    show();
    raise();
    for (const std::string& line : StatisticsLines(statistics)) statisticsList_->addItem(ToQ(line));
}

void StatisticsDialog::Apply() {
    {
        WaitCursor wait;
        if (mode_ == StatisticsMode::SlopeEdges) Q_EMIT slopeEdgesRequested(edgeValueBox_->text(), pointsBox_->text());
    }
    close();
}

void StatisticsDialog::closeEvent(QCloseEvent* event) {
    placement_.SaveFormPosition(*this);
    QDialog::closeEvent(event);
}

}  // namespace gw
