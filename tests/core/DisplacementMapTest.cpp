// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/dispmap/DisplacementMap.h"
#include "core/dispmap/DisplacementMapFiles.h"
#include "core/dispmap/DisplacementMapRun.h"
#include "core/image/TgaFile.h"
#include "core/text/NumberText.h"
#include "support/CaseTable.h"
#include "support/RecordingFakes.h"
#include "support/RecordingStatusSink.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::CaseNumber;
using test::TempDir;
using Texts = std::vector<std::string>;

PieceGrid Flat(double height) {
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = height;
    return grid;
}

int GreyAt(const RgbImage& image, int x, int y) {
    const std::uint8_t* p = image.Pixel(x, y);
    EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << x << ", " << y << " is not grey";
    return p[0];
}

TEST(DisplacementMap, GreyOfRoundsHalvesToEvenAndNeverDividesByZeroAndGreyByteClips) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/grey-of.txt"))
        EXPECT_EQ(GreyOf(CaseNumber(c[0]), CaseNumber(c[1]), CaseNumber(c[2])), CaseNumber(c[3]))
            << c[0] << " " << c[2];
    for (const test::CaseRow& c : test::ReadCaseTable("core/grey-byte.txt"))
        EXPECT_EQ(GreyByte(CaseNumber(c[0])), std::stoi(c[1])) << c[0];
}

TEST(DisplacementMap, TerrainTopIsMaxZUnlessTheTerrainIsTaller) {
    NullStatusSink quiet;
    for (const test::CaseRow& c : test::ReadCaseTable("core/terrain-top.txt")) {
        NationalGrid grid;
        grid.At(200, 100) = CaseNumber(c[0]);
        grid.At(7, 9) = CaseNumber(c[3]);
        const DisplacementMap map = MakeDisplacementMap257(grid, c[1], quiet);
        EXPECT_EQ(std::pair(map.floor, map.top), std::pair(0.0, CaseNumber(c[2]))) << c[1];
        EXPECT_EQ(GreyAt(map.image, 7, 256 - 9), std::stoi(c[4])) << c[1];
    }
}

// Every pixel of an image that is not black, as "x y grey" lines, top row first.
std::string LitPixels(const RgbImage& image) {
    std::string text = std::to_string(image.width()) + " x " + std::to_string(image.height()) + "\n";
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const int grey = GreyAt(image, x, y))
                text += std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(grey) + "\n";
    return text;
}

NationalGrid Terrain(std::initializer_list<std::array<int, 3>> heights) {
    NationalGrid grid;
    for (const auto& [x, y, z] : heights) grid.At(x, y) = z;
    return grid;
}

// Each map's floor, top, lit pixels and preview (where it differs): tests/data/core/dispmap/<name>.txt.
TEST(DisplacementMap, EachMapLightsItsPixels) {
    NullStatusSink quiet;
    PieceGrid sum;  // Z = c + r: lowest 2 at (1, 1), highest 34 at (17, 17), so grey = (c + r - 2) x 8
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) sum.Z(c, r) = c + r;
    sum.Z(0, 0) = 1000;  // the rim is never part of the piece
    sum.Z(18, 18) = -1000;
    PieceGrid one, high = Flat(300), low = Flat(-5);
    one.Z(3, 2) = 10;    // grid row 2, column 3: pixel (2, 1), as the top row is grid row 1
    high.Z(4, 4) = 344;  // the floor stays 256
    low.Z(4, 4) = -3;    // the top stays -1
    const std::pair<const char*, DisplacementMap> cases[] = {
        // Row 17 and column 17 show only in the preview.
        {"piece-sum", MakeDisplacementMap17(sum, quiet)},
        {"piece-one-cell", MakeDisplacementMap17(one, quiet)},
        {"piece-high", MakeDisplacementMap17(high, quiet)},
        {"piece-low", MakeDisplacementMap17(low, quiet)},
        // Flat is all black, but at 256 or more, where the floor stays 256: all white.
        {"piece-flat-0", MakeDisplacementMap17(Flat(0), quiet)},
        {"piece-flat-minus-3", MakeDisplacementMap17(Flat(-3), quiet)},
        {"piece-flat-255.5", MakeDisplacementMap17(Flat(255.5), quiet)},
        {"piece-flat-300", MakeDisplacementMap17(Flat(300), quiet)},
        // The south row at the bottom: terrain (-125, -128) at the bottom, (-128, 128) top left;
        // below the floor of 0 is black.
        {"terrain-257",
         MakeDisplacementMap257(Terrain({{3, 0, 10}, {0, 256, 20}, {256, 255, 5}, {100, 100, -4}}), "20", quiet)},
        // With Max Z 256 a grey equals its height, so the means of two samples show
        // their rounding: right of (10, 20) 75.5 -> 76, below-right 52.5 -> 52.
        {"terrain-513-means",
         MakeDisplacementMap513(Terrain({{10, 20, 100}, {11, 20, 51}, {10, 19, 30}, {11, 19, 5}}), "256", quiet)},
        // The last column and the bottom row repeat instead of mixing.
        {"terrain-513-edges",
         MakeDisplacementMap513(
             Terrain({{256, 100, 40}, {256, 99, 200}, {50, 0, 60}, {51, 0, 0}, {256, 0, 90}, {255, 0, 10}}), "256",
             quiet)},
    };
    for (const auto& [name, map] : cases) {
        std::string text =
            "floor " + PaddedNumberText(map.floor) + " top " + PaddedNumberText(map.top) + "\n" + LitPixels(map.image);
        text += map.preview == map.image ? "preview is the image\n" : "preview " + LitPixels(map.preview);
        EXPECT_EQ(text, test::ReadAll(test::TestDataPath(std::string("core/dispmap/") + name + ".txt"))) << name;
    }
}

