#include "core/terrain/NationalMenu.h"

#include "core/terrain/TerrainTexts.h"

namespace gw {

std::optional<Asc257ReadResult> OpenBaseASC257(EditorState& state, Prompter& prompter, StatusSink& status) {
    FileBoxRequest request;
    request.title = kOpenBaseAsc257Title;
    request.filter = kAsc257FileFilter;
    request.defaultExtension = ".asc";
    request.initialFolder = state.nationalFolder;
    const std::string path = prompter.OpenFileName(request);
    if (path.empty()) return std::nullopt;
    Asc257ReadResult result = ReadASC257(path, state.national, status);
    if (!result.ok()) {
        // The terrain is still the one before: a later Save must not propose
        // the name of the file that failed and overwrite it with that terrain.
        prompter.Message(result.message, kTerrainMessageTitle);
        return result;
    }
    state.baseMapFile = path;
    state.lastAsc257File = path;
    return result;
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
    const Outcome written = WriteASC257(state.skeleton257Path, names.target, names.objectName, state.national, status);
    if (!written) prompter.Message(written.message(), kTerrainMessageTitle);
    return written.ok();
}

}  // namespace gw
