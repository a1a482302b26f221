// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/image/ImageOps.h"
#include "core/image/TgaFile.h"
#include "core/io/Paths.h"
#include "core/piece/CellRange.h"
#include "core/piece/PieceFile.h"
#include "core/piece/RangeOps.h"
#include "core/text/NumberText.h"
#include "core/trackfiles/FindTrackFile.h"
#include "core/trackfiles/ProfileFile.h"
#include "datagen/SampleTrack.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::TempDir;

class SampleTrackTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = dir.File("Dunes");
        ASSERT_TRUE(WriteSampleTrack(folder, test::SkeletonPath()));
        ter = JoinPath(folder, "Dunes.TER");
        ASSERT_TRUE(ProfileDocument::Load(ter, document));
    }
    TempDir dir;
    std::string folder;
    std::string ter;
    ProfileDocument document;
};

// The piece as the game's files hold it after quarter turns counter-clockwise.
PieceGrid Turned(PieceGrid grid, int quarterTurns) {
    NullStatusSink quiet;
    for (int k = 0; k < quarterTurns; ++k) RotateRange(grid, CellRange{1, 17, 1, 17}, quiet);
    return grid;
}

TEST_F(SampleTrackTest, TheBuildWroteTheSameTrackBesideThePrograms) {
    const std::string built = test::ProgramFolder() + "/samples/Dunes/";
    EXPECT_EQ(test::ReadAll(built + "Dunes.TER"), SampleTerText());
    EXPECT_EQ(test::ReadAll(built + "Dunes.TRK"), SampleTrkText());
    EXPECT_EQ(test::ReadAll(built + "Dunes.SCN"), SampleScnText());
    EXPECT_EQ(test::ReadAll(built + "TableTopE.asc"), test::ReadAll(JoinPath(folder, "TableTopE.asc")));
    EXPECT_EQ(test::ReadAll(built + "JUMPA.TGA"), test::ReadAll(JoinPath(folder, "JUMPA.TGA")));
    EXPECT_TRUE(test::Exists(test::SamplePiecePath()));
}

