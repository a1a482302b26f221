// The texture's composition on the 992 x 992 skeleton: every tile in its cell,
// turned as the .TRK says, every decision in the log.
#include <gtest/gtest.h>

#include "support/ScriptedPrompter.h"
#include "core/image/TgaFile.h"
#include "core/text/FieldString.h"
#include "core/texture/TextureSkeleton.h"
#include "core/texture/TileTexture.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace gw {
namespace {

using test::CellPixel;
using test::TextureTrack;

constexpr std::uint32_t kGround = 0x102030;
constexpr std::uint32_t kColours[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};

RgbImage Ground() { return test::SolidTile(kGround, 992); }

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Four solid textures; piece n uses MapID (n - 1) % 4 + 1.
TextureTrack FourColourTrack(const test::TempDir& dir) {
    TextureTrack track(dir.path().string(), "Dunes");
    const char* names[4] = {"Red", "Green", "Blue", "Yellow"};
    for (int i = 0; i < 4; ++i) {
        track.fileSets.push_back(std::string(names[i]) + ".tga");
        test::WriteTile(track.File(std::string(names[i]) + "a.tga"), test::SolidTile(kColours[i]));
    }
    track.FillCells(256, [](int n) { return (n - 1) % 4 + 1; });
    return track;
}

TEST(TextureCompose, TileCellsFromTheIndices) {
    // XIndex / 16 x 62 from the left, (240 - YIndex) / 16 x 62 from the top.
    EXPECT_EQ(TileLeft(0), 0);
    EXPECT_EQ(TileLeft(16), 62);
    EXPECT_EQ(TileLeft(240), 930);
    EXPECT_EQ(TileTop(240), 0);
    EXPECT_EQ(TileTop(0), 930);
    EXPECT_EQ(TileTop(224), 62);
    // Halves go to the even neighbour: 4 gives 15.5, 12 gives 46.5.
    EXPECT_EQ(TileLeft(4), 16);
    EXPECT_EQ(TileLeft(12), 46);
    EXPECT_EQ(TileLeft(1), 4);
    EXPECT_EQ(TileTop(236), 16);
    EXPECT_EQ(TileLeft(-16), -62);
    EXPECT_EQ(TileLeft(2147483647), 8321499132LL);
}

TEST(TextureCompose, EachTileLandsInItsCell) {
    test::TempDir dir;
    TextureTrack track = FourColourTrack(dir);
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
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
}

TEST(TextureCompose, TilesAreTurnedAsTheTrackSays) {
    test::TempDir dir;
    TextureTrack track(dir.path().string(), "Dunes");
    track.fileSets = {"Marked.tga"};
    constexpr std::uint32_t kMark = 0xFF00FF;
    constexpr std::uint32_t kField = 0x00A000;
    test::WriteTile(track.File("Markeda.tga"), test::MarkedTile(kField, kMark));
    track.FillCells(256, [](int) { return 1; });
    track.placements[5].transform = "NONE";  // piece 6
    track.trackKeys = {
        {"Orient_01", "0"}, {"Orient_02", "1"}, {"Orient_03", "2"}, {"Orient_04", "3"},
        // The key of piece 5 is Orient_05; Orient_5 is another key.
        {"Orient_5", "3"}, {"Orient_05", "1"},
        {"Orient_06", "1"},  // ignored: Transform NONE
        // piece 7: no key, the default -2
        {"Orient_08", "7"},  // unknown: unchanged, no turn
        {"Orient_10", "2"}, {"Orient_256", "3"},
    };
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome) << composed.outcome.message();
    EXPECT_TRUE(prompter.shown.empty());

