#include "app/PieceDocument.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace gw {

namespace {

class PieceCommand final : public QUndoCommand {
public:
    PieceCommand(PieceDocument& document, const QString& text, const PieceGrid& before, const PieceGrid& after)
        : QUndoCommand(text), document_(document), before_(before), after_(after) {}

    void undo() override { document_.SetGridFromHistory(before_); }
    void redo() override { document_.SetGridFromHistory(after_); }

private:
    PieceDocument& document_;
    PieceGrid before_;
    PieceGrid after_;
};

}  // namespace

PieceDocument::PieceDocument(EditorState& state, QObject* parent)
    : QObject(parent), state_(state), undoStack_(new QUndoStack(this)) {
    connect(undoStack_, &QUndoStack::cleanChanged, this, &PieceDocument::FollowCleanState);
}

PieceDocument::~PieceDocument() = default;

bool PieceDocument::ApplyToPiece(const QString& text, const std::function<void(PieceGrid&)>& op) {
    PieceGrid after = state_.piece;
    op(after);
    if (after == state_.piece) return false;
    undoStack_->push(new PieceCommand(*this, text, state_.piece, after));  // push runs redo()
    return true;
}

void PieceDocument::LoadPiece(const PieceGrid& grid) {
    undoStack_->clear();  // an empty history is clean
    state_.piece = grid;
    Q_EMIT pieceChanged();
    SetModified(false);
}

void PieceDocument::SetModified(bool modified) {
    if (modified) undoStack_->resetClean();
    else undoStack_->setClean();
    FollowCleanState();
}

void PieceDocument::FollowCleanState() {
    const bool modified = !undoStack_->isClean();
    if (state_.pieceModified == modified) return;
    state_.pieceModified = modified;
    Q_EMIT modifiedChanged(modified);
}

void PieceDocument::SetGridFromHistory(const PieceGrid& grid) {
    state_.piece = grid;
    Q_EMIT pieceChanged();
}

}  // namespace gw
