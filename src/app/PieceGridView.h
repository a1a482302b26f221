// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// grdMesh: the 17 x 17 height grid with its header row and column. It keeps the
// selection the way the editor's operations read it: the anchor cell (Row, Col)
// where the selection started and the moving corner (RowSel, ColSel) that follows
// the mouse or the keyboard. Grid rows and columns count from 1 like the
// PieceGrid; Qt's own indices are one lower.
#include <QColor>
#include <QTableWidget>

#include "core/piece/CellRange.h"
#include "core/piece/PieceGrid.h"

namespace gw {

// The tint of a cell for value in the piece's range from lowest to highest.
QColor HeightColor(double value, double lowest, double highest);

class PieceGridView : public QTableWidget {
    Q_OBJECT
public:
    explicit PieceGridView(QWidget* parent = nullptr);

    int Row() const { return anchorRow_; }
    int Col() const { return anchorCol_; }
    int RowSel() const;
    int ColSel() const;
    CellRange Selection() const { return CellRange{Col(), ColSel(), Row(), RowSel()}; }

    // Makes (row, col) the current cell; the selection collapses onto it.
    void SetCurrentCell(int row, int col);
    // Anchor first, then the moving corner.
    void SetSelection(const CellRange& range);

    QString CellText(int row, int col) const;
    void SetCellText(int row, int col, const QString& text);
    // Where a cell lies, in the coordinates of the grid's viewport.
    QRect CellRect(int row, int col) const;

    // Rewrites all 289 data cells from the grid with one repaint.
    void ShowGrid(const PieceGrid& grid);
    // Cells coloured from blue (lowest) to red (highest) when on.
    void SetHeightColors(bool on) { heightColors_ = on; }
    bool heightColors() const { return heightColors_; }

    // Header texts and column widths: every column fixed at 850 twips, or the
    // grid's width shared out; never narrower than the font needs.
    void LayoutColumns(bool fixedWidth);

    // Row height and header sizes from the font, so every row, column and header
    // text shows at any desktop font size and scale.
    void FitToFont();
    // The narrowest column that shows the header texts and ordinary values whole.
    int NarrowestColumn() const;
    // All 17 rows and columns at their narrowest (or at the fixed width),
    // without scroll bars.
    QSize FullSize() const;
    QSize sizeHint() const override { return FullSize(); }

    // Selects all 289 cells as the operations will take them.
    void selectAll() override;

    static constexpr int kHeaderColumnPixels = 33;  // 500 twips, the least the header column gets
    static constexpr int kFixedColumnPixels = 57;   // 850 twips

Q_SIGNALS:
    // The current cell (the anchor) changed; the editor shows its coordinates.
    void cellEntered(int row, int col);
    // The selected rectangle changed.
    void rangeChanged();
    // A key typed on the grid or a double click asks for the cell editor. keyCode
    // is the typed character, or 32 for a double click, 13 for Enter.
    void editRequested(int keyCode);
    // The font changed the grid's size; the window fits itself to it again.
    void fitChanged();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;

private:
    void SelectRectangle();
    int HeaderColumnWidth() const;
    int HeaderRowHeight() const;

    int anchorRow_ = 1;
    int anchorCol_ = 1;
    bool extending_ = false;     // a shift or drag moves only the corner
    bool programmatic_ = false;  // SetSelection sets the anchor itself
    bool heightColors_ = false;
    bool fixedWidth_ = false;
};

}  // namespace gw
