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

StatisticsDialog::StatisticsDialog(bool slopeMode, const NationalGrid& grid, WindowPlacement& placement,
                                   QWidget* parent)
    : QDialog(parent), grid_(grid), placement_(placement) {
    setObjectName("dlgStatistics");
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    lstStatistics_ = new QListWidget(this);
    lstStatistics_->setObjectName("lstStatistics");
    lstStatistics_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Four lines of the longest statistic, in the list's own font.
    const QFontMetrics list(lstStatistics_->font());
    lstStatistics_->setMinimumSize(list.horizontalAdvance("Average Z on edge: -1.23456789012346") + 24,
                                   5 * list.height());
    lblPoints_ = new QLabel("# of Points", this);
    lblPoints_->setObjectName("lblPoints");
    txtNumPoints_ = new QLineEdit(this);
    txtNumPoints_->setObjectName("txtNumPoints");
    txtNumPoints_->setToolTip("How many rows and columns along each border blend towards the edge value");
    lblEdge_ = new QLabel("Edge Value:", this);
    lblEdge_->setObjectName("lblEdge");
    txtEdge_ = new QLineEdit(this);
    txtEdge_->setObjectName("txtEdge");
    txtEdge_->setToolTip("The height the outermost row and column take");
    btnOKButton_ = new QPushButton(this);
    btnOKButton_->setObjectName("btnOKButton");
    btnOKButton_->setDefault(true);
    connect(btnOKButton_, &QPushButton::clicked, this, &StatisticsDialog::Apply);
    // Sloping changes the terrain, so slope mode can also be left without it.
    btnCancel_ = new QPushButton("&Cancel", this);
    btnCancel_->setObjectName("btnCancel");
    connect(btnCancel_, &QPushButton::clicked, this, &QWidget::close);

    auto* fields = new QGridLayout();
    fields->addWidget(lblEdge_, 0, 0);
    fields->addWidget(txtEdge_, 0, 1);
    fields->addWidget(lblPoints_, 1, 0);
    fields->addWidget(txtNumPoints_, 1, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(lstStatistics_, 1);
    page->addLayout(fields);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(btnOKButton_);
    buttons->addWidget(btnCancel_);
    page->addLayout(buttons);
    ShowMode(slopeMode);
    resize(sizeHint().expandedTo(QSize(360, 260)));
    placement_.RestoreFormPosition(*this);
}

void StatisticsDialog::ShowMode(bool slopeMode) {
    // The caption and the button always name the mode the dialog is in, also
    // when the dialog, still open, is asked for the other one.
    setWindowTitle(slopeMode ? "Slope Edges of ASC257" : "Display ASC257 Statistics");
    btnOKButton_->setText(slopeMode ? "Slope &Edges" : "&Ok");
    btnCancel_->setVisible(slopeMode);
}

void StatisticsDialog::ShowStatistics(bool slopeMode) {
    const Asc257Statistics statistics = ComputeASC257Statistics(grid_);
    slopeEdges_ = slopeMode;
    ShowMode(slopeMode);
    for (QWidget* control : std::initializer_list<QWidget*>{txtEdge_, lblEdge_, txtNumPoints_, lblPoints_}) {
        control->setVisible(slopeMode);
    }
    if (slopeMode) {
        txtEdge_->setText(ToQ(DefaultEdgeValueText(statistics)));
        txtNumPoints_->setText(ToQ(DefaultPointsText()));
    }
    show();
    raise();
    for (const std::string& line : StatisticsLines(statistics)) lstStatistics_->addItem(ToQ(line));
}

void StatisticsDialog::Apply() {
    {
        WaitCursor wait;
        if (slopeEdges_) Q_EMIT slopeEdgesRequested(txtEdge_->text(), txtNumPoints_->text());
    }
    close();
}

void StatisticsDialog::closeEvent(QCloseEvent* event) {
    placement_.SaveFormPosition(*this);
    QDialog::closeEvent(event);
}

}  // namespace gw
