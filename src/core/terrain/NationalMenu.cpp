// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terrain/NationalMenu.h"

#include "core/terrain/TerrainTexts.h"

namespace gw {

std::optional<BaseAsc257Open> OpenBaseASC257(const std::string& nationalFolder, const NationalGrid& terrain,
                                             Prompter& prompter, StatusSink& status) {
    FileBoxRequest request;
    request.title = kOpenBaseAsc257Title;
    request.filter = kAsc257FileFilter;
    request.defaultExtension = ".asc";
    request.initialFolder = nationalFolder;
    BaseAsc257Open opened;
    opened.path = prompter.OpenFileName(request);
    if (opened.path.empty()) return std::nullopt;
    opened.grid = terrain;
    opened.read = ReadASC257(opened.path, opened.grid, status);
    if (!opened.read.ok()) prompter.Warning(opened.read.message, kTerrainMessageTitle);
    return opened;
}

bool SaveASC257(const EditorState& state, Prompter& prompter, StatusSink& status) {
    FileBoxRequest request;
    request.title = kSaveAsc257Title;
    request.filter = kAsc257FileFilter;
    request.defaultExtension = ".ASC";
    request.initialFolder = state.nationalFolder;
    request.fileName = DefaultAsc257SaveName(state.currentTerFile, state.lastAsc257File);
    const std::string target = prompter.SaveFileName(request);
    if (target.empty()) {
        prompter.Message(kAsc257SaveCancelledMessage, kTerrainMessageTitle);
        return false;
    }
    const Asc257SaveNames names = MakeAsc257SaveNames(target);
    const Outcome written =
        WriteASC257({state.skeleton257Path, names.target, names.objectName}, state.national, status);
    if (!written) prompter.Warning(written.message(), kTerrainMessageTitle);
    return written.ok();
}

}  // namespace gw
