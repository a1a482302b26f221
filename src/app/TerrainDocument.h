// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one path by which the terrain changes: Open Base ASC257, Add to ASC257,
// Slope Edges, Clear ASC257, the SX conversion and the heightmap import each
// hand Apply a core operation on a copy of the terrain, and Apply records it as
// one step of the editor's undo history (shared with the piece), so undo, redo,
// the unsaved state and the terrain window's repaint cannot be forgotten.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "app/SharedHistory.h"
#include "core/EditorState.h"
#include "core/terrain/TerrainContent.h"

class QUndoStack;

namespace gw {

class TerrainDocument : public QObject {
    Q_OBJECT
public:
    // The terrain lives in state (national, currentTerFile, baseMapFile,
    // lastAsc257File); its steps go onto history.
    TerrainDocument(EditorState& state, QUndoStack& history, QObject* parent = nullptr);
    ~TerrainDocument() override;

    const NationalGrid& grid() const { return state_.national; }
    TerrainContent Content() const;

    // Applies op to a copy of the terrain and, when anything changed, records it
    // as one undoable step named text. Returns whether the terrain changed.
    bool Apply(const QString& text, const std::function<void(TerrainContent&)>& op);

    // Unsaved changes follow the history as for the piece: the terrain is
    // modified unless its steps stand where they stood at the last save (or
    // the last file read in whole).
    bool modified() const { return modified_; }
    // false: the present terrain is the saved one; true: none is until the
    // next save.
    void SetModified(bool modified);

    // Used by the undo command.
    void SetContentFromHistory(const std::shared_ptr<const TerrainContent>& content, int revision);

Q_SIGNALS:
    // The heights or the files changed: the terrain window repaints.
    void terrainChanged();
    void modifiedChanged(bool modified);

private:
    void FollowSavedState();

    EditorState& state_;
    QUndoStack& history_;
    // What state holds now; steps share it as their before and after.
    std::shared_ptr<const TerrainContent> current_;
    Revisions revisions_;
    bool modified_ = false;
};

}  // namespace gw