TEST(DisplacementMap, StatusCountsTheRowsFromTheTop) {
    test::RecordingStatusSink status;
    MakeDisplacementMap17(Flat(1), status);
    MakeDisplacementMap257(NationalGrid(), "20", status);
    std::string texts;
    for (const std::string& text : status.texts) texts += text + "\n";
    EXPECT_EQ(texts, test::ReadAll(test::TestDataPath("core/dispmap/status-piece-then-terrain.txt")));
}

struct FakePreview final : DisplacementPreview {
    void ShowPreview() override { ++shown; }
    void Status(const std::string& text) override { texts.push_back(text); }
    void DrawMap(const RgbImage& pixels) override { drawn = pixels; }
    int shown = 0;
    Texts texts;
    RgbImage drawn;
};

struct MapRun {
    TempDir dir;
    FakePreview preview;
    test::RecordingStatusSink mainStatus;
    test::OneAnswerPrompter prompter;

    EditorState PieceState() const {
        EditorState state;
        state.pieceName = "bump";
        state.pieceFolder = dir.path().string() + test::kSeparator;
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c) state.piece.Z(c, r) = (c * r) % 7;
        return state;
    }
    DisplacementMapRun Terrain(TerrainMapSize size, const EditorState& state, const std::string& outputFolder,
                               const std::string& maxZ) {
        return RunTerrainDisplacementMap(size, state, outputFolder, maxZ, preview, mainStatus, prompter);
    }
};

std::string BoxText(const FileBoxRequest& box) {
    return box.title + "|" + box.filter + "|" + box.defaultExtension + "|" + box.initialFolder + "|" + box.fileName;
}