    // Where the tile's top-left mark ends up: orientation k is turned back k
    // quarter turns counter-clockwise.
    enum Corner { kTopLeft, kBottomLeft, kBottomRight, kTopRight };
    const std::pair<int, Corner> cases[] = {
        {1, kTopLeft}, {2, kBottomLeft}, {3, kBottomRight}, {4, kTopRight}, {5, kBottomLeft},
        {6, kTopLeft}, {7, kTopLeft},    {8, kTopLeft},     {9, kTopLeft},  {10, kBottomRight},
        {256, kTopRight},
    };
    const std::pair<int, int> centres[] = {{15, 15}, {15, 46}, {46, 46}, {46, 15}};
    for (const auto& [piece, corner] : cases) {
        for (int c = 0; c < 4; ++c) {
            const auto [dx, dy] = centres[c];
            EXPECT_EQ(CellPixel(composed.image, piece, dx, dy), c == corner ? kMark : kField)
                << "piece " << piece << " quadrant " << c;
        }
    }

    const std::vector<std::string> lines = LinesOf(composed.log.text());
    ASSERT_EQ(lines.size(), 3u + 256 * 6);
    // Piece n's lines start at 3 + (n - 1) * 6.
    const auto pieceLines = [&](int n) {
        return std::vector<std::string>(lines.begin() + 3 + (n - 1) * 6, lines.begin() + 3 + n * 6);
    };
    const std::string dashes(45, '-');
    EXPECT_EQ(pieceLines(2), (std::vector<std::string>{dashes, "Piece # = 2", "Transform = 0", "Orientation = 1",
                                                       "Remapped Orientation = 2", "Texture = Markeda.tga"}));
    EXPECT_EQ(pieceLines(6), (std::vector<std::string>{dashes, "Piece # = 6", "Transform = NONE", "Orientation = -2",
                                                       "Remapped Orientation = -1", "Texture = Markeda.tga"}));
    EXPECT_EQ(pieceLines(7), (std::vector<std::string>{dashes, "Piece # = 7", "Transform = 0", "Orientation = -2",
                                                       "Remapped Orientation = -2", "Texture = Markeda.tga"}));
    EXPECT_EQ(pieceLines(8)[3], "Orientation = 7");
    EXPECT_EQ(pieceLines(8)[4], "Remapped Orientation = 7");
    EXPECT_EQ(pieceLines(1)[4], "Remapped Orientation = -1");
    EXPECT_EQ(pieceLines(4)[4], "Remapped Orientation = 0");
    EXPECT_EQ(pieceLines(256)[1], "Piece # = 256");
}

TEST(TextureCompose, LogHeaderAndPlacementsLineForLine) {
    test::TempDir dir;
    TextureTrack track = FourColourTrack(dir);
    track.placements[1].transform = std::nullopt;  // piece 2: the default "0"
    track.placements[2].transform = "NONE";
    track.placements[3].transform = "FlipX";
    track.trackKeys = {{"Orient_01", "3"}, {"Orient_02", "2"}, {"Orient_03", "1"}, {"Orient_04", "0"}};
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    const std::string expectedStart =
        "===========================================================\r\n"
        "= " + track.trackPath() + "\r\n"
        "===========================================================\r\n"
        "---------------------------------------------\r\n"
        "Piece # = 1\r\n"
        "Transform = 0\r\n"
        "Orientation = 3\r\n"
        "Remapped Orientation = 0\r\n"
        "Texture = Reda.tga\r\n"
        "---------------------------------------------\r\n"
        "Piece # = 2\r\n"
        "Transform = 0\r\n"
        "Orientation = 2\r\n"
        "Remapped Orientation = 1\r\n"
        "Texture = Greena.tga\r\n"
        "---------------------------------------------\r\n"
        "Piece # = 3\r\n"
        "Transform = NONE\r\n"
        "Orientation = -2\r\n"
        "Remapped Orientation = -1\r\n"
        "Texture = Bluea.tga\r\n"
        "---------------------------------------------\r\n"
        "Piece # = 4\r\n"
        "Transform = FlipX\r\n"
        "Orientation = 0\r\n"
        "Remapped Orientation = -1\r\n"
        "Texture = Yellowa.tga\r\n"
        "---------------------------------------------\r\n"
        "Piece # = 5\r\n";
    EXPECT_EQ(composed.log.text().substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(LinesOf(composed.log.text()).size(), 3u + 256 * 6);
}

TEST(TextureCompose, FewerThan256PlacementsStopAtTheFirstMissingOne) {
    test::TempDir dir;
    TextureTrack track = FourColourTrack(dir);
    track.placements.resize(16);
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_FALSE(composed.outcome);
    EXPECT_EQ(composed.outcome.message(), "Invalid MapID in TexturePlacement_17: no texture written");
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"Invalid MapID"});
    EXPECT_EQ(composed.placed, 16);
    EXPECT_EQ(LinesOf(composed.log.text()).size(), 3u + 16 * 6);
}

