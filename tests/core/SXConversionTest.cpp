// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/convert/BuildNational.h"
#include "core/convert/SXConversion.h"
#include "core/image/TgaFile.h"
#include "core/trackfiles/GameFolder.h"
#include "core/trackfiles/ProfileFile.h"
#include "support/CaseTable.h"
#include "support/RecordingFakes.h"
#include "support/RecordingStatusSink.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::FilesIn;
using test::RecordingStatusSink;
using test::TempDir;

constexpr double kZBase = 5.411765;

struct QuietPreview final : DisplacementPreview {
    void ShowPreview() override {}
    void Status(const std::string&) override {}
    void DrawMap(const RgbImage&) override {}
};

std::string CopySampleTrack(const TempDir& dir) {
    const std::string folder = dir.File("Dunes");
    fs::copy(test::ProgramFolder() + "/samples/Dunes", folder, fs::copy_options::recursive);
    return folder + test::kSeparator + "Dunes.TER";
}

// The first case is the sample as converted; the others add onto what the grid holds, but the
// pieces at BaseX 240 close the last column, those at BaseY 240 the last row, at exactly Z Base:
// the pieces' own last lattice lines (the north-east berm's are 3.6 high) are not used.
TEST(BuildNationalFromTer, SampleTrackGivesTheHeightsWorkedOutByHand) {
    const std::string ter = test::ProgramFolder() + "/samples/Dunes/Dunes.TER";
    const std::tuple<const char*, double, int, const char*, const char*> cases[] = {
        {"the sample on a clear grid", 0.0, 1, "5.411765", "0.67"},
        {"a base terrain at 1", 1.0, 1, "5.411765", "0.67"},
        {"converted twice without clearing", 0.0, 2, "5.411765", "0.67"},
        {"Quarry base and a scale of 1", 0.0, 1, "15.0", "1.0"},
    };
    for (const auto& [name, start, runs, zBase, zScale] : cases) {
        SCOPED_TRACE(name);
        NationalGrid grid;
        grid.values.assign(grid.values.size(), start);
        RecordingStatusSink status;
        NationalBuild build;
        for (int run = 0; run < runs; ++run) build = BuildNationalFromTer(ter, zBase, zScale, grid, status);
        ASSERT_TRUE(build.ok()) << NationalBuildProblemsText(build);
        EXPECT_EQ(build.piecesAdded, 256);
        const double base = std::stod(zBase), scale = std::stod(zScale);
        for (const test::CaseRow& spot : test::ReadCaseTable("core/sample-track-spots.txt"))
            EXPECT_NEAR(grid.At(std::stoi(spot[0]), std::stoi(spot[1])),
                        start + runs * (base + scale * test::CaseNumber(spot[2])), 1e-9)
                << spot[3];
        for (int k = 0; k <= 256; ++k) {
            ASSERT_EQ(grid.At(256, k), base) << "column 256, row " << k;
            ASSERT_EQ(grid.At(k, 256), base) << "row 256, column " << k;
        }
        ASSERT_EQ(status.texts.size(), 256u * runs);
        EXPECT_EQ(status.texts[0], " 1 C:\\MCM\\Tracks\\Dunes\\BermN.asc");
        EXPECT_EQ(status.texts[255], " 256 C:\\MCM\\Tracks\\Dunes\\BermS.asc");
    }
}

TEST(BuildNationalFromTer, PiecesOrATerThatCannotBeReadLeaveTheirPlaceAsItWas) {
    TempDir dir;
    const std::string ter = CopySampleTrack(dir);
    fs::remove(dir.File("Dunes/StepUpN.asc"));
    // Piece 16 (the north-east berm) loses its section; piece 2 names a file that is not there.
    ProfileDocument document;
    ASSERT_TRUE(ProfileDocument::Load(ter, document));
    std::string text = document.Text();
    document = ProfileDocument(text.replace(text.find("[ElevationFile_16]"), 18, "[Elevation_16]"));
    ASSERT_TRUE(document.Set("ElevationFile_2", "Name", "nothere.asc"));
    ASSERT_TRUE(document.Save(ter));

    NationalGrid grid;
    NullStatusSink quiet;
    const NationalBuild build = BuildNationalFromTer(ter, "5.411765", "0.67", grid, quiet);
    EXPECT_FALSE(build.ok());
    // Piece 2 (column 1, row 0), piece 16, and the step-up N pieces (practice line, row 7).
    std::set<int> numbers;
    for (const PieceNotAdded& piece : build.notAdded) numbers.insert(piece.number);
    EXPECT_EQ(numbers, (std::set<int>{2, 16, 7 * 16 + 9}));
    EXPECT_EQ(build.piecesAdded, 253);
    EXPECT_EQ(grid.At(16 + 5, 240 + 5), 0.0) << "piece 2's place is untouched";
    EXPECT_EQ(grid.At(136, 135), 0.0) << "the step-up's place is untouched";
    EXPECT_EQ(grid.At(240 + 3, 240 + 3), 0.0) << "piece 16's place is untouched";
    EXPECT_NEAR(grid.At(0, 240), kZBase + 0.67 * 3.6, 1e-9) << "the other pieces are there";
    const std::string problems = NationalBuildProblemsText(build);
    EXPECT_NE(problems.find("Piece 2 C:\\MCM\\Tracks\\Dunes\\nothere.asc not added: Cannot open"), std::string::npos)
        << problems;
    EXPECT_NE(problems.find("Piece 16 C:\\MCM\\Tracks\\Dunes\\Not found not added: "
                            "the .TER has no section [ElevationFile_16]"),
              std::string::npos)
        << problems;
    EXPECT_EQ(std::count(problems.begin(), problems.end(), '\n'), 2) << problems;
    const std::string two = NationalBuildProblemsText(build, 2);  // two pieces, then "... and 1 more"
    EXPECT_EQ(std::count(two.begin(), two.end(), '\n'), 2) << two;
    EXPECT_EQ(PiecesNotAddedStatus(build), "Track loaded, 3 of 256 pieces not added");

    // A .TER that cannot be read changes nothing.
    const NationalGrid before = grid;
    RecordingStatusSink status;
    const NationalBuild none = BuildNationalFromTer(dir.File("missing.TER"), "5.411765", "0.67", grid, status);
    EXPECT_FALSE(none.terRead);
    EXPECT_NE(none.terRead.message().find("missing.TER"), std::string::npos);
    EXPECT_EQ(grid, before);
    EXPECT_TRUE(status.texts.empty());
}

class SXConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programFolder = test::ProgramFolder();
        ter = CopySampleTrack(dir);
        out = dir.File("nat");
        fs::create_directory(out);
        options.terFile = ter;
        options.outputFolder = out;
        options.writeTer = options.writeScn = options.dispMap = options.texture = true;
    }
    SXConversionResult Run() {
        ConversionSurroundings surroundings{status, preview, prompter, "", texture};
        return RunSXConversion(options, state.programFolder, state.national, surroundings);
    }
    TempDir dir;
    EditorState state;
    std::string ter, out;
    SXConversionOptions options;
    RecordingStatusSink status;
    QuietPreview preview;
    test::OneAnswerPrompter prompter;
    ConversionTextureRunner texture;
};

TEST_F(SXConversionTest, WritesTheChosenFilesInOrderTheSampleTracksTextureToo) {
    const SXConversionResult result = Run();
    ASSERT_TRUE(result.ok()) << result.FailureText();
    EXPECT_EQ(result.FailureText(), "");
    EXPECT_TRUE(result.trackAdded);
    const std::string in = out + test::kSeparator;
    std::vector<std::string> order;
    for (const ConversionStep& step : result.steps) order.push_back(step.what + " " + step.path);
    EXPECT_EQ(order, (std::vector<std::string>{"513 displacement map " + in + "DunesDispMap513.tga",
                                               "texture " + in + "DunesUnRendered.tga", ".SCN " + in + "Dunes.SCN",
                                               ".TER " + in + "Dunes.TER", "flat.asc " + in + "flat.asc"}));

    // "All Done" once the track is in, then the map's own done text; the texture's comes last.
    ASSERT_GE(status.texts.size(), 258u);
    EXPECT_EQ(status.texts[256], "All Done");
    EXPECT_EQ(status.texts[257].rfind("DispMap Done - Max Z = ", 0), 0u);
    EXPECT_EQ(status.texts.back(), "Finished converting " + ter);
    EXPECT_TRUE(prompter.messages.empty());

    RgbImage map, texture;
    ASSERT_TRUE(ReadTgaFile(in + "DunesDispMap513.tga", map));
    EXPECT_EQ(map.width(), 513);
    ASSERT_TRUE(ReadTgaFile(in + "DunesUnRendered.tga", texture));
    EXPECT_EQ(texture.width(), 1016);
    // The log lies beside the texture and names the .TRK found beside the .TER.
    const std::string log = test::ReadAll(in + "MakeTexture.log");
    EXPECT_NE(test::CaseKey(log).find(test::CaseKey("= " + dir.File("Dunes/Dunes.TRK"))), std::string::npos)
        << log.substr(0, 300);
    EXPECT_EQ(test::ReadAll(in + "flat.asc"), test::ReadAll(test::ProgramFolder() + "/flat.asc"));
}

