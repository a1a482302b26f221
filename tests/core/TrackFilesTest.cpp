// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/trackfiles/GameFolder.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/TrackFiles.h"
#include "support/CaseTable.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

TEST(TrackFiles, TheGameFolderIsInWindowsFormAsTheGameSeesIt) {
#ifdef _WIN32
    const std::string drive = std::filesystem::current_path().root_name().string();
#else
    const std::string drive = "Z:";
#endif
    for (const test::CaseRow& c : test::ReadCaseTable("trackfiles/game-folder.txt"))
        EXPECT_EQ(GameFolderFor(c[0], c[1]), c[2].rfind("DRIVE", 0) == 0 ? drive + c[2].substr(5) : c[2])
            << c[0] << " " << c[1];
}

TEST(TrackFiles, SceneDefaultEnvironmentAndFileNamesFromWindowsPaths) {
    // Only the scene default's own spelling stands for a missing name.
    EXPECT_EQ(SceneFileEntries("Not found", "Dunes")[0].value, "Not found");
    EXPECT_EQ(SceneFileEntries("", "Dunes")[0].value, "");
    EXPECT_EQ(EnvironmentFromText("Quarry"), TerrainEnvironment::Quarry);
    for (const char* text : {"National", "quarry", "QUARRY", "", "Quarry "})
        EXPECT_EQ(EnvironmentFromText(text), TerrainEnvironment::National) << text;
    EXPECT_EQ(TerrainFilePath("/out", "C:\\tracks\\Dunes.ter"), "/out" + test::kSeparator + "Dunes.TER");
    EXPECT_EQ(SceneFilePath("/out/", "C:\\tracks\\Dunes.ter"), "/out/Dunes.SCN");
}

// An SX track in track/, an empty output folder nat/, and the build's program
// folder with our stock files.
class Conversion : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "track");
        std::filesystem::create_directories(dir.path() / "nat");
        std::filesystem::create_directories(dir.path() / "user");
        std::filesystem::create_directories(dir.path() / "empty");
        ter = dir.File("track/Dunes.ter");
        WriteAll(ter, "[ElevationData]\r\nElevationPath=C:\\MCM\\Tracks\\Dunes\\\r\n");
        out = dir.File("nat");
    }
    std::string Out(const std::string& name) const { return dir.File("nat/" + name); }
    // A file of tests/data/trackfiles with OUT\ standing for the output folder as the game names it.
    std::string Golden(const std::string& name) const {
        return ReplaceAll(ReadAll(test::TestDataPath("trackfiles/" + name)), "OUT\\", GameFolderFor(out, ""));
    }

    TempDir dir;
    std::string ter;
    std::string out;
    const std::string program = test::ProgramFolder();
};

// The National .TER for a game folder on a Windows machine; the Quarry .TER over a per-user stock file
// (which wins over the program's, whatever its letter case: its keys stay, new keys go after the last
// key of their section, new sections at the end); without stock files only the .TER's own keys.
TEST_F(Conversion, TheTerIsTheStockFileWithItsKeysReplaced) {
    WriteAll(dir.File("user/QUARRY.TER"),
             "[ElevationData]\r\nElevationPath=old\r\n\r\n[TextureMapFile_2]\r\nName=Stock.tga\r\n\r\n"
             "[ElevationFile_96]\r\nName=keep.asc\r\n");
    const std::tuple<const char*, const char*, TrackFileFolders, const char*> cases[] = {
        {"National", "2.5", {out, ter, program, "", "C:/MCM/Tracks/Dunes"}, "national-game-folder.ter"},
        {"Quarry", "3.0", {out, ter, program, dir.File("user"), ""}, "quarry-user-stock.ter"},
        {"National", "3.0", {out, ter, dir.File("empty"), "", ""}, "national-no-stock.ter"},
    };
    for (const auto& [environment, gridRes, folders, golden] : cases) {
        ASSERT_TRUE(WriteTerrainFile(environment, gridRes, folders)) << golden;
        EXPECT_EQ(ReadAll(Out("Dunes.TER")), Golden(golden));
    }
}

