// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's range buttons, the shift arrows and the curve tool: each
// takes the grid's selection and applies one core operation to the piece.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

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

void MainWindow::WireRangeButtons() {
    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    connect(button("btnSetRange"), &QPushButton::clicked, this, [this] {
        double value = 0;
        if (!ReadValueBox(kEnterValueToSetMessage, value)) return;
        RunRangeOperation("Apply Value", [value](PieceGrid& g, const CellRange& r) { SetRangeValue(g, r, value); });
    });
    connect(button("btnScale"), &QPushButton::clicked, this, [this] {
        double value = 0;
        if (!ReadValueBox(kEnterValueToScaleByMessage, value)) return;
        RunRangeOperation("Scale",
                          [value](PieceGrid& g, const CellRange& r) { AdjustRange(g, r, AdjustMode::Scale, value); });
    });
    connect(button("btnDisplace"), &QPushButton::clicked, this, [this] {
        double value = 0;
        if (!ReadValueBox(kEnterValueToScaleByMessage, value)) return;
        RunRangeOperation(
            "Displace", [value](PieceGrid& g, const CellRange& r) { AdjustRange(g, r, AdjustMode::Displace, value); });
    });
    connect(button("btnMirrorH"), &QPushButton::clicked, this, [this] {
        RunRangeOperation("Mirror H", [this](PieceGrid& g, const CellRange& r) {
            MirrorRange(g, r, MirrorAxis::LeftRight, statusSink());
        });
    });
    connect(button("btnMirrorV"), &QPushButton::clicked, this, [this] {
        RunRangeOperation("Mirror V", [this](PieceGrid& g, const CellRange& r) {
            MirrorRange(g, r, MirrorAxis::TopBottom, statusSink());
        });
    });
    connect(button("btnRotate"), &QPushButton::clicked, this, [this] {
        bool refused = false;
        RunRangeOperation("Rotate 90 CCW", [this, &refused](PieceGrid& g, const CellRange& r) {
            refused = RotateRange(g, r, statusSink()) == RotateResult::NotSquare;
        });
        if (refused) prompter_.Warning(kRotateRangeRefusedMessage, kTitle);
    });
    connect(button("btnSlopeRows"), &QPushButton::clicked, this, [this] {
        RunRangeOperation("Slope Rows",
                          [](PieceGrid& g, const CellRange& r) { SlopeRange(g, r, SlopeDirection::AlongRows); });
    });
    connect(button("btnSlopeCols"), &QPushButton::clicked, this, [this] {
        RunRangeOperation("Slope Cols",
                          [](PieceGrid& g, const CellRange& r) { SlopeRange(g, r, SlopeDirection::AlongColumns); });
    });
    connect(button("Command1"), &QPushButton::clicked, this, &MainWindow::CurveSelectedColumns);
    connect(button("btn3D"), &QPushButton::clicked, this, &MainWindow::Show3DView);

    const std::pair<const char*, ShiftDirection> arrows[] = {{"picUp", ShiftDirection::Up},
                                                             {"picDown", ShiftDirection::Down},
                                                             {"picLeft", ShiftDirection::Left},
                                                             {"picRight", ShiftDirection::Right}};
    for (const auto& [name, direction] : arrows) {
        ArrowPicture* arrow = findChild<ArrowPicture*>(name);
        connect(arrow, &ArrowPicture::clicked, this,
                [this, arrow, d = direction] { ShiftSelection(arrow, static_cast<int>(d)); });
    }
}

bool MainWindow::ReadValueBox(const char* emptyMessage, double& value) {
    const QString text = txtNewVal_->text();
    if (text.isEmpty()) {
        prompter_.Warning(emptyMessage, kTitle);
        return false;
    }
    value = ValueOfText(FromQ(text));  // blanks alone count as 0
    return true;
}

void MainWindow::RunRangeOperation(const QString& undoText,
                                   const std::function<void(PieceGrid&, const CellRange&)>& op) {
    if (txtActiveCell_->isVisible()) CommitCellEdit();
    WaitCursor wait;
    const CellRange selection = grid_->Selection();
    const CellRange taken = SelectionAfterRangeOperation(selection);
    if (!(taken == selection)) grid_->SetSelection(taken);
    document_->ApplyToPiece(undoText, [&](PieceGrid& grid) { op(grid, selection); });
}

void MainWindow::ShiftSelection(ArrowPicture* arrow, int direction) {
    static const char* const kNames[] = {"Shift Up", "Shift Down", "Shift Left", "Shift Right"};
    arrow->SetPressedLook(true);
    RunRangeOperation(kNames[direction], [direction](PieceGrid& g, const CellRange& r) {
        ShiftCells(g, static_cast<ShiftDirection>(direction), r);
    });
    arrow->SetPressedLook(false);
}

void MainWindow::CurveSelectedColumns() {
    if (txtActiveCell_->isVisible()) CommitCellEdit();
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
    if (txtActiveCell_->isVisible()) CommitCellEdit();
    // Exactly the highlighted cells, in the form piece-info prints.
    QGuiApplication::clipboard()->setText(ToQ(RangeText(state_.piece, Normalise(grid_->Selection()))));
}

void MainWindow::PasteAtActiveCell() {
    if (txtActiveCell_->isVisible()) CommitCellEdit();
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
    if (txtActiveCell_->isVisible()) CommitCellEdit();
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
