// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TerrainDocument.h"

#include <QUndoStack>

namespace gw {

namespace {

// A step keeps the terrain before and after it whole. Consecutive steps share
// their snapshots, so a step costs one terrain (about half a megabyte).
using Snapshot = std::shared_ptr<const TerrainContent>;

class TerrainCommand final : public DocumentStep {
public:
    TerrainCommand(TerrainDocument& document, const QString& text, Snapshot before, int beforeRevision, Snapshot after,
                   int afterRevision)
        : DocumentStep(text, &document),
          document_(document),
          before_(std::move(before)),
          after_(std::move(after)),
          beforeRevision_(beforeRevision),
          afterRevision_(afterRevision) {}

    void undo() override { document_.SetContentFromHistory(before_, beforeRevision_); }
    void redo() override {
        if (!TakeSkipRedo()) document_.SetContentFromHistory(after_, afterRevision_);
    }
    DocumentStep* CopyAsDone() const override {
        auto* copy = new TerrainCommand(document_, text(), before_, beforeRevision_, after_, afterRevision_);
        copy->SkipNextRedo();
        return copy;
    }

private:
    TerrainDocument& document_;
    Snapshot before_;
    Snapshot after_;
    int beforeRevision_;
    int afterRevision_;
};

}  // namespace

TerrainDocument::TerrainDocument(EditorState& state, QUndoStack& history, QObject* parent)
    : QObject(parent), state_(state), history_(history), current_(std::make_shared<TerrainContent>(Content())) {}

TerrainDocument::~TerrainDocument() = default;

TerrainContent TerrainDocument::Content() const {
    return TerrainContent{state_.national, state_.currentTerFile, state_.baseMapFile, state_.lastAsc257File};
}

bool TerrainDocument::Apply(const QString& text, const std::function<void(TerrainContent&)>& op) {
    // What state holds may have been set outside the history (start-up); the
    // step starts from it.
    TerrainContent present = Content();
    if (present != *current_) current_ = std::make_shared<TerrainContent>(present);
    TerrainContent after = std::move(present);
    op(after);
    if (after == *current_) return false;
    history_.push(new TerrainCommand(*this, text, current_, revisions_.current(),
                                     std::make_shared<TerrainContent>(std::move(after)), revisions_.Fresh()));
    return true;
}

void TerrainDocument::SetContentFromHistory(const std::shared_ptr<const TerrainContent>& content, int revision) {
    current_ = content;
    state_.national = content->grid;
    state_.currentTerFile = content->currentTerFile;
    state_.baseMapFile = content->baseMapFile;
    state_.lastAsc257File = content->lastAsc257File;
    revisions_.MoveTo(revision);
    Q_EMIT terrainChanged();
    FollowSavedState();
}

void TerrainDocument::SetModified(bool modified) {
    if (modified)
        revisions_.MarkNoneSaved();
    else
        revisions_.MarkSaved();
    FollowSavedState();
}

void TerrainDocument::FollowSavedState() {
    const bool modified = revisions_.unsaved();
    if (modified_ == modified) return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

}  // namespace gw
