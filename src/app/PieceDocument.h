// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one path by which the PieceGrid changes. Every operation is a core function
// applied to a copy of the grid; ApplyToPiece pushes a command holding the grids
// before and after, so undo, redo, the modified flag and the grid refresh cannot
// be forgotten by a new operation.
#include <QObject>
#include <QString>
#include <functional>

#include "app/SharedHistory.h"
#include "core/EditorState.h"

class QUndoStack;

namespace gw {

class PieceDocument : public QObject {
    Q_OBJECT
public:
    explicit PieceDocument(EditorState& state, QObject* parent = nullptr);
    ~PieceDocument() override;

    EditorState& state() { return state_; }
    const PieceGrid& grid() const { return state_.piece; }
    QUndoStack* undoStack() const { return undoStack_; }

    // Applies op to a copy of the grid and, when anything changed, records it as
    // one undoable step named text. Returns whether the grid changed.
    bool ApplyToPiece(const QString& text, const std::function<void(PieceGrid&)>& op);

    // Replaces the grid without an undo step and forgets the piece's steps (a
    // piece was opened, or the grid was emptied by a conversion); the terrain's
    // steps stay. The piece is as saved.
    void LoadPiece(const PieceGrid& grid);

    // Unsaved changes follow the undo history: the piece is modified unless its
    // steps stand where they stood when the piece was last opened or saved, so
    // undoing back to the saved grid makes it unsaved no more. The terrain's
    // steps in between do not count.
    bool modified() const { return state_.pieceModified; }
    // false: the piece's present state becomes the saved one (a save, or
    // changes given up). true: no state is the saved one until the next save
    // (a save that failed part way).
    void SetModified(bool modified);

    // Used by the undo command.
    void SetGridFromHistory(const PieceGrid& grid, int revision);

Q_SIGNALS:
    // The whole grid changed: the view rewrites every cell.
    void pieceChanged();
    void modifiedChanged(bool modified);

private:
    void FollowCleanState();

    EditorState& state_;
    QUndoStack* undoStack_;
    Revisions revisions_;
};

}  // namespace gw
