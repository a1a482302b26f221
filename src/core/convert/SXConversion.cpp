// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert/SXConversion.h"

#include <utility>

#include "core/dispmap/DisplacementMapFiles.h"
#include "core/io/Paths.h"
#include "core/texture/TextureJob.h"
#include "core/texture/TextureRun.h"
#include "core/trackfiles/FindTrackFile.h"
#include "core/trackfiles/TrackFiles.h"

namespace gw {

namespace {

// The steps' own boxes would repeat what the result reports once at the end;
// questions and file boxes still reach the person.
class QuietMessages final : public Prompter {
public:
    explicit QuietMessages(Prompter& inner) : inner_(inner) {}
    void Message(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string& text, const std::string& title) override { return inner_.AskYesNo(text, title); }
    std::string Input(const std::string& prompt, const std::string& title, const std::string& defaultText) override {
        return inner_.Input(prompt, title, defaultText);
    }
    std::string OpenFileName(const FileBoxRequest& request) override { return inner_.OpenFileName(request); }
    std::string SaveFileName(const FileBoxRequest& request) override { return inner_.SaveFileName(request); }

private:
    Prompter& inner_;
};

// The texture builder's conversion run with nothing shown. Its own boxes (a
// tile that cannot be read, a missing .TRK) reach the person.
Outcome TextureWithoutWindow(const TextureJob& job, const std::string& programFolder,
                             ConversionSurroundings& surroundings) {
    NullTextureView noWindow;
    return RunTextureForConversion(job, programFolder, noWindow, surroundings.mainStatus, surroundings.prompter)
        .outcome;
}

void AddLine(std::string& text, const std::string& line) {
    if (line.empty()) return;
    if (!text.empty()) text += "\n";
    text += line;
}

}  // namespace

std::string ConversionRefusal(const SXConversionOptions& options) {
    if (!options.AnyFileOutput()) return std::string();
    if (options.outputFolder.empty()) return kSelectOutputDir;
    return OutputFolderRefusal(options.outputFolder, options.terFile);
}

std::string OutputFolderRefusal(const std::string& outputFolder, const std::string& terFile) {
    if (!IsSameFolder(outputFolder, FolderOfPath(terFile))) return std::string();
    return "The output folder " + outputFolder + " is the folder of the SX track " + terFile +
           "; its own files would be replaced. Please choose another output folder.";
}

bool SXConversionResult::ok() const {
    if (!refusal.empty() || !build.ok()) return false;
    for (const ConversionStep& step : steps) {
        if (!step.outcome) return false;
    }
    return true;
}

std::string SXConversionResult::FailureText() const {
    if (!refusal.empty()) return refusal;
    std::string text = NationalBuildProblemsText(build);
    for (const ConversionStep& step : steps) {
        // Not "not written": a texture whose tiles were not all read is written.
        if (!step.outcome) AddLine(text, "The " + step.what + " failed: " + step.outcome.message());
    }
    return text;
}

std::string PiecesNotAddedStatus(const NationalBuild& build) {
    return "Track loaded, " + std::to_string(build.notAdded.size()) + " of " + std::to_string(kTrackPieces) +
           " pieces not added";
}

std::string FilesNotWrittenStatus(std::size_t failed, std::size_t total) {
    return "Conversion not complete, " + std::to_string(failed) + " of " + std::to_string(total) + " files failed";
}

SXConversionResult RunSXConversion(const SXConversionOptions& options, const std::string& programFolder,
                                   const NationalGrid& terrain, ConversionSurroundings& surroundings) {
    NationalGrid copy = terrain;
    SXConversionResult result = RunSXConversionInPlace(options, programFolder, copy, surroundings);
    result.terrain = std::move(copy);
    return result;
}

SXConversionResult RunSXConversionInPlace(const SXConversionOptions& options, const std::string& programFolder,
                                          NationalGrid& terrain, ConversionSurroundings& surroundings) {
    SXConversionResult result;
    result.refusal = ConversionRefusal(options);
    if (!result.refusal.empty()) return result;

    result.build =
        BuildNationalFromTer(options.terFile, options.zBaseText, options.zScaleText, terrain, surroundings.mainStatus);
    if (!result.build.terRead) {
        surroundings.mainStatus.Status(result.build.terRead.message());
        return result;
    }
    result.trackAdded = true;
    surroundings.mainStatus.Status(result.build.ok() ? std::string(kConvertAllDone)
                                                     : PiecesNotAddedStatus(result.build));

    const std::string& out = options.outputFolder;
    if (options.dispMap) {
        QuietMessages quiet(surroundings.prompter);
        // The displacement map reads the terrain and its track from an editor
        // state; the terrain is lent to it and taken back.
        EditorState state;
        state.programFolder = programFolder;
        state.currentTerFile = options.terFile;
        std::swap(state.national, terrain);
        const DisplacementMapRun run = RunTerrainDisplacementMap(TerrainMapSize::k513, state, out, options.maxZText,
                                                                 surroundings.preview, surroundings.mainStatus, quiet);
        std::swap(state.national, terrain);
        result.steps.push_back({"513 displacement map", run.path, run.saved});
    }
    if (options.texture) {
        const TextureJob job = ConversionTextureJob(options.terFile, out);
        const Outcome made =
            surroundings.texture ? surroundings.texture(job) : TextureWithoutWindow(job, programFolder, surroundings);
        result.steps.push_back({"texture", job.texturePath, made});
    }
    const TrackFileFolders trackFolders{out, options.terFile, programFolder, surroundings.userDataFolder,
                                        options.gameFolder};
    if (options.writeScn) {
        result.steps.push_back(
            {".SCN", SceneFilePath(out, options.terFile), WriteSceneFile(options.environment, trackFolders)});
    }
    if (options.writeTer) {
        result.steps.push_back({".TER", TerrainFilePath(out, options.terFile),
                                WriteTerrainFile(options.environment, options.gridResText, trackFolders)});
        const std::string flat = JoinPath(out, "flat.asc");
        result.steps.push_back(
            {"flat.asc", flat, CopyStockFile("flat.asc", flat, programFolder, surroundings.userDataFolder)});
    }
    // A later step's done text must not hide an earlier failure.
    std::size_t failed = 0;
    for (const ConversionStep& step : result.steps) failed += step.outcome ? 0 : 1;
    if (failed > 0) surroundings.mainStatus.Status(FilesNotWrittenStatus(failed, result.steps.size()));
    return result;
}

}  // namespace gw
