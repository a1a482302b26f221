// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "cli/CliScene.h"
#include "core/trackfiles/ProfileFile.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

std::string SampleTer() { return ProgramFolder() + "/samples/Dunes/Dunes.TER"; }

// The height a saved terrain holds on the top of the sample's tabletop at (56, 243),
// which the conversion makes Z Base + 0.67 x 4.5 above what the grid held.
double TabletopHeight(const std::string& terrain) { return ReadTerrain(terrain).At(56, 243); }

TEST(ConvertCli, WritesEveryFileTheDialogWritesAndListsThem) {
    TempDir dir;
    const std::string out = dir.File("nat");  // created by the verb
    // The output is for the game's Tracks folder on a Windows machine.
    const CliRun result =
        RunCli("convert " + SampleTer() + " -o " + out + " --grid-res 2.0 --game-folder 'C:\\MCM\\Tracks\\Dunes'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, Native(out + "/DunesDispMap513.tga\n" + out + "/DunesUnRendered.tga\n" + out +
                                 "/Dunes.SCN\n" + out + "/Dunes.TER\n" + out + "/flat.asc\n" + out + "/Dunes.asc\n"));
    EXPECT_EQ(FilesIn(out), (std::set<std::string>{"Dunes.SCN", "Dunes.TER", "Dunes.asc", "DunesDispMap513.tga",
                                                   "DunesUnRendered.tga", "MakeTexture.log", "flat.asc"}));
    ProfileDocument ter;
    ASSERT_TRUE(ProfileDocument::Load(out + "/Dunes.TER", ter));
    EXPECT_EQ(ter.Get("ElevationData", "GridResolutionInFeet", ""), "2.0");
    EXPECT_EQ(ter.Get("ElevationData", "ElevationPath", ""), "C:\\MCM\\Tracks\\Dunes\\");
    EXPECT_EQ(ter.Get("TerrainPalette", "FileSet_1", ""), "C:\\MCM\\Tracks\\Dunes\\DunesTex.tga");
}

TEST(ConvertCli, OptionsChooseTheFilesAndTheHeights) {
    TempDir dir;
    // A base terrain at 1.0 everywhere, and Quarry heights.
    WriteTerrain(dir.File("base.asc"), Filled(1.0));
    const std::string out = dir.File("quarry");
    CliRun result = RunCli("convert " + SampleTer() + " -o " + out +
                           " --quarry --no-scn --no-dispmap --no-texture --base " + dir.File("base.asc"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FilesIn(out), (std::set<std::string>{"Dunes.TER", "Dunes.asc", "flat.asc"}));
    EXPECT_NEAR(TabletopHeight(out + "/Dunes.asc"), 1.0 + 15.0 + 0.67 * 4.5, 1e-9);
    ProfileDocument ter;
    ASSERT_TRUE(ProfileDocument::Load(out + "/Dunes.TER", ter));
    EXPECT_EQ(ter.Get("ElevationFile_97", "Name", ""), "Dunes.asc");  // the Quarry's own keys

    // --no-ter also leaves out flat.asc; --z-base overrides the Quarry rule.
    const std::string out2 = dir.File("bare");
    result = RunCli("convert " + SampleTer() + " -o " + out2 +
                    " --quarry --z-base 2 --no-ter --no-scn --no-dispmap --no-texture");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FilesIn(out2), (std::set<std::string>{"Dunes.asc"}));
    EXPECT_NEAR(TabletopHeight(out2 + "/Dunes.asc"), 2.0 + 0.67 * 4.5, 1e-9);
}

TEST(ConvertCli, ARelativeOutputFolderIsNamedAbsoluteInTheNewTer) {
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const CliRun result = RunCli("convert " + SampleTer() + " -o nat --no-texture --no-dispmap --no-scn");
    fs::current_path(before);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string out = Native(fs::canonical(dir.path()).string() + "/nat");
    EXPECT_EQ(result.err, Native(out + "/Dunes.TER\n" + out + "/flat.asc\n" + out + "/Dunes.asc\n"));
    ProfileDocument ter;
    ASSERT_TRUE(ProfileDocument::Load(out + "/Dunes.TER", ter));
    // The game reads Windows paths: Wine shows this system's / as drive Z:.
    std::string named = out + "\\";
    std::replace(named.begin(), named.end(), '/', '\\');
#ifndef _WIN32
    named = "Z:" + named;
#endif
    EXPECT_EQ(ter.Get("ElevationData", "ElevationPath", ""), named);
    EXPECT_EQ(ter.Get("TerrainPalette", "FileSet_2", ""), named + "DunesTexA.tga");
}

TEST(ConvertCli, TheFolderTheTerNamesGivenAsGameFolderConvertsByteIdentically) {
    TempDir dir;
    ASSERT_EQ(RunCli("convert " + SampleTer() + " -o " + dir.File("first")).status, 0);
    ProfileDocument ter;
    ASSERT_TRUE(ProfileDocument::Load(dir.File("first/Dunes.TER"), ter));
    const std::string named = ter.Get("ElevationData", "ElevationPath", "");
#ifdef _WIN32
    // The path the program wrote is one it opens itself.
    EXPECT_EQ(RunCli("stats '" + named + "Dunes.asc'").status, 0) << named;
#endif
    ASSERT_EQ(RunCli("convert " + SampleTer() + " -o " + dir.File("second") + " --game-folder '" + named + "'").status,
              0);
    const std::set<std::string> names = FilesIn(dir.File("first"));
    ASSERT_EQ(FilesIn(dir.File("second")), names);
    for (const std::string& name : names) {
        EXPECT_EQ(ReadAll(dir.File("second/" + name)), ReadAll(dir.File("first/" + name))) << name;
    }
}

TEST(ConvertCli, OpenOnlySavesTheTerrainAndNothingElse) {
    TempDir dir;
    const std::string asc = dir.File("only/track.asc");
    fs::create_directory(dir.File("only"));
    CliRun result = RunCli("convert " + SampleTer() + " --open-only --save-asc " + asc);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, asc + "\n");
    EXPECT_EQ(FilesIn(dir.File("only")), (std::set<std::string>{"track.asc"}));
    EXPECT_NEAR(TabletopHeight(asc), 5.411765 + 0.67 * 4.5, 1e-9);
}

}  // namespace
}  // namespace gw::test
