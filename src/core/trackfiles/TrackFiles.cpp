// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/trackfiles/TrackFiles.h"

#include "core/io/FileText.h"
#include "core/io/ReplaceFile.h"
#include "core/trackfiles/FindTrackFile.h"
#include "core/trackfiles/GameFolder.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/StockFiles.h"

namespace gw {

namespace {

// The National terrain is made of 9 elevation files, the Quarry of 25, numbered
// as the game's stock files number them.
constexpr int kNationalFirstElevationFile = 65;
constexpr int kNationalLastElevationFile = 73;
constexpr int kQuarryFirstElevationFile = 97;
constexpr int kQuarryLastElevationFile = 121;

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        if (!text.empty()) text += "\n";
        text += line;
    }
    return text;
}

// The checks both writers make before anything is written; empty when they pass.
std::string RefusalFor(const std::string& outFolder, const std::string& currentTerFile) {
    if (GetBaseName(currentTerFile).empty()) return "No SX .TER file is chosen.";
    if (outFolder.empty()) return "No output folder is given.";
    if (IsSameFolder(outFolder, FolderOfPath(currentTerFile))) {
        return "The output folder " + outFolder + " is the folder of the SX track " + currentTerFile +
               "; its own files would be replaced. Please choose another output folder.";
    }
    return std::string();
}

// The stock file as a document to change, or an empty one when there is none.
ProfileDocument StartFromStock(const std::string& name, const std::string& programFolder,
                               const std::string& userDataFolder, std::vector<std::string>& failures) {
    ProfileDocument document;
    const std::string stock = FindStockFile(name, userDataFolder, programFolder);
    if (stock.empty()) return document;
    Outcome loaded = ProfileDocument::Load(stock, document);
    if (!loaded) failures.push_back(loaded.message());
    return document;
}

Outcome WriteEntries(ProfileDocument& document, const std::vector<ProfileEntry>& entries, const std::string& target,
                     std::vector<std::string>& failures) {
    for (const auto& entry : entries) {
        Outcome set = document.Set(entry.section, entry.key, entry.value);
        if (!set) failures.push_back(set.message() + " (" + target + ")");
    }
    Outcome saved = document.Save(target);
    if (!saved) failures.push_back(saved.message());
    return failures.empty() ? Outcome::Ok() : Outcome::Fail(JoinLines(failures));
}

}  // namespace

TerrainEnvironment EnvironmentFromText(std::string_view text) {
    return text == "Quarry" ? TerrainEnvironment::Quarry : TerrainEnvironment::National;
}

std::vector<ProfileEntry> TerrainFileEntries(TerrainEnvironment environment, const std::string& folder,
                                             const std::string& gridResolution, const std::string& base) {
    std::vector<ProfileEntry> entries = {
        {"ElevationData", "GridResolutionInFeet", gridResolution},
        {"ElevationData", "ElevationPath", folder},
        {"ElevationData", "TextureMapPath", folder},
        {"TerrainPalette", "FileSet_1", folder + base + "Tex.tga"},
        {"TerrainPalette", "FileSet_2", folder + base + "TexA.tga"},
        {"TextureMapFile_1", "Name", base + "Tex.tga"},
    };
    const bool quarry = environment == TerrainEnvironment::Quarry;
    if (!quarry) entries.push_back({"TextureMapFile_2", "Name", base + "Tile.tga"});
    const int first = quarry ? kQuarryFirstElevationFile : kNationalFirstElevationFile;
    const int last = quarry ? kQuarryLastElevationFile : kNationalLastElevationFile;
    for (int n = first; n <= last; ++n) {
        entries.push_back({"ElevationFile_" + std::to_string(n), "Name", base + ".asc"});
    }
    return entries;
}

std::vector<ProfileEntry> SceneFileEntries(const std::string& sxSceneName, const std::string& base) {
    return {
        {"SceneInfo", "SceneName", sxSceneName == "Not Found" ? base : sxSceneName},
        {"Environment", "TerrainFile", base + ".TRN"},
    };
}

std::string TerrainFilePath(const std::string& outFolder, const std::string& currentTerFile) {
    return JoinPath(outFolder, GetBaseName(currentTerFile) + ".TER");
}

std::string SceneFilePath(const std::string& outFolder, const std::string& currentTerFile) {
    return JoinPath(outFolder, GetBaseName(currentTerFile) + ".SCN");
}

Outcome CopyFileReplacing(const std::string& source, const std::string& target) {
    std::string bytes;
    Outcome read = ReadFileBytes(source, kStockFileCap, bytes);
    if (!read) return read;
    return ReplaceFileContents(target, bytes);
}

Outcome CopyStockFile(const std::string& name, const std::string& targetPath, const std::string& programFolder,
                      const std::string& userDataFolder) {
    const std::string stock = FindStockFile(name, userDataFolder, programFolder);
    if (stock.empty()) {
        std::string folders = programFolder;
        if (!userDataFolder.empty()) folders = userDataFolder + " or " + folders;
        return Outcome::Fail("The stock file " + name + " was not found in " + folders);
    }
    return CopyFileReplacing(stock, targetPath);
}

Outcome WriteSceneFile(std::string_view environment, const TrackFileFolders& folders) {
    const std::string& outFolder = folders.outFolder;
    const std::string& currentTerFile = folders.currentTerFile;
    if (std::string refusal = RefusalFor(outFolder, currentTerFile); !refusal.empty()) {
        return Outcome::Fail(refusal);
    }
    const bool quarry = EnvironmentFromText(environment) == TerrainEnvironment::Quarry;
    std::vector<std::string> failures;
    ProfileDocument document =
        StartFromStock(quarry ? "quarry.scn" : "national.scn", folders.programFolder, folders.userDataFolder, failures);
    const std::string sxSceneName =
        ReadPrivateValue("SceneInfo", "SceneName", "Not Found", FindSceneBesideTer(currentTerFile));
    return WriteEntries(document, SceneFileEntries(sxSceneName, GetBaseName(currentTerFile)),
                        SceneFilePath(outFolder, currentTerFile), failures);
}

Outcome WriteTerrainFile(std::string_view environment, const std::string& gridResolution,
                         const TrackFileFolders& folders) {
    const std::string& outFolder = folders.outFolder;
    const std::string& currentTerFile = folders.currentTerFile;
    if (std::string refusal = RefusalFor(outFolder, currentTerFile); !refusal.empty()) {
        return Outcome::Fail(refusal);
    }
    const TerrainEnvironment kind = EnvironmentFromText(environment);
    std::vector<std::string> failures;
    ProfileDocument document = StartFromStock(kind == TerrainEnvironment::Quarry ? "quarry.ter" : "national.ter",
                                              folders.programFolder, folders.userDataFolder, failures);
    return WriteEntries(document,
                        TerrainFileEntries(kind, GameFolderFor(outFolder, folders.gameFolder), gridResolution,
                                           GetBaseName(currentTerFile)),
                        TerrainFilePath(outFolder, currentTerFile), failures);
}

}  // namespace gw
