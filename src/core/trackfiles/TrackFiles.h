// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The .TER and .SCN of a converted terrain. Each starts from the stock file of
// its environment and gets only the keys below; the names come from the base
// name of the SX track's .TER (its file name up to the first period), so
// C:\tracks\My.Track.ter gives My.TER, My.SCN and My.asc.
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"

namespace gw {

enum class TerrainEnvironment { National, Quarry };

// "Quarry" is the Quarry environment; every other text is National.
TerrainEnvironment EnvironmentFromText(std::string_view text);

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
    bool operator==(const ProfileEntry&) const = default;
};

// The keys written into the new .TER, in the order they are written.
// gameFolder is the folder as the game finds the files (GameFolderFor), with
// its closing backslash.
std::vector<ProfileEntry> TerrainFileEntries(TerrainEnvironment environment, const std::string& gameFolder,
                                             const std::string& gridResolution, const std::string& base);
// The keys written into the new .SCN; sxSceneName "Not Found" gives base.
std::vector<ProfileEntry> SceneFileEntries(const std::string& sxSceneName, const std::string& base);

// Where the new files go: outFolder + base + ".TER" / ".SCN".
std::string TerrainFilePath(const std::string& outFolder, const std::string& currentTerFile);
std::string SceneFilePath(const std::string& outFolder, const std::string& currentTerFile);

// Copies source to target, replacing target only once the copy is complete.
Outcome CopyFileReplacing(const std::string& source, const std::string& target);

// Copies the stock file name (found by FindStockFile) to targetPath. A stock file
// found nowhere is a failure that names both folders searched.
Outcome CopyStockFile(const std::string& name, const std::string& targetPath, const std::string& programFolder,
                      const std::string& userDataFolder = "");

// The files a converted track's .SCN and .TER are written from and to.
struct TrackFileFolders {
    std::string outFolder;       // where they are written
    std::string currentTerFile;  // the SX track's .TER: its scene, its base name
    std::string programFolder;   // the stock files shipped with the program
    std::string userDataFolder;  // the user's stock files, looked in first (none when empty)
    std::string gameFolder;      // the game's folder written into the .TER (from outFolder when empty)
};

// Makes outFolder/base.SCN from quarry.scn or national.scn with the scene name
// of the SX track's own .SCN (found beside the .TER, letter case ignored).
// Makes outFolder/base.TER from quarry.ter or national.ter with the keys of
// TerrainFileEntries; the folders it names are GameFolderFor(outFolder,
// gameFolder).
//
// A stock file found nowhere is passed over: the new file then holds only the
// keys written here. Refused before anything is written: an empty .TER path or
// output folder, and an output folder that is the SX track's own folder (its
// files would be replaced). Every failure is listed in the message, one per
// line; the file is written once, safely, so a failure never leaves it half
// written.
Outcome WriteSceneFile(std::string_view environment, const TrackFileFolders& folders);
Outcome WriteTerrainFile(std::string_view environment, const std::string& gridResolution,
                         const TrackFileFolders& folders);

}  // namespace gw
