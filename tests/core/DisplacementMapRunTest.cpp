// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/dispmap/DisplacementMap.h"
#include "core/dispmap/DisplacementMapFiles.h"
#include "core/dispmap/DisplacementMapRun.h"
#include "core/image/TgaFile.h"
#include "core/io/OutputFile.h"
#include "support/RecordingFakes.h"
#include "support/RecordingStatusSink.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::TempDir;

class FakePreview final : public DisplacementPreview {
public:
    void ShowPreview() override { ++shown; }
    void Status(const std::string& text) override { texts.push_back(text); }
    void DrawMap(const RgbImage& pixels) override { drawn = pixels; }
    int shown = 0;
    std::vector<std::string> texts;
    RgbImage drawn;
};

using RecordingStatus = test::RecordingStatusSink;
using ScriptedPrompter = test::OneAnswerPrompter;

// Runs a block with the process's current folder set to folder.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

EditorState PieceState(const std::string& folder) {
    EditorState state;
    state.pieceName = "bump";
    state.pieceFolder = folder + test::kSeparator;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) state.piece.Z(c, r) = (c * r) % 7;
    return state;
}

TEST(DisplacementMapFiles, NamesAndTheSaveBox) {
    EXPECT_EQ(PieceDisplacementMapPath("/tracks/", "bump"), "/tracks/bumpDispMap17.tga");
    EXPECT_EQ(PieceDisplacementMapPath("/tracks", "bump"), "/tracks" + test::kSeparator + "bumpDispMap17.tga");
    EXPECT_EQ(PieceDisplacementMapPath("", "bump"), "bumpDispMap17.tga");
    EXPECT_EQ(PieceDisplacementMapPath("/tracks/", ""), "");

    EXPECT_EQ(TerrainDisplacementMapFixedPath(TerrainMapSize::k257, "C:\\MCM\\Tracks\\Dunes\\Dunes.ter"),
              "DunesDispMap257.tga");
    EXPECT_EQ(TerrainDisplacementMapFixedPath(TerrainMapSize::k513, "/home/rider/my.track.ter"), "myDispMap513.tga");
    EXPECT_EQ(TerrainDisplacementMapFixedPath(TerrainMapSize::k513, ""), "");

    const FileBoxRequest box = TerrainDisplacementMapSaveBox(TerrainMapSize::k257, "/national/", "", "/maps/base.asc");
    EXPECT_EQ(box.title, "Save Displacement Map 257");
    EXPECT_EQ(box.filter, "TGA file|*.tga|All Files|*.*");
    EXPECT_EQ(box.defaultExtension, "*.tga");
    EXPECT_EQ(box.initialFolder, "/national/");
    EXPECT_EQ(box.fileName, "baseDispMap257.tga");
    const FileBoxRequest noBase = TerrainDisplacementMapSaveBox(TerrainMapSize::k513, "", "", "");
    EXPECT_EQ(noBase.title, "Save Displacement Map 513");
    EXPECT_EQ(noBase.fileName, "");
    // After a conversion the box proposes the converted track's name.
    EXPECT_EQ(TerrainDisplacementMapSaveBox(TerrainMapSize::k257, "/nat/", "C:\\T\\Dunes.ter", "/b.asc").fileName,
              "DunesDispMap257.tga");

    EXPECT_EQ(PlaceInOutputFolder("DunesDispMap513.tga", "/out"), "/out" + test::kSeparator + "DunesDispMap513.tga");
    EXPECT_EQ(PlaceInOutputFolder("/maps/x.y.tga", "/out/"), "/out/x.y");  // base name and first extension
    EXPECT_EQ(PlaceInOutputFolder("/maps/plain.tga", ""), "/maps/plain.tga");
}

