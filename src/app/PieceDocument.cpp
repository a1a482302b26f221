// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PieceDocument.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace gw {

namespace {

class PieceCommand final : public DocumentStep {
public:
    PieceCommand(PieceDocument& document, const QString& text, const PieceGrid& before, int beforeRevision,
                 const PieceGrid& after, int afterRevision)
        : DocumentStep(text, &document),
          document_(document),
          before_(before),
          after_(after),
          beforeRevision_(beforeRevision),
          afterRevision_(afterRevision) {}

    void undo() override { document_.SetGridFromHistory(before_, beforeRevision_); }
    void redo() override {
        if (!TakeSkipRedo()) document_.SetGridFromHistory(after_, afterRevision_);
    }
    DocumentStep* CopyAsDone() const override {
        auto* copy = new PieceCommand(document_, text(), before_, beforeRevision_, after_, afterRevision_);
        copy->SkipNextRedo();
        return copy;
    }

private:
    PieceDocument& document_;
    PieceGrid before_;
    PieceGrid after_;
    int beforeRevision_;
    int afterRevision_;
};

}  // namespace

PieceDocument::PieceDocument(EditorState& state, QObject* parent)
    : QObject(parent), state_(state), undoStack_(new QUndoStack(this)) {}

PieceDocument::~PieceDocument() = default;

bool PieceDocument::ApplyToPiece(const QString& text, const std::function<void(PieceGrid&)>& op) {
    PieceGrid after = state_.piece;
    op(after);
    if (after == state_.piece) return false;
    // push runs redo()
    undoStack_->push(new PieceCommand(*this, text, state_.piece, revisions_.current(), after, revisions_.Fresh()));
    return true;
}

void PieceDocument::LoadPiece(const PieceGrid& grid) {
    ForgetSteps(*undoStack_, this);
    revisions_.MoveTo(revisions_.Fresh());
    state_.piece = grid;
    Q_EMIT pieceChanged();
    SetModified(false);
}

void PieceDocument::SetModified(bool modified) {
    if (modified)
        revisions_.MarkNoneSaved();
    else
        revisions_.MarkSaved();
    FollowCleanState();
}

void PieceDocument::FollowCleanState() {
    const bool modified = revisions_.unsaved();
    if (state_.pieceModified == modified) return;
    state_.pieceModified = modified;
    Q_EMIT modifiedChanged(modified);
}

void PieceDocument::SetGridFromHistory(const PieceGrid& grid, int revision) {
    state_.piece = grid;
    revisions_.MoveTo(revision);
    Q_EMIT pieceChanged();
    FollowCleanState();
}

}  // namespace gw
