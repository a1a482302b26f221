// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one undo history of the editor: the piece's steps and the terrain's, in
// the order they were made, behind one Edit menu. Each document keeps its own
// saved point, so undoing a terrain step never makes the piece unsaved.
#include <QUndoCommand>
#include <QUndoStack>
#include <utility>

namespace gw {

// Numbers the states of one document: every step moves it from one revision to
// a new one, and the document is unsaved unless it stands at the saved one.
class Revisions {
public:
    int current() const { return current_; }
    int Fresh() { return next_++; }
    void MoveTo(int revision) { current_ = revision; }
    // The present revision is the saved one (a save, an open, changes given up).
    void MarkSaved() { saved_ = current_; }
    // No revision is the saved one until the next MarkSaved (a save that failed
    // part way left the files half written).
    void MarkNoneSaved() { saved_ = kNone; }
    bool unsaved() const { return current_ != saved_; }

private:
    static constexpr int kNone = -1;
    int current_ = 0;
    int saved_ = 0;
    int next_ = 1;
};

// A step that belongs to one document and can be copied into a rebuilt history.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(const QString& text, const QObject* owner) : QUndoCommand(text), owner_(owner) {}
    const QObject* owner() const { return owner_; }
    // The same step, to stand in a rebuilt history where it is already done.
    virtual DocumentStep* CopyAsDone() const = 0;

protected:
    // True once after CopyAsDone: the stack's push runs redo, which must not
    // apply again what is already applied.
    bool TakeSkipRedo() { return std::exchange(skipRedo_, false); }
    void SkipNextRedo() { skipRedo_ = true; }

private:
    const QObject* owner_;
    bool skipRedo_ = false;
};

// Forgets the steps of owner (its document was replaced: a piece was opened)
// and every step that is undone, keeping the other documents' done steps in
// their order and state.
void ForgetSteps(QUndoStack& history, const QObject* owner);

}  // namespace gw
