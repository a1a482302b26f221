// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "support/CaseTable.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "core/texture/TextureJob.h"
#include "core/texture/TextureOrientation.h"
#include "core/texture/TexturePalette.h"
#include "core/texture/TrackValue.h"

namespace gw {
namespace {

TEST(TextureJob, TextureAndLogPaths) {
    EXPECT_EQ(ConversionTexturePath("/out", "/t/Dunes.ter"), "/out" + test::kSeparator + "DunesUnRendered.tga");
    EXPECT_EQ(ConversionTexturePath("/out/", "/t/Dunes.ter"), "/out/DunesUnRendered.tga");
    EXPECT_EQ(ConversionTexturePath(R"(C:\MCM\National\)", R"(C:\MCM\my.track.ter)"),
              R"(C:\MCM\National\myUnRendered.tga)");
    // Without an output folder it stays beside the .TER, never at the root.
    EXPECT_EQ(ConversionTexturePath("", "/t/Dunes.ter"), "/t/DunesUnRendered.tga");

    for (const test::CaseRow& c : test::ReadCaseTable("core/menu-texture-path.txt"))
        EXPECT_EQ(MenuTexturePath(c[0]), c[1]) << c[0];

    EXPECT_EQ(TextureLogPath("/out/DunesUnRendered.tga"), "/out/MakeTexture.log");
    EXPECT_EQ(TextureLogPath(R"(C:\out\DunesUnRendered.tga)"), R"(C:\out\MakeTexture.log)");
    EXPECT_EQ(TextureLogPath("DunesUnRendered.tga"), "MakeTexture.log");
}

TEST(TextureOrientation, KeysAndRemapping) {
    const std::pair<int, const char*> keys[] = {
        {1, "Orient_01"}, {9, "Orient_09"}, {10, "Orient_10"}, {256, "Orient_256"}};
    for (const auto& [piece, key] : keys) EXPECT_EQ(OrientationKey(piece), key);
    const std::pair<int, int> table[] = {{0, -1}, {1, 2}, {2, 1}, {3, 0}, {-2, -2}, {-1, -1}, {4, 4}, {99, 99}};
    for (const auto& [read, used] : table) EXPECT_EQ(RemapOrientation(read), used) << read;
}

TEST(TrackValue, IntegersAreLeadingNumbersRoundedHalfToEvenTextsAreCutToTheBuffer) {
    const ProfileDocument file(
        "[S]\r\nA=12abc\r\nB=2.5\r\nC=3.5\r\nD=-1.5\r\nE=abc\r\nF=1e12\r\nG= 7 \r\nH=-2147483648\r\nI=2147483648\r\n");
    const std::pair<const char*, int> cases[] = {
        {"A", 12}, {"B", 2}, {"C", 4}, {"D", -2}, {"E", 0}, {"F", 0}, {"G", 7}, {"H", -2147483647 - 1}, {"I", 0}};
    for (const auto& [key, value] : cases) EXPECT_EQ(ReadTrackInteger(file, "S", key, "0"), value) << key;
    EXPECT_EQ(ReadTrackInteger(file, "S", "Missing", "-2"), -2);
    EXPECT_EQ(ReadTrackInteger(file, "Nowhere", "A", "5"), 5);
    EXPECT_EQ(ReadTrackText(ProfileDocument("[S]\r\nLong=" + std::string(300, 'x') + "\r\n"), "S", "Long", ""),
              std::string(254, 'x'));
}

TEST(TexturePalette, FileSetNamesGainTheirSuffix) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/file-set-texture.txt"))
        EXPECT_EQ(TextureFileOfFileSet(c[0]), c[1]) << c[0];
}

TEST(TexturePalette, LoadsEntriesAndReportsWhatIsMissing) {
    using Texts = std::vector<std::string>;
    // The .TER, the palette's size, its entries from MapID 1 on, the messages shown.
    const std::string sets = "FileSet_1=Dirt.tga\r\nFileSet_2=Grass.tga\r\nFileSet_3=Rock\r\n";
    const std::string total = "[TerrainPalette]\r\nTotalFileSets=";
    const std::tuple<std::string, int, Texts, Texts> cases[] = {
        {total + "3\r\n" + sets, 3, {"Dirta.tga", "Grassa.tga", "Rocka.tga", ""}, {}},
        {total + "2\r\n" + sets, 2, {"Dirta.tga", "Grassa.tga", ""}, {}},
        {total + "100000\r\n" + sets, 100000, {"Dirta.tga", "Grassa.tga", "Rocka.tga", ""}, {"Error process Textures"}},
        {total + "0\r\n" + sets, 0, {""}, {"No Textures to process"}},
        {"[TerrainPalette]\r\n" + sets, 0, {""}, {"No Textures to process"}},
        {"", 0, {""}, {"No Textures to process"}},
        // A gap stops the reading at the gap.
        {total + "3\r\nFileSet_1=Dirt.tga\r\nFileSet_3=Rock.tga\r\n",
         3,
         {"Dirta.tga", "", ""},
         {"Error process Textures"}},
    };
    for (const auto& [ter, size, entries, messages] : cases) {
        test::ScriptedPrompter prompter;
        const TexturePalette palette = LoadTexturePalette(ProfileDocument(ter), prompter);
        EXPECT_EQ(palette.size(), size) << ter;
        for (std::size_t i = 0; i < entries.size(); ++i)
            EXPECT_EQ(palette.Entry(static_cast<long long>(i) + 1), entries[i]) << ter << " MapID " << i + 1;
        EXPECT_EQ(prompter.Messages(), messages) << ter;
        for (const auto& box : prompter.shown) EXPECT_EQ(box.title, "Gridwright");
    }
}

TEST(TexturePalette, OnlyTheFirst256EntriesAreKept) {
    std::string ter = "[TerrainPalette]\r\nTotalFileSets=300\r\n";
    for (int j = 1; j <= 300; ++j) ter += "FileSet_" + std::to_string(j) + "=T" + std::to_string(j) + ".tga\r\n";
    test::ScriptedPrompter prompter;
    const TexturePalette palette = LoadTexturePalette(ProfileDocument(ter), prompter);
    EXPECT_EQ(palette.size(), 300);
    EXPECT_EQ((std::vector{palette.Entry(1), palette.Entry(256), palette.Entry(257), palette.Entry(0),
                           palette.Entry(-1), palette.Entry(1LL << 40)}),
              (std::vector<std::string>{"T1a.tga", "T256a.tga", "", "", "", ""}));
    EXPECT_TRUE(prompter.shown.empty());
}

}  // namespace
}  // namespace gw
