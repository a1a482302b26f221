// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's range buttons, the shift arrows and the curve tool: each
// takes the grid's selection and applies one core operation to the piece.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "app/ArrowPicture.h"
#include "app/CellEditBox.h"
#include "app/CurveDialog.h"
#include "app/Display3DWindow.h"
#include "app/MainWindow.h"
#include "app/PieceDocument.h"
#include "app/PieceGridView.h"
#include "app/QtText.h"
#include "app/WaitCursor.h"
#include "app/WindowPlacement.h"
#include "core/piece/CurveTool.h"
#include "core/piece/RangeOps.h"
#include "core/piece/RangeText.h"
#include "core/piece/ShiftCells.h"

namespace gw {

namespace {

const char* ShiftUndoText(ShiftDirection direction) {
    switch (direction) {
        case ShiftDirection::Up: return "Shift Up";
        case ShiftDirection::Down: return "Shift Down";
        case ShiftDirection::Left: return "Shift Left";
        case ShiftDirection::Right: return "Shift Right";
    }
    return "Shift";
}

}  // namespace

void MainWindow::ApplyValueToSelection() {
    double value = 0;
    if (!ReadValueBox(kEnterValueToSetMessage, value)) return;
    RunRangeOperation("Apply Value", [value](PieceGrid& g, const CellRange& r) { SetRangeValue(g, r, value); });
}

void MainWindow::ScaleSelection() {
    double value = 0;
    if (!ReadValueBox(kEnterValueToScaleByMessage, value)) return;
    RunRangeOperation("Scale",
                      [value](PieceGrid& g, const CellRange& r) { AdjustRange(g, r, AdjustMode::Scale, value); });
}

void MainWindow::DisplaceSelection() {
    double value = 0;
    if (!ReadValueBox(kEnterValueToScaleByMessage, value)) return;
    RunRangeOperation("Displace",
                      [value](PieceGrid& g, const CellRange& r) { AdjustRange(g, r, AdjustMode::Displace, value); });
}

void MainWindow::MirrorSelection(MirrorAxis axis) {
    RunRangeOperation(axis == MirrorAxis::LeftRight ? "Mirror H" : "Mirror V",
                      [this, axis](PieceGrid& g, const CellRange& r) { MirrorRange(g, r, axis, statusSink()); });
}

void MainWindow::RotateSelection() {
    bool refused = false;
    RunRangeOperation("Rotate 90 CCW", [this, &refused](PieceGrid& g, const CellRange& r) {
        refused = RotateRange(g, r, statusSink()) == RotateResult::NotSquare;
    });
    if (refused) prompter_.Warning(kRotateRangeRefusedMessage, kTitle);
}

void MainWindow::SlopeSelection(SlopeDirection direction) {
    RunRangeOperation(direction == SlopeDirection::AlongRows ? "Slope Rows" : "Slope Cols",
                      [direction](PieceGrid& g, const CellRange& r) { SlopeRange(g, r, direction); });
}

bool MainWindow::ReadValueBox(const char* emptyMessage, double& value) {
    const QString text = valueBox_->text();
    if (text.isEmpty()) {
        prompter_.Warning(emptyMessage, kTitle);
        return false;
    }
    value = ValueOfText(FromQ(text));  // blanks alone count as 0
    return true;
}

void MainWindow::RunRangeOperation(const QString& undoText,
                                   const std::function<void(PieceGrid&, const CellRange&)>& op) {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    WaitCursor wait;
    const CellRange selection = grid_->Selection();
    const CellRange taken = SelectionAfterRangeOperation(selection);
    if (!(taken == selection)) grid_->SetSelection(taken);
    document_->ApplyToPiece(undoText, [&](PieceGrid& grid) { op(grid, selection); });
}

void MainWindow::ShiftSelection(ArrowPicture* arrow, ShiftDirection direction) {
    arrow->SetPressedLook(true);
    RunRangeOperation(ShiftUndoText(direction),
                      [direction](PieceGrid& g, const CellRange& r) { ShiftCells(g, direction, r); });
    arrow->SetPressedLook(false);
}

void MainWindow::CurveSelectedColumns() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    const CellRange selection = grid_->Selection();
    const CellRange taken = SelectionAfterRangeOperation(selection);
    if (!(taken == selection)) grid_->SetSelection(taken);
    const CurveStart start = StartCurve(curveState_, CurveRequestFor(state_.piece, selection));
    if (!start.shown) {
        prompter_.Warning(kCurveTooFewRowsMessage, kTitle);
        return;
    }
    CurveDialog dialog(curveState_, UserNumberFormat(), this);
    dialog.SetEnds(start.enterLabel, start.exitLabel);
    dialog.exec();
    // Apply, Cancel and the close box all keep the curve as last drawn.
    document_->ApplyToPiece("Curve Cols", [&](PieceGrid& grid) { CurveColumns(grid, selection, curveState_.samples); });
}

void MainWindow::CopySelection() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    // Exactly the highlighted cells, in the form piece-info prints.
    QGuiApplication::clipboard()->setText(ToQ(RangeText(state_.piece, Normalise(grid_->Selection()))));
}

void MainWindow::PasteAtActiveCell() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    const RangeValues values = ParseRangeText(FromQ(QGuiApplication::clipboard()->text()));
    const int col = grid_->Col(), row = grid_->Row();
    PastedRange pasted;
    document_->ApplyToPiece("Paste", [&](PieceGrid& grid) { pasted = PasteRangeValues(grid, values, col, row); });
    // The highlight shows what the paste covered, clipped to the grid.
    if (pasted.written) {
        const NormalRange& r = pasted.range;
        grid_->SetSelection(CellRange{r.cLo, r.cHi, r.rLo, r.rHi});
    }
}

void MainWindow::DeleteSelection() {
    if (cellEditBox_->isVisible()) CommitCellEdit();
    const NormalRange range = Normalise(grid_->Selection());
    document_->ApplyToPiece("Delete", [&](PieceGrid& grid) { SetCellsValue(grid, range, 0); });
}

void MainWindow::Show3DView() {
    if (!display3D_) display3D_ = new Display3DWindow(*document_, *placement_, prompter_, this);
    display3D_->show();
    WindowPlacement::KeepOnScreen(*display3D_);
    display3D_->raise();
    display3D_->activateWindow();
    display3D_->Redraw();
}

}  // namespace gw
