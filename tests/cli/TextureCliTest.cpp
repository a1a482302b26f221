// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "cli/CliScene.h"
#include "core/image/TgaFile.h"

namespace gw::test {
namespace {

TEST(TextureCli, ComposesTheTextureAndItsLog) {
    TempDir dir;
    const TextureTrack track = CheckerTrack(dir.File("track"));
    track.Write();
    const std::string out = dir.File("Checker.tga");
    const CliRun result = RunCli("texture " + track.terPath() + " -o " + out);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "Finished converting " + track.terPath() + "\n");
    EXPECT_EQ(result.out, "");
    RgbImage texture;
    ASSERT_TRUE(ReadTgaFile(out, texture));
    EXPECT_EQ(texture.width(), 1016);
    // Piece 1's mark turned a quarter counter-clockwise: bottom-left of its cell.
    EXPECT_EQ(texture.Rgb(16, 48), 0xFF0000u);
    EXPECT_EQ(texture.Rgb(16, 16), 0xE0E0E0u);
    // The log goes beside the texture, not beside the .TER.
    const std::string log = ReadAll(dir.File("MakeTexture.log"));
    EXPECT_NE(log.find("Piece # = 1\r\nTransform = 0\r\nOrientation = 1\r\nRemapped Orientation = 2\r\n"),
              std::string::npos);
    EXPECT_FALSE(Exists(track.File("MakeTexture.log")));
}

}  // namespace
}  // namespace gw::test
