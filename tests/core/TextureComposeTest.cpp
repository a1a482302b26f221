// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/image/TgaFile.h"
#include "core/texture/TextureSkeleton.h"
#include "core/texture/TileTexture.h"
#include "support/CaseTable.h"
#include "support/ReferenceImage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace gw {
namespace {

using test::CellPixel;
using test::TextureTrack;

constexpr std::uint32_t kGround = 0x102030;
constexpr std::uint32_t kColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
constexpr std::uint32_t kMark = 0xFF00FF;
constexpr std::uint32_t kField = 0x00A000;

RgbImage Ground() { return test::SolidTile(kGround, 992); }

std::string LogHeader(const std::string& trackPath) {
    const std::string rule = std::string(59, '=') + "\r\n";
    return rule + "= " + trackPath + "\r\n" + rule;
}

class TextureCompose : public ::testing::Test {
protected:
    TextureSkeleton Compose(const TextureTrack& track) {
        track.Write();
        return ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    }
    // Four solid textures; piece n uses MapID (n - 1) % 4 + 1.
    TextureTrack FourColourTrack() {
        TextureTrack track(dir.path().string(), "Dunes");
        const char* names[4] = {"Red", "Green", "Blue", "Yellow"};
        for (int i = 0; i < 4; ++i) {
            track.fileSets.push_back(std::string(names[i]) + ".tga");
            test::WriteTile(track.File(std::string(names[i]) + "a.tga"), test::SolidTile(kColours[i]));
        }
        track.FillCells(256, [](int n) { return (n - 1) % 4 + 1; });
        return track;
    }
    // Every piece shows one tile marked in its top-left quadrant.
    TextureTrack MarkedTrack(const std::string& fileSet = "Marked.tga", const std::string& tileFile = "Markeda.tga") {
        TextureTrack track(dir.path().string(), "Dunes");
        track.fileSets = {fileSet};
        test::WriteTile(track.File(tileFile), test::MarkedTile(kField, kMark));
        track.FillCells(256, [](int) { return 1; });
        return track;
    }

