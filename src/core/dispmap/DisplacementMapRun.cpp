// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dispmap/DisplacementMapRun.h"

#include "core/dispmap/DisplacementMap.h"
#include "core/dispmap/DisplacementMapTexts.h"
#include "core/image/TgaFile.h"

namespace gw {

namespace {

// A map that cannot be saved is said so where the done text would stand, and
// in a message box.
void ReportSaveFailure(const Outcome& saved, DisplacementPreview& preview, StatusSink* mainStatus, Prompter& prompter) {
    preview.Status(saved.message());
    if (mainStatus) mainStatus->Status(saved.message());
    prompter.Warning(saved.message(), kDispMapMessageTitle);
}

}  // namespace

bool AskDisplacementMapMaxZ(Prompter& prompter, std::string& maxZText) {
    maxZText = prompter.Input(kMaxZPrompt, kMaxZTitle, kMaxZDefault);
    return !maxZText.empty();
}

DisplacementMapRun RunDisplacementMap17(const EditorState& state, DisplacementPreview& preview, Prompter& prompter) {
    DisplacementMapRun run;
    if (state.pieceName.empty()) {
        prompter.Message(kOpenPieceFirst, kDispMapMessageTitle);
        return run;
    }
    run.path = PieceDisplacementMapPath(state.pieceFolder, state.pieceName);
    preview.ShowPreview();
    const DisplacementMap map = MakeDisplacementMap17(state.piece, preview);
    preview.DrawMap(map.preview);
    run.saved = WriteTgaFile(run.path, map.image);
    if (!run.saved) {
        ReportSaveFailure(run.saved, preview, nullptr, prompter);
        return run;
    }
    preview.Status(kStatusAllDone + kStatusSavedAs + run.path);
    return run;
}

DisplacementMapRun RunTerrainDisplacementMap(TerrainMapSize size, const EditorState& state,
                                             const std::string& outputFolder, std::string_view maxZText,
                                             DisplacementPreview& preview, StatusSink& mainStatus, Prompter& prompter) {
    DisplacementMapRun run;
    // Only a conversion, which names its output folder, saves without asking.
    std::string path = outputFolder.empty() ? "" : TerrainDisplacementMapFixedPath(size, state.currentTerFile);
    if (path.empty()) {
        path = prompter.SaveFileName(
            TerrainDisplacementMapSaveBox(size, state.nationalFolder, state.currentTerFile, state.baseMapFile));
        if (path.empty()) {
            mainStatus.Status(kDispMapCancelled);
            return run;
        }
    }
    run.path = PlaceInOutputFolder(path, outputFolder);
    preview.ShowPreview();
    const DisplacementMap map = size == TerrainMapSize::k257
                                    ? MakeDisplacementMap257(state.national, maxZText, preview)
                                    : MakeDisplacementMap513(state.national, maxZText, preview);
    preview.DrawMap(map.preview);
    run.saved = WriteTgaFile(run.path, map.image);
    if (!run.saved) {
        ReportSaveFailure(run.saved, preview, &mainStatus, prompter);
        return run;
    }
    const std::string done = DispMapSavedText(map.top, run.path);
    preview.Status(done);
    mainStatus.Status(done);
    return run;
}

}  // namespace gw