TEST(DisplacementMapFiles, NamesTheSaveBoxAndTheDoneText) {
    const std::string& sep = test::kSeparator;
    const std::pair<std::string, std::string> cases[] = {
        {PieceDisplacementMapPath("/tracks/", "bump"), "/tracks/bumpDispMap17.tga"},
        {PieceDisplacementMapPath("/tracks", "bump"), "/tracks" + sep + "bumpDispMap17.tga"},
        {PieceDisplacementMapPath("", "bump"), "bumpDispMap17.tga"},
        {PieceDisplacementMapPath("/tracks/", ""), ""},
        {TerrainDisplacementMapFixedPath(TerrainMapSize::k257, "C:\\MCM\\Tracks\\Dunes\\Dunes.ter"),
         "DunesDispMap257.tga"},
        {TerrainDisplacementMapFixedPath(TerrainMapSize::k513, "/home/rider/my.track.ter"), "myDispMap513.tga"},
        {TerrainDisplacementMapFixedPath(TerrainMapSize::k513, ""), ""},
        {BoxText(TerrainDisplacementMapSaveBox(TerrainMapSize::k257, "/national/", "", "/maps/base.asc")),
         "Save Displacement Map 257|TGA file|*.tga|All Files|*.*|*.tga|/national/|baseDispMap257.tga"},
        {BoxText(TerrainDisplacementMapSaveBox(TerrainMapSize::k513, "", "", "")),
         "Save Displacement Map 513|TGA file|*.tga|All Files|*.*|*.tga||"},
        // After a conversion the box proposes the converted track's name.
        {TerrainDisplacementMapSaveBox(TerrainMapSize::k257, "/nat/", "C:\\T\\Dunes.ter", "/b.asc").fileName,
         "DunesDispMap257.tga"},
        {PlaceInOutputFolder("DunesDispMap513.tga", "/out"), "/out" + sep + "DunesDispMap513.tga"},
        {PlaceInOutputFolder("/maps/x.y.tga", "/out/"), "/out/x.y"},  // base name and first extension
        {PlaceInOutputFolder("/maps/plain.tga", ""), "/maps/plain.tga"},
        // The done text has the status number form.
        {DispMapDoneText(20), "DispMap Done - Max Z =  20"},
        {DispMapDoneText(12.5), "DispMap Done - Max Z =  12.5"},
        {DispMapDoneText(0.25), "DispMap Done - Max Z =  .25"},
        {DispMapDoneText(-1), "DispMap Done - Max Z = -1"},
    };
    for (const auto& [made, expected] : cases) EXPECT_EQ(made, expected);
}

TEST(DisplacementMapRun, MaxZBoxTextsAndAnEmptyAnswer) {
    test::OneAnswerPrompter prompter;
    std::string maxZ;
    prompter.inputAnswer = "35";
    EXPECT_TRUE(AskDisplacementMapMaxZ(prompter, maxZ));
    EXPECT_EQ(maxZ, "35");
    prompter.inputAnswer = "";
    EXPECT_FALSE(AskDisplacementMapMaxZ(prompter, maxZ));
    EXPECT_EQ(prompter.inputs,
              Texts(2, "Displacment Map Max Z|20|Input the Z value that equates to color 255,255,255."));
}

// Without a piece it only says so; a map that cannot be saved is reported and never followed by a done text.
TEST(DisplacementMapRun, PieceMapIsSavedBesideThePieceElseTheRunSaysWhy) {
    MapRun run;
    EditorState state = run.PieceState();
    state.pieceName.clear();
    EXPECT_EQ(RunDisplacementMap17(state, run.preview, run.prompter).path, "");
    EXPECT_EQ(run.prompter.messages, Texts{"Gridwright|Please open an SX ASC file"});
    EXPECT_EQ(run.preview.shown, 0);
    EXPECT_TRUE(run.preview.texts.empty());
    EXPECT_TRUE(std::filesystem::is_empty(run.dir.path()));

    state = run.PieceState();
    run.prompter.messages.clear();
    const std::string reason = "Cannot write " + run.dir.File("bumpDispMap17.tga") + ": No space left on device";
    {
        test::FailWritesAfter full(100);
        const DisplacementMapRun failed = RunDisplacementMap17(state, run.preview, run.prompter);
        ASSERT_FALSE(failed.saved);
        EXPECT_EQ(failed.saved.message(), reason);
    }
    EXPECT_EQ(run.preview.texts.back(), reason);
    EXPECT_EQ(run.prompter.messages, Texts{"Gridwright|" + reason});
    EXPECT_FALSE(test::Exists(run.dir.File("bumpDispMap17.tga")));

    run.prompter.messages.clear();
    run.preview.texts.clear();
    const DisplacementMapRun made = RunDisplacementMap17(state, run.preview, run.prompter);
    ASSERT_TRUE(made.saved) << made.saved.message();
    EXPECT_EQ(made.path, run.dir.File("bumpDispMap17.tga"));
    EXPECT_EQ(run.preview.shown, 2);
    EXPECT_EQ(run.preview.texts.front(), "Computing Min/Max");
    EXPECT_EQ(run.preview.texts.back(), "All Done - saved as " + made.path);
    EXPECT_TRUE(run.prompter.messages.empty());
    NullStatusSink quiet;
    const DisplacementMap expected = MakeDisplacementMap17(state.piece, quiet);
    RgbImage saved;
    ASSERT_TRUE(ReadTgaFile(made.path, saved));
    EXPECT_EQ(saved, expected.image);
    EXPECT_EQ(run.preview.drawn, expected.preview);
}