TEST(DisplacementMapRun, MaxZBoxTextsAndAnEmptyAnswer) {
    ScriptedPrompter prompter;
    std::string maxZ;
    prompter.inputAnswer = "35";
    EXPECT_TRUE(AskDisplacementMapMaxZ(prompter, maxZ));
    EXPECT_EQ(maxZ, "35");
    prompter.inputAnswer = "";
    EXPECT_FALSE(AskDisplacementMapMaxZ(prompter, maxZ));
    ASSERT_EQ(prompter.inputs.size(), 2u);
    EXPECT_EQ(prompter.inputs[0], "Displacment Map Max Z|20|Input the Z value that equates to color 255,255,255.");
}

TEST(DisplacementMapRun, PieceMapWithoutAPieceOnlySaysSo) {
    TempDir dir;
    EditorState state = PieceState(dir.path().string());
    state.pieceName.clear();
    FakePreview preview;
    ScriptedPrompter prompter;
    const DisplacementMapRun run = RunDisplacementMap17(state, preview, prompter);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Gridwright|Please open an SX ASC file"});
    EXPECT_EQ(preview.shown, 0);
    EXPECT_TRUE(preview.texts.empty());
    EXPECT_EQ(run.path, "");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(DisplacementMapRun, PieceMapIsSavedBesideThePiece) {
    TempDir dir;
    const EditorState state = PieceState(dir.path().string());
    FakePreview preview;
    ScriptedPrompter prompter;
    const DisplacementMapRun run = RunDisplacementMap17(state, preview, prompter);
    ASSERT_TRUE(run.saved) << run.saved.message();
    EXPECT_EQ(run.path, dir.File("bumpDispMap17.tga"));
    EXPECT_EQ(preview.shown, 1);
    EXPECT_EQ(preview.texts.front(), "Computing Min/Max");
    EXPECT_EQ(preview.texts.back(), "All Done - saved as " + run.path);
    EXPECT_EQ(preview.drawn.width(), 17);
    EXPECT_TRUE(prompter.messages.empty());

    NullStatusSink quiet;
    const DisplacementMap expected = MakeDisplacementMap17(state.piece, quiet);
    RgbImage saved;
    ASSERT_TRUE(ReadTgaFile(run.path, saved));
    EXPECT_EQ(saved, expected.image);
    EXPECT_EQ(preview.drawn, expected.preview);
}

// A map that cannot be saved is reported and never followed by a done text.
TEST(DisplacementMapRun, FailedSaveIsReportedInsteadOfDone) {
    TempDir dir;
    FakePreview preview;
    ScriptedPrompter prompter;
    OutputFile::FailAfterBytesForTesting(100);
    const DisplacementMapRun run = RunDisplacementMap17(PieceState(dir.path().string()), preview, prompter);
    OutputFile::FailAfterBytesForTesting(-1);
    const std::string reason = "Cannot write " + dir.File("bumpDispMap17.tga") + ": No space left on device";
    ASSERT_FALSE(run.saved);
    EXPECT_EQ(run.saved.message(), reason);
    EXPECT_EQ(preview.texts.back(), reason);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Gridwright|" + reason});
    EXPECT_FALSE(test::Exists(dir.File("bumpDispMap17.tga")));

    EditorState terrain;
    terrain.currentTerFile = "/tracks/Dunes.ter";
    RecordingStatus mainStatus;
    FakePreview terrainPreview;
    ScriptedPrompter terrainPrompter;
    OutputFile::FailAfterBytesForTesting(0);
    const DisplacementMapRun failed = RunTerrainDisplacementMap(TerrainMapSize::k513, terrain, dir.path().string(),
                                                                "20", terrainPreview, mainStatus, terrainPrompter);
    OutputFile::FailAfterBytesForTesting(-1);
    ASSERT_FALSE(failed.saved);
    const std::string terrainReason = "Cannot write " + dir.File("DunesDispMap513.tga") + ": No space left on device";
    EXPECT_EQ(terrainPreview.texts.back(), terrainReason);
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{terrainReason});
    EXPECT_EQ(terrainPrompter.messages, std::vector<std::string>{"Gridwright|" + terrainReason});
}

