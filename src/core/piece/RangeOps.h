// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations of the main window's range buttons: set, scale, displace, mirror,
// rotate and slope a rectangle of the PieceGrid. Each takes the grid's selection,
// applies the whole-grid rule and changes only the cells inside the rectangle.
// None of them refreshes anything; the caller refreshes the grid afterwards.
#include "core/Interfaces.h"
#include "core/piece/CellRange.h"
#include "core/piece/PieceGrid.h"

namespace gw {

// Messages the window shows before or instead of an operation.
inline constexpr const char* kEnterValueToSetMessage = "Enter value to set.";
inline constexpr const char* kEnterValueToScaleByMessage = "Enter value to scale by.";
inline constexpr const char* kRotateRangeRefusedMessage =
    "Unable to rotate range.  Range must be same height and width.";

// The grid's selection once a range operation has taken it: a single cell has
// become the whole grid (the window sets Col 1, Row 1, ColSel 17, RowSel 17 in
// that order); any other selection stays as it was.
CellRange SelectionAfterRangeOperation(const CellRange& selection);

// Every cell of the range gets the value.
void SetRangeValue(PieceGrid& grid, const CellRange& selection, double value);
// Every cell of exactly this rectangle (clipped to the grid) gets the value; a
// single cell stays a single cell, as the editor's Delete wants it.
void SetCellsValue(PieceGrid& grid, const NormalRange& range, double value);

enum class AdjustMode { Scale, Displace };

// Scale: every cell becomes Z x value; Displace: Z + value. A result too large
// for a double is not stored; that cell keeps its value.
void AdjustRange(PieceGrid& grid, const CellRange& selection, AdjustMode mode, double value);

enum class MirrorAxis {
    LeftRight,  // "Mirror H": each row's cells in reverse order
    TopBottom,  // "Mirror V": the rows in reverse order
};

// Status texts: "Saving and mirroring grid", then "Col  1".."Col  W" (top-bottom)
// or "Row  1".."Row  H" (left-right), "Reloading Grid", "All Done".
void MirrorRange(PieceGrid& grid, const CellRange& selection, MirrorAxis axis, StatusSink& status);

enum class RotateResult { Rotated, NotSquare };

// A quarter turn counterclockwise as the grid shows it: the range's cell in
// column i and row j moves to column j and row H - i + 1. Only square ranges turn;
// NotSquare means nothing changed and nothing was shown (the window shows
// kRotateRangeRefusedMessage). Status texts: "Saving and rotating grid",
// "Row  1".."Row  H", "Reloading Grid", "All Done".
RotateResult RotateRange(PieceGrid& grid, const CellRange& selection, StatusSink& status);

enum class SlopeDirection { AlongRows, AlongColumns };

// Straightens each row (or column) of the range between its two end cells. A
// range one cell across in the slope's direction has no span to slope over and
// stays as it is.
void SlopeRange(PieceGrid& grid, const CellRange& selection, SlopeDirection direction);

}  // namespace gw