TEST_F(Conversion, ExistingFilesAreReplacedNotMergedAndFilesAreNamedUpToTheTracksFirstPeriod) {
    WriteAll(Out("Dunes.TER"), "[Old]\r\nStale=1\r\n");
    WriteAll(Out("flat.asc"), "old");
    ASSERT_TRUE(WriteTerrainFile("National", "", {out, ter, program, "", ""}));
    ASSERT_TRUE(CopyStockFile("flat.asc", Out("flat.asc"), program));
    EXPECT_EQ(ReadPrivateValue("Old", "Stale", "gone", Out("Dunes.TER")), "gone");
    EXPECT_NE(ReadAll(Out("Dunes.TER")).find("\r\nGridResolutionInFeet=\r\n"), std::string::npos);  // empty stays empty
    EXPECT_EQ(ReadAll(Out("flat.asc")), ReadAll(program + "/flat.asc"));

    const std::string myTer = dir.File("track/My.Track.ter");
    WriteAll(myTer, "");
    ASSERT_TRUE(WriteSceneFile("National", {out, myTer, program, "", ""}));
    ASSERT_TRUE(WriteTerrainFile("National", "3.0", {out, myTer, program, "", ""}));
    EXPECT_EQ(ReadPrivateValue("ElevationFile_65", "Name", "", Out("My.TER")), "My.asc");
    EXPECT_EQ(ReadPrivateValue("SceneInfo", "SceneName", "", Out("My.SCN")), "My");
    EXPECT_EQ(ReadPrivateValue("Environment", "TerrainFile", "", Out("My.SCN")), "My.TRN");
}

// The written .SCN is a file of tests/data/trackfiles; no file name: no .SCN beside the .TER.
TEST_F(Conversion, TheSxSceneNameIsCarriedFoundInAnyLetterCaseElseTheBaseNameIsTheScene) {
    const std::tuple<const char*, std::string, std::string, const char*> cases[] = {
        {"National", "", "", "national-dunes.scn"},
        {"National", "Dunes.SCN", "[SceneInfo]\r\nOther=1\r\n", "national-dunes.scn"},
        {"National", "Dunes.SCN", "[SceneInfo]\r\nSceneName=Not Found\r\n", "national-dunes.scn"},
        {"National", "Dunes.SCN", "[SceneInfo]\r\nSceneName=Valley Run\r\n", "national-valley-run.scn"},
        {"Quarry", "dunes.scn", "[sceneinfo]\nscenename = \"Valley Run\"\n", "quarry-valley-run.scn"},
    };
    for (const auto& [environment, name, sxScene, golden] : cases) {
        SCOPED_TRACE(sxScene);
        for (const auto& file : test::FilesIn(dir.path() / "track"))
            if (file != "Dunes.ter") std::filesystem::remove(dir.path() / "track" / file);
        if (!name.empty()) WriteAll(dir.File("track/" + name), sxScene);
        ASSERT_TRUE(WriteSceneFile(environment, {out, ter, program, "", ""}));
        EXPECT_EQ(ReadAll(Out("Dunes.SCN")), Golden(golden));
    }
}

TEST_F(Conversion, TheSxTracksOwnFolderAndMissingInputsAndFoldersAreRefused) {
    WriteAll(dir.File("track/Dunes.SCN"), "[SceneInfo]\r\nSceneName=Valley Run\r\n");
    const std::string terBefore = ReadAll(ter), missing = dir.File("nat/new");
    std::vector<std::pair<Outcome, std::string>> cases = {
        {WriteTerrainFile("National", "3.0", {out, "", program, "", ""}), "No SX .TER file is chosen."},
        {WriteSceneFile("National", {"", ter, program, "", ""}), "No output folder is given."},
        {WriteTerrainFile("National", "3.0", {missing, ter, program, "", ""}),
         "Cannot write " + test::Native(missing + "/Dunes.TER") + ": No such file or directory"},
        {CopyStockFile("flat.asc", Out("flat.asc"), dir.File("empty"), dir.File("user")),
         "The stock file flat.asc was not found in " + dir.File("user") + " or " + dir.File("empty")},
    };
    for (const std::string& folder : {dir.File("track"), dir.File("track/"), dir.File("TRACK")}) {
        const std::string refusal = "The output folder " + folder + " is the folder of the SX track " + ter +
                                    "; its own files would be replaced. Please choose another output folder.";
        cases.push_back({WriteSceneFile("National", {folder, ter, program, "", ""}), refusal});
        cases.push_back({WriteTerrainFile("National", "3.0", {folder, ter, program, "", ""}), refusal});
    }
    for (const auto& [outcome, message] : cases) {
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.message(), message);
    }
    EXPECT_FALSE(test::Exists(Out("flat.asc")));
    EXPECT_EQ(ReadAll(ter), terBefore);
    EXPECT_EQ(ReadAll(dir.File("track/Dunes.SCN")), "[SceneInfo]\r\nSceneName=Valley Run\r\n");
    // Only the track's .ter and .SCN (a new Dunes.TER would be its .ter where letter case is ignored).
    EXPECT_EQ(test::FilesIn(dir.path() / "track").size(), 2u);
}

}  // namespace
}  // namespace gw