TEST(DisplacementMapRun, TerrainMapAsksWhereWhenNoTerIsCurrent) {
    TempDir dir;
    EditorState state;
    state.nationalFolder = dir.path().string() + "/";
    state.baseMapFile = "/maps/Quarry.asc";
    state.national.At(128, 128) = 12;
    state.national.At(0, 0) = 10;

    // Cancelled: only the main window's status says so.
    FakePreview preview;
    RecordingStatus mainStatus;
    ScriptedPrompter prompter;
    DisplacementMapRun run =
        RunTerrainDisplacementMap(TerrainMapSize::k257, state, "", "20", preview, mainStatus, prompter);
    ASSERT_EQ(prompter.fileBoxes.size(), 1u);
    EXPECT_EQ(prompter.fileBoxes[0].fileName, "QuarryDispMap257.tga");
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{"Make Displacement Map cancelled"});
    EXPECT_EQ(preview.shown, 0);
    EXPECT_EQ(run.path, "");

    // Answered: saved there, both status labels end with the done text.
    prompter.fileAnswer = dir.File("chosen.tga");
    mainStatus.texts.clear();
    run = RunTerrainDisplacementMap(TerrainMapSize::k513, state, "", "20", preview, mainStatus, prompter);
    ASSERT_TRUE(run.saved) << run.saved.message();
    EXPECT_EQ(run.path, dir.File("chosen.tga"));
    const std::string done = "DispMap Done - Max Z =  20 - saved as " + run.path;
    EXPECT_EQ(preview.texts.back(), done);
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{done});
    RgbImage saved;
    ASSERT_TRUE(ReadTgaFile(run.path, saved));
    ASSERT_EQ(saved.width(), 513);
    EXPECT_EQ(saved.Pixel(0, 512)[0], 128);    // NationalGrid(0, 0) = 10 of 20
    EXPECT_EQ(saved.Pixel(256, 256)[0], 154);  // 12 of 20: 153.6
    EXPECT_EQ(saved, preview.drawn);
}

TEST(DisplacementMapRun, OnlyTheConversionSavesWithoutAsking) {
    TempDir dir;
    EditorState state;
    state.currentTerFile = "C:\\MCM\\Tracks\\Dunes\\Dunes.ter";
    FakePreview preview;
    RecordingStatus mainStatus;
    ScriptedPrompter prompter;

    // A conversion's output folder takes the map.
    DisplacementMapRun run = RunTerrainDisplacementMap(TerrainMapSize::k513, state, dir.path().string(), "30", preview,
                                                       mainStatus, prompter);
    ASSERT_TRUE(run.saved) << run.saved.message();
    EXPECT_EQ(run.path, dir.File("DunesDispMap513.tga"));
    EXPECT_TRUE(test::Exists(run.path));
    EXPECT_TRUE(prompter.fileBoxes.empty());
    EXPECT_EQ(mainStatus.texts.back(), "DispMap Done - Max Z =  30 - saved as " + run.path);

    // From the menu (no output folder) it asks, proposing the track's name in the
    // conversion's folder, and never writes into the process's current folder.
    state.nationalFolder = dir.path().string() + "/";
    prompter.fileAnswer = dir.File("DunesDispMap257.tga");
    TempDir current;
    {
        CurrentFolder inside(current.path());
        run = RunTerrainDisplacementMap(TerrainMapSize::k257, state, "", "20", preview, mainStatus, prompter);
    }
    ASSERT_EQ(prompter.fileBoxes.size(), 1u);
    EXPECT_EQ(prompter.fileBoxes[0].fileName, "DunesDispMap257.tga");
    EXPECT_EQ(prompter.fileBoxes[0].initialFolder, state.nationalFolder);
    EXPECT_TRUE(test::Exists(dir.File("DunesDispMap257.tga")));
    EXPECT_TRUE(std::filesystem::is_empty(current.path()));
}

}  // namespace
}  // namespace gw