    test::TempDir dir;
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
};

// The pixel a tile's cell starts at for an XIndex or YIndex: tests/data/texture/tile-cells.txt.
TEST(TileTexture, TileCellsFromTheIndices) {
    for (const test::CaseRow& c : test::ReadCaseTable("texture/tile-cells.txt"))
        EXPECT_EQ(c[0] == "left" ? TileLeft(std::stoi(c[1])) : TileTop(std::stoi(c[1])), std::stoll(c[2]))
            << c[0] << " " << c[1];
}

TEST_F(TextureCompose, TilesAreTurnedAsTheTrackSays) {
    TextureTrack track = MarkedTrack();
    track.placements[5].transform = "NONE";  // piece 6
    // Piece 5's key is Orient_05, not Orient_5; piece 6's is ignored (Transform NONE); piece 7 has none
    // (the default -2); piece 8's 7 is unknown, so no turn.
    track.trackKeys = {{"Orient_01", "0"}, {"Orient_02", "1"}, {"Orient_03", "2"}, {"Orient_04", "3"},
                       {"Orient_5", "3"},  {"Orient_05", "1"}, {"Orient_06", "1"}, {"Orient_08", "7"},
                       {"Orient_10", "2"}, {"Orient_256", "3"}};
    const TextureSkeleton composed = Compose(track);
    ASSERT_TRUE(composed.outcome) << composed.outcome.message();
    EXPECT_TRUE(prompter.shown.empty());

    // Where the tile's top-left mark ends up (orientation k turns it back k quarter turns counter-clockwise):
    // tests/data/texture/turned-marks.txt.
    const std::tuple<std::string, int, int> corners[] = {
        {"top-left", 15, 15}, {"bottom-left", 15, 46}, {"bottom-right", 46, 46}, {"top-right", 46, 15}};
    for (const test::CaseRow& c : test::ReadCaseTable("texture/turned-marks.txt"))
        for (const auto& [corner, dx, dy] : corners)
            EXPECT_EQ(CellPixel(composed.image, std::stoi(c[0]), dx, dy), c[1] == corner ? kMark : kField)
                << "piece " << c[0] << " " << corner;
}

// Solid tiles look the same however they are turned, so the turns only show in the log.
TEST_F(TextureCompose, EachTileLandsInItsCellAndTheLogTellsEveryPlacement) {
    TextureTrack track = FourColourTrack();
    track.placements[1].transform = std::nullopt;  // piece 2: the default "0", and no orientation key
    track.placements[2].transform = "NONE";        // not turned, whatever its key says
    track.placements[3].transform = "FlipX";
    track.trackKeys = {{"Orient_01", "3"}, {"Orient_03", "1"}, {"Orient_04", "0"}};
    const TextureSkeleton composed = Compose(track);
    ASSERT_TRUE(composed.outcome) << composed.outcome.message();
    EXPECT_EQ(composed.placed, 256);
    EXPECT_EQ(composed.failed, 0);
    EXPECT_TRUE(prompter.shown.empty());
    ASSERT_EQ(composed.image.width(), 992);
    ASSERT_EQ(composed.image.height(), 992);
    for (int n = 1; n <= 256; ++n) {
        const std::uint32_t colour = kColours[(n - 1) % 4];
        for (auto [dx, dy] : {std::pair{0, 0}, {61, 0}, {0, 61}, {61, 61}, {30, 30}})
            ASSERT_EQ(CellPixel(composed.image, n, dx, dy), colour) << "piece " << n << " at " << dx << ", " << dy;
    }
    // Progress after every row of 16 pieces: the number alone and a preview.
    std::vector<std::string> progress;
    for (int n = 16; n <= 256; n += 16) progress.push_back(std::to_string(n));
    EXPECT_EQ(view.texts, progress);
    EXPECT_EQ(view.previews, 16);
    EXPECT_EQ(view.lastPreview, composed.image);
    EXPECT_EQ(composed.log.text(),
              LogHeader(track.trackPath()) + test::ReadAll(test::TestDataPath("texture/four-colour-turned.log")));
}

// The game wrote Windows paths; the files were copied with other case. A missing .TRK is warned of once
// and turns nothing.
TEST_F(TextureCompose, TrackAndTexturesAreFoundWhateverTheirLetterCaseAndAMissingTrackTurnsNothing) {
    TextureTrack track = MarkedTrack(R"(C:\MCM\Textures\DIRT.TGA)", "dirta.tga");
    track.writeTrack = false;
    const TextureSkeleton missing = Compose(track);
    ASSERT_TRUE(missing.outcome);
    const std::string expected = track.trackPath() +
                                 " not found.\n\nSome track pieces may not be rotated correctly.\n"
                                 "Make sure the SX .TER and .TRK file are in the\nsame directory";
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{expected});
    EXPECT_EQ(prompter.shown[0].title, "Gridwright");
    for (int n = 1; n <= 256; ++n) ASSERT_EQ(CellPixel(missing.image, n, 15, 15), kMark) << n;
    EXPECT_EQ(missing.log.text().rfind(LogHeader(track.trackPath()), 0), 0u);

    prompter.shown.clear();
    test::WriteAll(track.File("DUNES.TRK"), "[Track]\r\nOrient_01=2\r\n");
    const TextureSkeleton composed = Compose(track);
    ASSERT_TRUE(composed.outcome);
    EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
    EXPECT_EQ(composed.placed, 256);
    EXPECT_EQ(CellPixel(composed.image, 1, 46, 46), kMark);  // half turn
    const std::string header = LogHeader(track.File("DUNES.TRK"));
    EXPECT_EQ(test::CaseKey(composed.log.text().substr(0, header.size())), test::CaseKey(header));
    EXPECT_NE(composed.log.text().find("\r\nTexture = C:\\MCM\\Textures\\DIRTa.tga\r\n"), std::string::npos);
}

