#include "app/PieceGridView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/QtText.h"

#include <algorithm>
#include <cmath>
#include "core/text/NumberText.h"

namespace gw {

namespace {
constexpr int kCells = 17;
constexpr int kRowHeightPixels = 18;
}  // namespace

PieceGridView::PieceGridView(QWidget* parent) : QTableWidget(kCells, kCells, parent) {
    setObjectName("grdMesh");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeightPixels);
    verticalHeader()->setMinimumSectionSize(kRowHeightPixels);
    horizontalHeader()->setFixedHeight(kRowHeightPixels + 2);
    verticalHeader()->setFixedWidth(kHeaderColumnTwips / kTwipsPerPixel);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < kCells; ++r) {
        for (int c = 0; c < kCells; ++c) {
            auto* item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    // Tall enough for every row, never a scroll bar.
    setFixedHeight(horizontalHeader()->height() + kCells * kRowHeightPixels + 2 * frameWidth());
    LayoutColumns(false);
    SetCurrentCell(1, 1);
}

int PieceGridView::RowSel() const { return currentRow() + 1; }
int PieceGridView::ColSel() const { return currentColumn() + 1; }

void PieceGridView::SetCurrentCell(int row, int col) { SetSelection(CellRange{col, col, row, row}); }

void PieceGridView::SetSelection(const CellRange& range) {
    programmatic_ = true;
    anchorRow_ = range.row;
    anchorCol_ = range.col;
    setCurrentCell(range.rowSel - 1, range.colSel - 1, QItemSelectionModel::NoUpdate);
    programmatic_ = false;
    SelectRectangle();
}

void PieceGridView::SelectRectangle() {
    const QItemSelection selection(model()->index(anchorRow_ - 1, anchorCol_ - 1),
                                   model()->index(RowSel() - 1, ColSel() - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    Q_EMIT rangeChanged();
}

QString PieceGridView::CellText(int row, int col) const { return item(row - 1, col - 1)->text(); }

void PieceGridView::SetCellText(int row, int col, const QString& text) { item(row - 1, col - 1)->setText(text); }

QRect PieceGridView::CellRect(int row, int col) const { return visualRect(model()->index(row - 1, col - 1)); }

QColor HeightColor(double value, double lowest, double highest) {
    const double span = highest - lowest;
    const double t = span > 0 && std::isfinite(span) ? (value - lowest) / span : 0.5;
    // Light tints from blue to red, so black text stays readable on every one.
    return QColor::fromHsv(static_cast<int>(240 * (1 - std::clamp(t, 0.0, 1.0))), 80, 255);
}

void PieceGridView::ShowGrid(const PieceGrid& grid) {
    setUpdatesEnabled(false);
    const bool blocked = model()->blockSignals(true);
    const HeightRange range = PieceHeightRange(grid);
    for (int r = 1; r <= kCells; ++r) {
        for (int c = 1; c <= kCells; ++c) {
            QTableWidgetItem* cell = item(r - 1, c - 1);
            cell->setText(ToQ(PaddedNumberText(grid.Z(c, r))));
            if (heightColors_) {
                cell->setBackground(HeightColor(grid.Z(c, r), range.lowest, range.highest));
                cell->setForeground(Qt::black);
            } else {
                cell->setData(Qt::BackgroundRole, QVariant());
                cell->setData(Qt::ForegroundRole, QVariant());
            }
        }
    }
    model()->blockSignals(blocked);
    setUpdatesEnabled(true);
    viewport()->update();
}

int PieceGridView::ProportionalColumnTwips(int gridWidthTwips) {
    return static_cast<int>(RoundHalfEven((gridWidthTwips - kHeaderColumnTwips - 100) / 17.0));
}

void PieceGridView::LayoutColumns(bool fixedWidth) {
    setUpdatesEnabled(false);
    QStringList across, down;
    for (int i = 0; i < kCells; ++i) {
        across << ToQ(PaddedNumberText(i * 1.5));
        down << ToQ(PaddedNumberText((16 - i) * 1.5));
    }
    setHorizontalHeaderLabels(across);
    setVerticalHeaderLabels(down);
    const int twips = fixedWidth ? kFixedColumnTwips : ProportionalColumnTwips(width() * kTwipsPerPixel);
    const int pixels = std::max(8, static_cast<int>(RoundHalfEven(static_cast<double>(twips) / kTwipsPerPixel)));
    for (int c = 0; c < kCells; ++c) setColumnWidth(c, pixels);
    setUpdatesEnabled(true);
}

void PieceGridView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT editRequested(13);
        return;
    }
    if (event->key() == Qt::Key_F2) {
        Q_EMIT editRequested(32);
        return;
    }
    const QString text = event->text();
    if (!(event->modifiers() & commands) && text.size() == 1 && text[0].isPrint() && text[0].unicode() < 256) {
        Q_EMIT editRequested(text[0].unicode());
        return;
    }
    extending_ = event->modifiers() & Qt::ShiftModifier;
    QTableWidget::keyPressEvent(event);
    extending_ = false;
}

void PieceGridView::mousePressEvent(QMouseEvent* event) {
    extending_ = event->modifiers() & Qt::ShiftModifier;
    QTableWidget::mousePressEvent(event);
    extending_ = false;
}

void PieceGridView::mouseMoveEvent(QMouseEvent* event) {
    extending_ = true;
    QTableWidget::mouseMoveEvent(event);
    extending_ = false;
}

void PieceGridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    Q_EMIT rangeChanged();
}

void PieceGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).isValid()) Q_EMIT editRequested(32);
}

void PieceGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (!current.isValid()) return;
    // Extending a selection moves only its corner; the current cell, which
    // the labels report, is the anchor.
    if (extending_) return;
    if (!programmatic_) {
        anchorRow_ = current.row() + 1;
        anchorCol_ = current.column() + 1;
    }
    Q_EMIT cellEntered(anchorRow_, anchorCol_);
}

void PieceGridView::setSelection(const QRect&, QItemSelectionModel::SelectionFlags) {
    // Whatever Qt computed, the selection is the rectangle between the anchor and
    // the current cell.
    SelectRectangle();
}

}  // namespace gw
