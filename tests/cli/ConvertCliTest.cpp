// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/terrain/Asc257File.h"
#include "core/trackfiles/ProfileFile.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using gw::test::CliRun;
using gw::test::RunCli;
using gw::test::TempDir;

std::string SampleTer() { return gw::test::ProgramFolder() + "/samples/Dunes/Dunes.TER"; }

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (!fs::exists(folder)) return names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The height a saved terrain holds on the top of the sample's tabletop at (56, 243),
// which the conversion makes Z Base + 0.67 x 4.5 above what the grid held.
double TabletopHeight(const std::string& terrain) {
    gw::NationalGrid grid;
    gw::NullStatusSink quiet;
    EXPECT_TRUE(gw::ReadASC257(terrain, grid, quiet).ok()) << terrain;
    return grid.At(56, 243);
}

TEST(ConvertCli, WritesEveryFileTheDialogWritesAndListsThem) {
    TempDir dir;
    const std::string out = dir.File("nat");  // created by the verb
    // The output is for the game's Tracks folder on a Windows machine.
    const CliRun result =
        RunCli("convert " + SampleTer() + " -o " + out + " --grid-res 2.0 --game-folder 'C:\\MCM\\Tracks\\Dunes'");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              gw::test::Native(out + "/DunesDispMap513.tga\n" + out + "/DunesUnRendered.tga\n" + out + "/Dunes.SCN\n" +
                               out + "/Dunes.TER\n" + out + "/flat.asc\n" + out + "/Dunes.asc\n"));
    EXPECT_EQ(NamesIn(out), (std::vector<std::string>{"Dunes.SCN", "Dunes.TER", "Dunes.asc", "DunesDispMap513.tga",
                                                      "DunesUnRendered.tga", "MakeTexture.log", "flat.asc"}));
    gw::ProfileDocument ter;
    ASSERT_TRUE(gw::ProfileDocument::Load(out + "/Dunes.TER", ter));
    EXPECT_EQ(ter.Get("ElevationData", "GridResolutionInFeet", ""), "2.0");
    EXPECT_EQ(ter.Get("ElevationData", "ElevationPath", ""), "C:\\MCM\\Tracks\\Dunes\\");
    EXPECT_EQ(ter.Get("TerrainPalette", "FileSet_1", ""), "C:\\MCM\\Tracks\\Dunes\\DunesTex.tga");
}

