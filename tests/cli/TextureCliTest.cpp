// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/image/TgaFile.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace {

using gw::test::CliRun;
using gw::test::RunCli;
using gw::test::TextureTrack;

// Two textures in a checkerboard; pieces 1 and 2 turned a quarter each way.
TextureTrack CheckerTrack(const gw::test::TempDir& dir) {
    TextureTrack track(dir.path().string(), "Dunes");
    track.fileSets = {"Light.tga", "Dark.tga"};
    gw::test::WriteTile(track.File("Lighta.tga"), gw::test::MarkedTile(0xE0E0E0, 0xFF0000));
    gw::test::WriteTile(track.File("Darka.tga"), gw::test::SolidTile(0x202020));
    track.FillCells(256, [](int n) { return ((n - 1) % 16 + (n - 1) / 16) % 2 + 1; });
    track.trackKeys = {{"Orient_01", "1"}};
    return track;
}

TEST(TextureCli, ComposesTheTextureAndItsLog) {
    gw::test::TempDir dir;
    TextureTrack track = CheckerTrack(dir);
    track.Write();
    std::filesystem::create_directories(dir.File("out"));
    const std::string out = dir.File("out") + "/Checker.tga";
    CliRun result = RunCli("texture " + track.terPath() + " -o " + out);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "Finished converting " + track.terPath() + "\n");
    EXPECT_EQ(result.out, "");
    gw::RgbImage texture;
    ASSERT_TRUE(gw::ReadTgaFile(out, texture));
    EXPECT_EQ(texture.width(), 1016);
    // Piece 1's mark turned a quarter counter-clockwise: bottom-left of its cell.
    EXPECT_EQ(texture.Rgb(16, 48), 0xFF0000u);
    EXPECT_EQ(texture.Rgb(16, 16), 0xE0E0E0u);
    // The log goes beside the texture, not beside the .TER.
    const std::string log = gw::test::ReadAll(dir.File("out") + "/MakeTexture.log");
    EXPECT_NE(log.find("Piece # = 1\r\nTransform = 0\r\nOrientation = 1\r\nRemapped Orientation = 2\r\n"),
              std::string::npos);
    EXPECT_FALSE(gw::test::Exists(track.File("MakeTexture.log")));
}

TEST(TextureCli, WarningsGoToStderrAsLinesEachMissingTileOnce) {
    gw::test::TempDir dir;
    TextureTrack track = CheckerTrack(dir);
    track.writeTrack = false;
    track.placements[4].mapId = "7";  // no such file set
    track.Write();
    std::filesystem::remove(track.File("Darka.tga"));  // used by 128 pieces
    const std::string out = dir.File("Dunes.tga");
    CliRun result = RunCli("texture " + track.terPath() + " -o " + out);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "gridwright-cli texture: " + track.trackPath() +
                              " not found. Some track pieces may not be rotated correctly. "
                              "Make sure the SX .TER and .TRK file are in the same directory\n"
                              "gridwright-cli texture: Cannot open Darka.tga: No such file or directory "
                              "(nor beside the .TER, in any letter case)\n"
                              "gridwright-cli texture: a placement's MapID names no texture file set\n"
                              "gridwright-cli texture: 129 of 256 pieces have no texture: 2 texture files could "
                              "not be read\n");
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(gw::test::Exists(out)) << "the texture is written without the missing tiles";
}

TEST(TextureCli, ExitStatusAndOneLineErrors) {
    gw::test::TempDir dir;
    TextureTrack track = CheckerTrack(dir);
    track.Write();
    const std::string ter = track.terPath();
    const std::string out = dir.File("out.tga");
    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"texture", 2, "gridwright-cli texture: expected TRACK.TER [-o OUT.tga] (try --help)\n"},
        {"texture -o " + out, 2, "gridwright-cli texture: expected TRACK.TER [-o OUT.tga] (try --help)\n"},
        {"texture a.ter b.ter -o " + out, 2, "gridwright-cli texture: expected one .TER file (try --help)\n"},
        {"texture /nonexistent/Dunes.ter -o " + out, 1,
         "gridwright-cli texture: Cannot open /nonexistent/Dunes.ter: No such file or directory\n"},
        // The log beside the texture fails too; the texture's failure closes.
        {"texture " + ter + " -o /nonexistent/out.tga", 1,
         "gridwright-cli texture: Cannot write /nonexistent/MakeTexture.log: No such file or directory\n"
         "gridwright-cli texture: Cannot write /nonexistent/out.tga: No such file or directory\n"},
    };
    for (const Case& c : cases) {
        CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
    }
    EXPECT_FALSE(gw::test::Exists(out));

    // Without -o the texture goes beside the .TER, named as File > Open names it.
    CliRun beside = RunCli("texture " + ter);
    EXPECT_EQ(beside.status, 0) << beside.err;
    EXPECT_TRUE(gw::test::Exists(track.File("DunesUnRendered.tga")));
    EXPECT_TRUE(gw::test::Exists(track.File("MakeTexture.log")));

    // Fewer placements than pieces: no texture, a non-zero exit.
    track.placements.resize(3);
    track.Write();
    CliRun invalid = RunCli("texture " + ter + " -o " + out);
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err,
              "gridwright-cli texture: Invalid MapID\ngridwright-cli texture: Invalid MapID in TexturePlacement_4: no "
              "texture written\n");
    EXPECT_FALSE(gw::test::Exists(out));
}

}  // namespace