TEST_F(SXConversionTest, TheNewTerAndScnCarryTheKeysThatMakeTheGameLoadTheTerrain) {
    texture = [](const TextureJob&) { return Outcome::Ok(); };
    for (const char* environment : {"National", "Quarry"}) {
        options.environment = environment;
        options.gridResText = "2.5";
        ASSERT_TRUE(Run().ok());
        ProfileDocument newTer, newScn;
        ASSERT_TRUE(ProfileDocument::Load(out + "/Dunes.TER", newTer));
        ASSERT_TRUE(ProfileDocument::Load(out + "/Dunes.SCN", newScn));
        const bool quarry = std::string(environment) == "Quarry";
        EXPECT_EQ(newTer.Get("ElevationData", "GridResolutionInFeet", ""), "2.5");
        EXPECT_EQ(newTer.Get("ElevationData", "ElevationPath", ""), GameFolderFor(out, ""));
        EXPECT_EQ(newTer.Find("TextureMapFile_2", "Name").value_or("none"), quarry ? "none" : "DunesTile.tga");
        for (int n = quarry ? 97 : 65; n <= (quarry ? 121 : 73); ++n)
            EXPECT_EQ(newTer.Get("ElevationFile_" + std::to_string(n), "Name", ""), "Dunes.asc") << environment << n;
        EXPECT_EQ(newScn.Get("SceneInfo", "SceneName", ""), "Dunes at Dusk");
        EXPECT_EQ(newScn.Get("Environment", "TerrainFile", ""), "Dunes.TRN");
    }
}

TEST_F(SXConversionTest, TheTracksOwnFolderOrNoneIsRefusedBeforeAnythingIsWrittenButOpeningOnlyLoads) {
    // Also when reached through a link, and whichever single output is chosen.
    std::vector<std::string> folders = {dir.File("Dunes"), dir.File("Dunes/")};
    std::error_code noLinks;  // MinGW's runtime makes no links on Windows
    fs::create_directory_symlink(dir.File("Dunes"), dir.File("link"), noLinks);
    if (!noLinks) folders.push_back(dir.File("link"));
    for (const std::string& folder : folders) {
        for (int only = 0; only < 4; ++only) {
            options.outputFolder = folder;
            options.writeTer = only == 0;
            options.writeScn = only == 1;
            options.dispMap = only == 2;
            options.texture = only == 3;
            const std::set<std::string> before = FilesIn(dir.File("Dunes"));
            const std::string terBytes = test::ReadAll(ter);
            const SXConversionResult result = Run();
            EXPECT_EQ(result.refusal, "The output folder " + folder + " is the folder of the SX track " + ter +
                                          "; its own files would be replaced. Please choose another output folder.");
            EXPECT_EQ(result.FailureText(), result.refusal);
            EXPECT_FALSE(result.trackAdded);
            EXPECT_EQ(FilesIn(dir.File("Dunes")), before);
            EXPECT_EQ(test::ReadAll(ter), terBytes);
            EXPECT_TRUE(status.texts.empty());
        }
    }
    // An empty output folder is refused only when files are to be written.
    options.outputFolder = "";
    options.writeTer = options.writeScn = options.dispMap = options.texture = true;
    EXPECT_EQ(Run().refusal, "Please select an output directory.");
    // Opening only loads the track onto a copy of the terrain given, whatever the folder.
    options.writeTer = options.writeScn = options.dispMap = options.texture = false;
    state.national.At(56, 243) = 1;
    options.spline = true;  // starts no work
    options.outputFolder = dir.File("Dunes");
    const std::set<std::string> before = FilesIn(dir.File("Dunes"));
    const SXConversionResult result = Run();
    EXPECT_EQ(result.refusal, "");
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.steps.empty());
    EXPECT_EQ(FilesIn(dir.File("Dunes")), before);
    EXPECT_TRUE(FilesIn(out).empty());
    EXPECT_EQ(status.texts.back(), "All Done");
    EXPECT_NEAR(result.terrain.At(56, 243), 1 + kZBase + 0.67 * 4.5, 1e-9);
    EXPECT_EQ(state.national.At(56, 243), 1) << "the terrain given stays as it was";
}

TEST_F(SXConversionTest, FailedStepsAreAllReportedAndTheLastStatusSaysSo) {
    options.outputFolder = dir.File("no/such/folder");
    const SXConversionResult result = Run();
    EXPECT_FALSE(result.ok());
    ASSERT_EQ(result.steps.size(), 5u);
    for (const ConversionStep& step : result.steps) EXPECT_FALSE(step.outcome) << step.what;
    const std::string texture = options.outputFolder + test::kSeparator + "DunesUnRendered.tga";
    EXPECT_EQ(result.steps[1].outcome.message().rfind("Cannot write " + texture, 0), 0u)
        << result.steps[1].outcome.message();
    const std::string text = result.FailureText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4) << text;
    EXPECT_EQ(text.rfind("The 513 displacement map failed: Cannot write " + options.outputFolder, 0), 0u) << text;
    EXPECT_EQ(status.texts.back(), "Conversion not complete, 5 of 5 files failed");
    // The map's box is left to the caller's summary; the texture builder shows its own.
    for (const std::string& message : prompter.messages)
        EXPECT_EQ(message.find("DispMap"), std::string::npos) << message;
    EXPECT_TRUE(result.trackAdded) << "the track is in the grid all the same";
}

}  // namespace
}  // namespace gw