TEST_F(TextureCompose, BadTilesAreReportedOnceEachInOneBoxAndLeaveTheirCellBare) {
    TextureTrack track(dir.path().string(), "Dunes");
    auto broken = [](const std::string& name) { return test::ReadAll(test::TestDataPath("tga/broken/" + name)); };
    // A tile file, its bytes and the reason after "Cannot read FILE: ".
    const std::tuple<std::string, std::string, std::string> bad[] = {
        {"Truncated", broken("few-packets.tga"), "the file ends inside the pixel data (truncated TGA file)"},
        {"Empty", broken("empty.tga"), "the file is too short for a TGA header (0 bytes)"},
        {"ZeroSize", broken("zero-width.tga"),
         "the header claims 0 x 62 pixels, outside the sizes we read (1 to 8192 pixels a side)"},
        {"Bomb", broken("bomb.tga"), "the header claims 8192 x 8192 pixels, more than the 4096 x 4096 we read"},
    };
    for (const auto& [name, bytes, reason] : bad) {
        track.fileSets.push_back(name + ".tga");
        test::WriteAll(track.File(name + "a.tga"), bytes);
    }
    track.fileSets.push_back("Missing.tga");
    // Each file is used by dozens of pieces; MapID 9 has no file set at all.
    track.FillCells(256, [](int n) { return n % 6 == 0 ? 9 : n % 6; });
    const TextureSkeleton composed = Compose(track);
    ASSERT_TRUE(composed.outcome);
    EXPECT_EQ(composed.placed, 0);
    EXPECT_EQ(composed.failed, 256);
    std::string box = "Error opening 6 texture files; their pieces keep the skeleton's ground:";
    for (const auto& [name, bytes, reason] : bad) box += "\nCannot read " + track.File(name + "a.tga") + ": " + reason;
    box += "\nCannot open Missinga.tga: No such file or directory (nor beside the .TER, in any letter case)";
    box += "\na placement's MapID names no texture file set";
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{box});
    EXPECT_EQ(view.texts, std::vector<std::string>{"ImgDLLReadRGBFromTGA error: Cannot read " +
                                                   track.File("Truncateda.tga") + ": " + std::get<2>(bad[0])});
    EXPECT_EQ(composed.tileFailures.size(), 6u);
    EXPECT_EQ(composed.image, Ground());

    // One file that cannot be read keeps the builder's own two texts.
    prompter.shown.clear();
    view.texts.clear();
    track.FillCells(256, [](int) { return 4; });
    const TextureSkeleton one = Compose(track);
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"Error opening " + track.File("Bomba.tga")});
    EXPECT_EQ(view.texts, std::vector<std::string>{"ImgDLLReadRGBFromTGA error: Cannot read " +
                                                   track.File("Bomba.tga") + ": " + std::get<2>(bad[3])});
    EXPECT_EQ(TilesMissingText(256, one.tileFailures),
              "256 of 256 pieces have no texture: Cannot read " + track.File("Bomba.tga") + ": " + std::get<2>(bad[3]));
}

TEST_F(TextureCompose, TilesOfAnotherSizeFillTheirCellAndPlacementsOffTheSkeletonAreCutOff) {
    TextureTrack track(dir.path().string(), "Dunes");
    track.fileSets = {"Small.tga", "Wide.tga"};
    test::WriteTile(track.File("Smalla.tga"), test::SolidTile(0x3050F0, 31));
    test::WriteTile(track.File("Widea.tga"), test::SolidTile(0xF0A000, 100));
    track.FillCells(256, [](int n) { return n % 2 + 1; });
    track.placements[0] = {"2", "-8", "248", "0"};         // half a tile over the top-left corner
    track.placements[1] = {"1", "99999999999", "0", "0"};  // far beyond: counts as 0
    track.placements[2] = {"2", "2147483647", "-2147483648", "0"};
    const TextureSkeleton composed = Compose(track);
    ASSERT_TRUE(composed.outcome);
    EXPECT_EQ(composed.placed, 256);
    for (auto [dx, dy] : {std::pair{0, 0}, {61, 61}, {30, 45}}) {
        EXPECT_EQ(CellPixel(composed.image, 4, dx, dy), 0x3050F0u);
        EXPECT_EQ(CellPixel(composed.image, 5, dx, dy), 0xF0A000u);
    }
    // Piece 1 covers -31..30 on both axes; pieces 2 and 3 left their cells.
    EXPECT_EQ(composed.image.Rgb(0, 0), 0xF0A000u);
    EXPECT_EQ(composed.image.Rgb(30, 30), 0xF0A000u);
    EXPECT_EQ(composed.image.Rgb(31, 31), kGround);
    EXPECT_EQ(CellPixel(composed.image, 2, 30, 30), kGround);
    EXPECT_EQ(CellPixel(composed.image, 3, 30, 30), kGround);
}

TEST_F(TextureCompose, UnreadableTerStopsWithItsReason) {
    const std::string ter = dir.File("Nowhere.ter");
    const TextureSkeleton composed = ComposeTextureSkeleton(ter, Ground(), view, prompter);
    ASSERT_FALSE(composed.outcome);
    EXPECT_EQ(composed.outcome.message(), "Cannot open " + ter + ": No such file or directory");
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{composed.outcome.message()});
    EXPECT_EQ(composed.log.text(), "");
}

}  // namespace
}  // namespace gw
