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

// The options choose the files (listed as written, nothing else) and the heights.
TEST(ConvertCli, OptionsChooseTheFilesAndTheHeights) {
    TempDir dir;
    WriteTerrain(dir.File("base.asc"), Filled(1.0));
    const struct {
        std::string options;
        std::vector<std::string> written;
        double zBase;
    } cases[] = {
        // The Quarry's heights on a base terrain at 1.0 everywhere.
        {"--quarry --no-scn --no-dispmap --no-texture --base " + dir.File("base.asc"),
         {"Dunes.TER", "flat.asc", "Dunes.asc"},
         1.0 + 15.0},
        // --no-ter also leaves out flat.asc; --z-base overrides the Quarry rule.
        {"--quarry --z-base 2 --no-ter --no-scn --no-dispmap --no-texture", {"Dunes.asc"}, 2.0},
        // --open-only saves the terrain and nothing else.
        {"--open-only --save-asc", {"Dunes.asc"}, 5.411765},
    };
    for (const auto& c : cases) {
        const std::string out = dir.File("out" + std::to_string(&c - cases));
        const bool openOnly = c.options.starts_with("--open-only");
        if (openOnly) fs::create_directory(out);
        const CliRun result = RunCli("convert " + SampleTer() + " " + c.options + " " +
                                     (openOnly ? out + kSeparator + "Dunes.asc" : "-o " + out));
        ASSERT_EQ(result.status, 0) << result.err;
        std::string listed;
        for (const std::string& name : c.written) listed += out + kSeparator + name + "\n";
        EXPECT_EQ(result.err, listed) << c.options;
        EXPECT_EQ(FilesIn(out), std::set<std::string>(c.written.begin(), c.written.end())) << c.options;
        // The top of the sample's tabletop at (56, 243): Z Base + 0.67 x 4.5 above the grid.
        EXPECT_NEAR(ReadTerrain(out + "/Dunes.asc").At(56, 243), c.zBase + 0.67 * 4.5, 1e-9) << c.options;
    }
    ProfileDocument ter;  // the Quarry's own keys
    ASSERT_TRUE(ProfileDocument::Load(dir.File("out0/Dunes.TER"), ter));
    EXPECT_EQ(ter.Get("ElevationFile_97", "Name", ""), "Dunes.asc");
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

}  // namespace
}  // namespace gw::test
