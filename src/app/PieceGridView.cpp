// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PieceGridView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "app/QtText.h"

#include <algorithm>
#include <cmath>
#include "core/text/NumberText.h"
#include "core/terrain/TerrainRelief.h"

namespace gw {

namespace {

constexpr int kCells = 17;
// A value a column must show whole: the heights modders type are rarely wider.
const QString kOrdinaryValue = QStringLiteral("-12.75");
// Room around a cell's text, as the item delegate leaves it.
constexpr int kCellPadding = 8;

// Paints a number too long for its cell with fewer digits rather than cut off,
// so "1.23456789012346E+17" shows as "1.2E+17", never as "1.2345…"; the tooltip
// holds the whole text.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int room = option->rect.width() - kCellPadding;
        if (option->text.isEmpty() || option->fontMetrics.horizontalAdvance(option->text) <= room) return;
        const double value = ValueOfText(FromQ(option->text));
        for (int digits = 14; digits >= 1; --digits) {
            const QString shorter = ToQ(PaddedNumberText(value, digits));
            if (option->fontMetrics.horizontalAdvance(shorter) <= room) {
                option->text = shorter;
                return;
            }
        }
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem&,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip) return false;
        QToolTip::showText(event->globalPos(), index.data().toString().trimmed(), view);
        return true;
    }
};

}  // namespace

PieceGridView::PieceGridView(QWidget* parent) : QTableWidget(kCells, kCells, parent) {
    setObjectName("grdMesh");
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // A grid that does not fit (a small screen, a wide fixed column) scrolls.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new CellDelegate(this));
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumWidth(kHeaderColumnPixels);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 0; r < kCells; ++r) {
        for (int c = 0; c < kCells; ++c) {
            auto* item = new QTableWidgetItem();
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    LayoutColumns(false);
    FitToFont();
    SetCurrentCell(1, 1);
}

int PieceGridView::HeaderColumnWidth() const {
    return std::max(verticalHeader()->minimumWidth(), verticalHeader()->sizeHint().width());
}

int PieceGridView::HeaderRowHeight() const {
    return std::max(horizontalHeader()->minimumHeight(), horizontalHeader()->sizeHint().height());
}

int PieceGridView::NarrowestColumn() const {
    int narrowest = fontMetrics().horizontalAdvance(kOrdinaryValue) + kCellPadding;
    for (int c = 0; c < kCells; ++c) narrowest = std::max(narrowest, horizontalHeader()->sectionSizeHint(c));
    return narrowest;
}

void PieceGridView::FitToFont() {
    const int rowHeight = std::max(fontMetrics().height() + 4, verticalHeader()->sectionSizeHint(0));
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int r = 0; r < kCells; ++r) setRowHeight(r, rowHeight);
    updateGeometry();
}

QSize PieceGridView::FullSize() const {
    const int frame = 2 * frameWidth();
    const int column = fixedWidth_ ? std::max(NarrowestColumn(), kFixedColumnPixels) : NarrowestColumn();
    return QSize(HeaderColumnWidth() + kCells * column + frame,
                 HeaderRowHeight() + kCells * verticalHeader()->defaultSectionSize() + frame);
}

void PieceGridView::selectAll() { SetSelection(CellRange{1, 17, 1, 17}); }

void PieceGridView::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        FitToFont();
        Q_EMIT fitChanged();
    }
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
    // The terrain window colours the terrain by the same ramp.
    const RampColour c = HeightRampColour(value, lowest, highest);
    return QColor(c.red, c.green, c.blue);
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

void PieceGridView::LayoutColumns(bool fixedWidth) {
    fixedWidth_ = fixedWidth;
    setUpdatesEnabled(false);
    QStringList across, down;
    for (int i = 0; i < kCells; ++i) {
        across << ToQ(PaddedNumberText(i * 1.5));
        down << ToQ(PaddedNumberText((16 - i) * 1.5));
    }
    setHorizontalHeaderLabels(across);
    setVerticalHeaderLabels(down);
    // Shared out over the room beside the header column, less a vertical scroll
    // bar when the rows do not fit.
    int room = width() - 2 * frameWidth() - HeaderColumnWidth();
    if (height() - 2 * frameWidth() - HeaderRowHeight() < kCells * verticalHeader()->defaultSectionSize()) {
        room -= verticalScrollBar()->sizeHint().width();
    }
    const int pixels = std::max(NarrowestColumn(), fixedWidth ? kFixedColumnPixels : room / kCells);
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
    // A drag moves the current cell after Qt has selected up to the cell before,
    // so the highlight is drawn again here: it always covers the range the
    // caption names and the operations take.
    if (extending_) {
        SelectRectangle();
        return;
    }
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