TEST(DisplacementMapRun, TerrainMapAsksWhereUnlessAConversionGivesTheFolder) {
    MapRun run;
    EditorState state;
    state.nationalFolder = run.dir.path().string() + "/";
    state.baseMapFile = "/maps/Quarry.asc";
    state.national.At(128, 128) = 12;
    state.national.At(0, 0) = 10;

    // No .TER is current: the box proposes the base map's name; cancelled, only the main status says so.
    EXPECT_EQ(run.Terrain(TerrainMapSize::k257, state, "", "20").path, "");
    ASSERT_EQ(run.prompter.fileBoxes.size(), 1u);
    EXPECT_EQ(run.prompter.fileBoxes[0].fileName, "QuarryDispMap257.tga");
    EXPECT_EQ(run.mainStatus.texts, Texts{"Make Displacement Map cancelled"});
    EXPECT_EQ(run.preview.shown, 0);

    // Answered: saved there, both status labels end with the done text.
    run.prompter.fileAnswer = run.dir.File("chosen.tga");
    run.mainStatus.texts.clear();
    DisplacementMapRun made = run.Terrain(TerrainMapSize::k513, state, "", "20");
    ASSERT_TRUE(made.saved) << made.saved.message();
    EXPECT_EQ(made.path, run.dir.File("chosen.tga"));
    const std::string done = "DispMap Done - Max Z =  20 - saved as " + made.path;
    EXPECT_EQ(run.preview.texts.back(), done);
    EXPECT_EQ(run.mainStatus.texts, Texts{done});
    RgbImage saved;
    ASSERT_TRUE(ReadTgaFile(made.path, saved));
    ASSERT_EQ(saved.width(), 513);
    EXPECT_EQ(saved.Pixel(0, 512)[0], 128);    // NationalGrid(0, 0) = 10 of 20
    EXPECT_EQ(saved.Pixel(256, 256)[0], 154);  // 12 of 20: 153.6
    EXPECT_EQ(saved, run.preview.drawn);

    // A conversion's output folder takes the map without asking; a full disk is reported instead of done.
    state.currentTerFile = "C:\\MCM\\Tracks\\Dunes\\Dunes.ter";
    run.mainStatus.texts.clear();
    {
        test::FailWritesAfter full(0);
        ASSERT_FALSE(run.Terrain(TerrainMapSize::k513, state, run.dir.path().string(), "20").saved);
    }
    const std::string reason = "Cannot write " + run.dir.File("DunesDispMap513.tga") + ": No space left on device";
    EXPECT_EQ(run.preview.texts.back(), reason);
    EXPECT_EQ(run.mainStatus.texts, Texts{reason});
    EXPECT_EQ(run.prompter.messages, Texts{"Gridwright|" + reason});
    made = run.Terrain(TerrainMapSize::k513, state, run.dir.path().string(), "30");
    ASSERT_TRUE(made.saved) << made.saved.message();
    EXPECT_EQ(made.path, run.dir.File("DunesDispMap513.tga"));
    EXPECT_TRUE(test::Exists(made.path));
    EXPECT_EQ(run.prompter.fileBoxes.size(), 2u);
    EXPECT_EQ(run.mainStatus.texts.back(), "DispMap Done - Max Z =  30 - saved as " + made.path);

    // From the menu it asks, proposing the track's name in the conversion's folder,
    // and never writes into the process's current folder.
    run.prompter.fileAnswer = run.dir.File("DunesDispMap257.tga");
    TempDir current;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(current.path());
    made = run.Terrain(TerrainMapSize::k257, state, "", "20");
    std::filesystem::current_path(previous);
    ASSERT_EQ(run.prompter.fileBoxes.size(), 3u);
    EXPECT_EQ(run.prompter.fileBoxes[2].fileName, "DunesDispMap257.tga");
    EXPECT_EQ(run.prompter.fileBoxes[2].initialFolder, state.nationalFolder);
    EXPECT_TRUE(test::Exists(run.dir.File("DunesDispMap257.tga")));
    EXPECT_TRUE(std::filesystem::is_empty(current.path()));
}

}  // namespace
}  // namespace gw