TEST(TextureCompose, NoPaletteMeansNoPlacements) {
    test::TempDir dir;
    TextureTrack track = FourColourTrack(dir);
    track.totalFileSets = "0";
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome);
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"No Textures to process"});
    EXPECT_EQ(composed.placed, 0);
    EXPECT_EQ(composed.image, Ground());
    EXPECT_EQ(LinesOf(composed.log.text()).size(), 3u);
}

TEST(TextureCompose, MissingTrackFileWarnsOnceAndTurnsNothing) {
    test::TempDir dir;
    TextureTrack track(dir.path().string(), "Dunes");
    track.fileSets = {"Marked.tga"};
    test::WriteTile(track.File("Markeda.tga"), test::MarkedTile(0x00A000, 0xFF00FF));
    track.FillCells(256, [](int) { return 1; });
    track.writeTrack = false;
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome);
    const std::string expected = track.trackPath() +
                                 " not found.\n\nSome track pieces may not be rotated correctly.\n"
                                 "Make sure the SX .TER and .TRK file are in the\nsame directory";
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{expected});
    EXPECT_EQ(prompter.shown[0].title, "Gridwright");
    for (int n = 1; n <= 256; ++n) ASSERT_EQ(CellPixel(composed.image, n, 15, 15), 0xFF00FFu) << n;
    const std::vector<std::string> lines = LinesOf(composed.log.text());
    EXPECT_EQ(lines[1], "= " + track.trackPath());
    EXPECT_EQ(lines[6], "Orientation = -2");
    EXPECT_EQ(lines[7], "Remapped Orientation = -2");
}

TEST(TextureCompose, TrackAndTexturesAreFoundWhateverTheirLetterCase) {
    test::TempDir dir;
    TextureTrack track(dir.path().string(), "Dunes");
    // The game wrote Windows paths; the files were copied with other case.
    track.fileSets = {R"(C:\MCM\Textures\DIRT.TGA)"};
    test::WriteTile(track.File("dirta.tga"), test::MarkedTile(0x00A000, 0xFF00FF));
    track.FillCells(256, [](int) { return 1; });
    track.trackKeys = {{"Orient_01", "2"}};
    track.writeTrack = false;
    track.Write();
    test::WriteAll(track.File("DUNES.TRK"), "[Track]\r\nOrient_01=2\r\n");
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome);
    EXPECT_TRUE(prompter.shown.empty()) << prompter.shown[0].text;
    EXPECT_EQ(composed.placed, 256);
    EXPECT_EQ(CellPixel(composed.image, 1, 46, 46), 0xFF00FFu);  // half turn
    const std::vector<std::string> lines = LinesOf(composed.log.text());
    EXPECT_EQ(lines[1], "= " + track.File("DUNES.TRK"));
    EXPECT_EQ(lines[8], R"(Texture = C:\MCM\Textures\DIRTa.tga)");
}