// Every position has one piece, found beside the .TER in its own letter case and turned as the .TRK
// says, and one texture placement on the same cell; the orientations vary and NONE overrides some.
TEST_F(SampleTrackTest, EveryPositionHasItsPieceItsTileAndItsTurn) {
    EXPECT_EQ(document.Get("ElevationData", "ElevationPath", ""), "C:\\MCM\\Tracks\\Dunes\\");
    TrackFileFinder finder(ter);
    ProfileDocument track;
    ASSERT_TRUE(ProfileDocument::Load(FindTrackBesideTer(ter), track));
    EXPECT_FALSE(track.Find("Track", "Orient_1"));              // the keys are Orient_01 .. Orient_256
    const std::set<std::string> files = test::FilesIn(folder);  // as spelt on disk (Windows finds every spelling)
    std::set<std::pair<int, int>> bases;
    std::set<std::string> orientations, onTrackOrientations;
    std::set<int> mapIds;
    int foundOnlyLoosely = 0, none = 0;
    for (int n = 1; n <= 256; ++n) {
        const std::string section = "ElevationFile_" + std::to_string(n);
        const std::string placement = "TexturePlacement_" + std::to_string(n);
        ASSERT_TRUE(document.HasSection(section)) << section;
        const int baseX = static_cast<int>(ValueOfText(document.Get(section, "BaseX", "-1")));
        const int baseY = static_cast<int>(ValueOfText(document.Get(section, "BaseY", "-1")));
        EXPECT_EQ(baseX % 16, 0);
        EXPECT_EQ(baseY % 16, 0);
        bases.insert({baseX, baseY});
        EXPECT_EQ(document.Get(placement, "XIndex", ""), document.Get(section, "BaseX", "x"));
        EXPECT_EQ(document.Get(placement, "YIndex", ""), document.Get(section, "BaseY", "y"));
        mapIds.insert(static_cast<int>(ValueOfText(document.Get(placement, "MapID", "0"))));
        const std::string name = document.Get(section, "Name", "");
        if (!files.count(name)) ++foundOnlyLoosely;
        const std::string resolved = finder.Resolve("C:\\MCM\\Tracks\\Dunes\\" + name);
        ASSERT_TRUE(test::Exists(resolved)) << name;
        const int column = baseX / 16;
        const int row = (240 - baseY) / 16;
        EXPECT_EQ(SamplePieceNumber(column, row), n);
        const SampleTile tile = SampleTrackTile(column, row);
        PieceGrid read;
        ASSERT_TRUE(ReadPieceFile(resolved, read).opened);
        EXPECT_EQ(read, Turned(MakeSamplePiece(tile.piece), tile.orientation)) << name;

        const std::string orientation = track.Get("Track", (n < 10 ? "Orient_0" : "Orient_") + std::to_string(n), "");
        orientations.insert(orientation);
        if (document.Get(placement, "Transform", "") == "NONE")
            ++none;
        else
            onTrackOrientations.insert(orientation);
    }
    EXPECT_EQ(bases.size(), 256u);
    EXPECT_GT(foundOnlyLoosely, 0) << "some names must differ in letter case from the files";
    EXPECT_EQ(mapIds, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(orientations, (std::set<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(onTrackOrientations, (std::set<std::string>{"0", "1", "2", "3"}));
    EXPECT_GT(none, 0);
    EXPECT_LT(none, 256);
    EXPECT_EQ(ReadPrivateValue("SceneInfo", "SceneName", "Not Found", FindSceneBesideTer(ter)), "Dunes at Dusk");
}

TEST_F(SampleTrackTest, PaletteEntriesLeadToDistinctTilesThatShowTheirTurn) {
    ASSERT_EQ(document.Get("TerrainPalette", "TotalFileSets", ""), "5");
    TrackFileFinder finder(ter);
    std::vector<RgbImage> tiles;
    for (int id = 1; id <= 5; ++id) {
        const std::string entry = document.Get("TerrainPalette", "FileSet_" + std::to_string(id), "");
        // The builder reads the entry up to ".tga" followed by "a.tga".
        const std::string builderName = entry.substr(0, entry.find(".tga")) + "a.tga";
        RgbImage tile;
        ASSERT_TRUE(ReadTgaFile(finder.Resolve(builderName), tile)) << builderName;
        EXPECT_EQ(tile, MakeSampleTexture(static_cast<SampleTexture>(id)));
        RgbImage turned = tile;
        ASSERT_TRUE(RotateImage(turned, 0));
        EXPECT_NE(turned, tile) << builderName;
        for (const RgbImage& other : tiles) EXPECT_NE(other, tile);
        tiles.push_back(tile);
    }
}

TEST(SamplePieces, ShapesHaveTheHeightsTheirNamesPromise) {
    const std::tuple<SamplePiece, int, int, double> cases[] = {
        {SamplePiece::Flat, 8, 8, 0.0},       {SamplePiece::Tabletop, 8, 8, 4.5}, {SamplePiece::Tabletop, 3, 5, 3.0},
        {SamplePiece::Tabletop, 3, 12, 2.25}, {SamplePiece::Whoops, 0, 2, 1.2},   {SamplePiece::Whoops, 16, 4, 0.0},
        {SamplePiece::Berm, 16, 0, 0.0},      {SamplePiece::Berm, 16, 16, 3.6},   {SamplePiece::Berm, 16, 10, 1.2},
        {SamplePiece::Berm, 0, 0, 3.6},       {SamplePiece::StepUp, 4, 7, 2.0},   {SamplePiece::StepUp, 4, 11, 3.0},
        {SamplePiece::StepUp, 4, 15, 1.0},    {SamplePiece::Double, 4, 4, 3.0},   {SamplePiece::Double, 4, 6, 0.0},
        {SamplePiece::Double, 4, 10, 3.0},
    };
    for (const auto& [piece, i, j, height] : cases) {
        const PieceGrid grid = MakeSamplePiece(piece);
        EXPECT_DOUBLE_EQ(grid.Z(i + 1, 17 - j), height) << SamplePieceName(piece) << " at " << i << ", " << j;
    }
    EXPECT_EQ(SamplePieceFileName(SamplePiece::Tabletop, 1), "TableTopW.asc");
    EXPECT_EQ(SamplePieceFileName(SamplePiece::Whoops, 3), "WhoopsEW.asc");
    EXPECT_EQ(SamplePieceFileName(SamplePiece::Flat, 2), "FlatNSEW.asc");
    EXPECT_EQ(SampleTerPieceName(SamplePiece::Flat, 2), "flatnsew.asc");
    EXPECT_EQ(SampleTerPieceName(SamplePiece::Whoops, 0), "WHOOPSNS.ASC");
}

}  // namespace
}  // namespace gw