TEST(ConvertCli, OptionsChooseTheFilesAndTheHeights) {
    TempDir dir;
    // A base terrain at 1.0 everywhere, and Quarry heights.
    gw::NationalGrid base;
    base.values.assign(base.values.size(), 1.0);
    gw::NullStatusSink quiet;
    ASSERT_TRUE(gw::WriteASC257({gw::test::Skeleton257Path(), dir.File("base.asc"), "base"}, base, quiet));
    const std::string out = dir.File("quarry");
    CliRun result = RunCli("convert " + SampleTer() + " -o " + out +
                           " --quarry --no-scn --no-dispmap --no-texture --base " + dir.File("base.asc"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(NamesIn(out), (std::vector<std::string>{"Dunes.TER", "Dunes.asc", "flat.asc"}));
    EXPECT_NEAR(TabletopHeight(out + "/Dunes.asc"), 1.0 + 15.0 + 0.67 * 4.5, 1e-9);
    gw::ProfileDocument ter;
    ASSERT_TRUE(gw::ProfileDocument::Load(out + "/Dunes.TER", ter));
    EXPECT_EQ(ter.Get("ElevationFile_97", "Name", ""), "Dunes.asc");  // the Quarry's own keys

    // --no-ter also leaves out flat.asc; --z-base overrides the Quarry rule.
    const std::string out2 = dir.File("bare");
    result = RunCli("convert " + SampleTer() + " -o " + out2 +
                    " --quarry --z-base 2 --no-ter --no-scn --no-dispmap --no-texture");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(NamesIn(out2), (std::vector<std::string>{"Dunes.asc"}));
    EXPECT_NEAR(TabletopHeight(out2 + "/Dunes.asc"), 2.0 + 0.67 * 4.5, 1e-9);
}

TEST(ConvertCli, ARelativeOutputFolderIsNamedAbsoluteInTheNewTer) {
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const CliRun result = RunCli("convert " + SampleTer() + " -o nat --no-texture --no-dispmap --no-scn");
    fs::current_path(before);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string out = gw::test::Native(fs::canonical(dir.path()).string() + "/nat");
    EXPECT_EQ(result.err, gw::test::Native(out + "/Dunes.TER\n" + out + "/flat.asc\n" + out + "/Dunes.asc\n"));
    gw::ProfileDocument ter;
    ASSERT_TRUE(gw::ProfileDocument::Load(out + "/Dunes.TER", ter));
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
    gw::ProfileDocument ter;
    ASSERT_TRUE(gw::ProfileDocument::Load(dir.File("first/Dunes.TER"), ter));
    const std::string named = ter.Get("ElevationData", "ElevationPath", "");
#ifdef _WIN32
    // The path the program wrote is one it opens itself.
    EXPECT_EQ(RunCli("stats '" + named + "Dunes.asc'").status, 0) << named;
#endif
    ASSERT_EQ(RunCli("convert " + SampleTer() + " -o " + dir.File("second") + " --game-folder '" + named + "'").status,
              0);
    const std::vector<std::string> names = NamesIn(dir.File("first"));
    ASSERT_EQ(NamesIn(dir.File("second")), names);
    for (const std::string& name : names) {
        EXPECT_EQ(gw::test::ReadAll(dir.File("second/" + name)), gw::test::ReadAll(dir.File("first/" + name))) << name;
    }
}

TEST(ConvertCli, OpenOnlySavesTheTerrainAndNothingElse) {
    TempDir dir;
    const std::string asc = dir.File("only/track.asc");
    fs::create_directory(dir.File("only"));
    CliRun result = RunCli("convert " + SampleTer() + " --open-only --save-asc " + asc);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, asc + "\n");
    EXPECT_EQ(NamesIn(dir.File("only")), (std::vector<std::string>{"track.asc"}));
    EXPECT_NEAR(TabletopHeight(asc), 5.411765 + 0.67 * 4.5, 1e-9);
}

TEST(ConvertCli, ExitStatusAndOneLineErrors) {
    TempDir dir;
    const std::string ter = SampleTer();
    const std::string out = dir.File("out");
    const std::string trackFolder = gw::test::ProgramFolder() + "/samples/Dunes";
    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"convert", 2, "gridwright-cli convert: expected one TRACK.TER (try --help)\n"},
        {"convert " + ter, 2,
         "gridwright-cli convert: expected -o DIR (or --open-only --save-asc FILE) (try --help)\n"},
        {"convert " + ter + " " + ter + " -o " + out, 2,
         "gridwright-cli convert: expected one TRACK.TER (try --help)\n"},
        {"convert " + ter + " --open-only", 2,
         "gridwright-cli convert: --open-only needs --save-asc FILE (try --help)\n"},
        {"convert " + dir.File("none.TER") + " -o " + out, 1,
         "gridwright-cli convert: Cannot open " + dir.File("none.TER") + ": No such file or directory\n"},
        {"convert " + ter + " -o " + trackFolder, 1,
         "gridwright-cli convert: The output folder " + gw::test::Native(fs::absolute(trackFolder).string()) +
             " is the folder of the SX track " + ter +
             "; its own files would be replaced. Please choose another output folder.\n"},
        {"convert " + ter + " -o " + out + " --base " + dir.File("none.asc"), 1,
         "gridwright-cli convert: Cannot open " + dir.File("none.asc") + ": No such file or directory\n"},
        {"convert " + ter + " --open-only --save-asc /nonexistent/t.asc", 1,
         "gridwright-cli convert: Cannot write /nonexistent/t.asc: No such file or directory\n"},
    };
    const std::vector<std::string> trackFiles = NamesIn(trackFolder);
    for (const Case& c : cases) {
        CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
    }
    EXPECT_EQ(NamesIn(trackFolder), trackFiles) << "nothing was written into the track's folder";
    EXPECT_FALSE(fs::exists(out)) << "failed runs create no output folder";
}

TEST(ConvertCli, PiecesThatCannotBeReadAreErrorsButTheRestIsWritten) {
    TempDir dir;
    fs::copy(gw::test::ProgramFolder() + "/samples/Dunes", dir.File("Dunes"), fs::copy_options::recursive);
    fs::remove(dir.File("Dunes/DoubleN.asc"));
    const std::string out = dir.File("out");
    CliRun result = RunCli("convert " + dir.File("Dunes/Dunes.TER") + " -o " + out + " --no-texture -q");
    EXPECT_EQ(result.status, 1);
    // The practice line's double (column 8, row 5) and the west edge's (column 0,
    // row 10) are ridden north: the missing file is said once, for both.
    EXPECT_EQ(result.err,
              "gridwright-cli convert: Pieces 89, 161 C:\\MCM\\Tracks\\Dunes\\DoubleN.asc not added: Cannot open "
              "C:\\MCM\\Tracks\\Dunes\\DoubleN.asc: No such file or directory\n");
    EXPECT_EQ(NamesIn(out),
              (std::vector<std::string>{"Dunes.SCN", "Dunes.TER", "Dunes.asc", "DunesDispMap513.tga", "flat.asc"}));
}

}  // namespace