TEST(TextureCompose, BadTilesAreReportedAndLeaveTheirCellBare) {
    test::TempDir dir;
    TextureTrack track(dir.path().string(), "Dunes");
    const std::string good = EncodeTga(test::SolidTile(0xFF0000));
    std::string zeroSize = good;
    zeroSize[12] = zeroSize[13] = 0;  // width 0
    std::string huge = good;
    huge[12] = static_cast<char>(30000 & 0xFF);
    huge[13] = static_cast<char>(30000 >> 8);
    huge[14] = huge[12];
    huge[15] = huge[13];
    struct Bad {
        std::string name;
        std::string bytes;
    };
    const Bad bad[] = {
        {"Truncated", good.substr(0, good.size() / 2)},
        {"Garbage", std::string(5000, '\xA5')},
        {"Empty", ""},
        {"ZeroSize", zeroSize},
        {"Huge", huge},
    };
    for (const Bad& b : bad) {
        track.fileSets.push_back(b.name + ".tga");
        test::WriteAll(track.File(b.name + "a.tga"), b.bytes);
    }
    track.fileSets.push_back("Missing.tga");
    track.FillCells(256, [](int n) { return n <= 6 ? n : 99; });  // MapID 99: no texture at all
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome);
    EXPECT_EQ(composed.placed, 0);
    EXPECT_EQ(composed.failed, 256);
    const std::vector<std::string> messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 256u);
    for (std::size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(messages[i], "Error opening " + track.File(bad[i].name + "a.tga"));
    EXPECT_EQ(messages[5], "Error opening Missinga.tga");
    EXPECT_EQ(messages[6], "Error opening ");
    ASSERT_EQ(view.texts.size(), 256u);
    for (const std::string& text : view.texts)
        EXPECT_EQ(text.rfind("ImgDLLReadRGBFromTGA error: Cannot ", 0), 0u) << text;
    EXPECT_EQ(composed.image, Ground());
}

TEST(TextureCompose, TilesOfAnotherSizeFillTheirCell) {
    test::TempDir dir;
    TextureTrack track(dir.path().string(), "Dunes");
    track.fileSets = {"Small.tga", "Wide.tga"};
    test::WriteTile(track.File("Smalla.tga"), test::SolidTile(0x3050F0, 31));
    RgbImage wide = test::SolidTile(0xF0A000, 100);
    test::WriteTile(track.File("Widea.tga"), wide);
    track.FillCells(256, [](int n) { return n % 2 + 1; });
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome);
    EXPECT_EQ(composed.placed, 256);
    for (auto [dx, dy] : {std::pair{0, 0}, {61, 61}, {30, 45}}) {
        EXPECT_EQ(CellPixel(composed.image, 1, dx, dy), 0xF0A000u);
        EXPECT_EQ(CellPixel(composed.image, 2, dx, dy), 0x3050F0u);
    }
}

TEST(TextureCompose, PlacementsOffTheSkeletonAreCutOff) {
    test::TempDir dir;
    TextureTrack track = FourColourTrack(dir);
    track.placements[0] = {"1", "-8", "248", "0"};          // half a tile over the top-left corner
    track.placements[1] = {"2", "99999999999", "0", "0"};   // far beyond: counts as 0
    track.placements[2] = {"3", "2147483647", "-2147483648", "0"};
    track.Write();
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const TextureSkeleton composed = ComposeTextureSkeleton(track.terPath(), Ground(), view, prompter);
    ASSERT_TRUE(composed.outcome);
    // Piece 1 covers -31..30 on both axes; pieces 2 and 3 left their cells.
    EXPECT_EQ(composed.image.Rgb(0, 0), kColours[0]);
    EXPECT_EQ(composed.image.Rgb(30, 30), kColours[0]);
    EXPECT_EQ(composed.image.Rgb(31, 31), kGround);
    EXPECT_EQ(CellPixel(composed.image, 2, 30, 30), kGround);
    EXPECT_EQ(CellPixel(composed.image, 3, 30, 30), kGround);
    EXPECT_EQ(composed.placed, 256);
}

TEST(TextureCompose, UnreadableTerStopsWithItsReason) {
    test::TempDir dir;
    test::RecordingTextureView view;
    test::ScriptedPrompter prompter;
    const std::string ter = dir.File("Nowhere.ter");
    const TextureSkeleton composed = ComposeTextureSkeleton(ter, Ground(), view, prompter);
    ASSERT_FALSE(composed.outcome);
    EXPECT_EQ(composed.outcome.message(), "Cannot open " + ter + ": No such file or directory");
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{composed.outcome.message()});
    EXPECT_EQ(composed.log.text(), "");
}

}  // namespace
}  // namespace gw
