// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "cli/CliScene.h"
#include "core/image/TgaFile.h"

namespace gw::test {
namespace {

TEST(DispMapCli, WritesThePieceMap) {
    TempDir dir;
    const std::string out = dir.File("tabletopDispMap17.tga");
    CliRun result = RunCli("dispmap " + SamplePiecePath() + " --size 17 -o " + out);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "All Done\n");
    EXPECT_EQ(result.out, "");
    RgbImage map;
    ASSERT_TRUE(ReadTgaFile(out, map));
    ASSERT_EQ(map.width(), 16);
    ASSERT_EQ(map.height(), 16);
    // The tabletop: ground black, its flat top of 4.5 white, a ramp step between.
    EXPECT_EQ(map.Rgb(7, 0), 0x000000u);
    EXPECT_EQ(map.Rgb(7, 4), 0x808080u);
    EXPECT_EQ(map.Rgb(7, 8), 0xFFFFFFu);
}

// The terrain maps read an ASC257; without --max-z the top of the scale is the
// menu's default, 20.
TEST(DispMapCli, WritesTheTerrainMapsOfAnAsc257) {
    TempDir dir;
    NationalGrid grid;
    grid.At(0, 0) = 10.0;   // bottom-left: the picture's bottom row
    grid.At(256, 256) = 5;  // top-right: the picture's top row
    const std::string terrain = dir.File("hill.asc");
    WriteTerrain(terrain, grid);
    struct Case {
        std::string options;
        int size;
        std::string done;
        std::uint32_t bottomLeft, topRight;
    };
    const Case cases[] = {
        {"--size 257", 257, "DispMap Done - Max Z =  20\n", 128, 64},
        {"--size 257 --max-z 40", 257, "DispMap Done - Max Z =  40\n", 64, 32},
        {"--size 513 --max-z 2", 513, "DispMap Done - Max Z =  10\n", 255, 128},
    };
    for (const Case& c : cases) {
        const std::string out = dir.File("map.tga");
        CliRun result = RunCli("dispmap " + terrain + " " + c.options + " -o " + out);
        ASSERT_EQ(result.status, 0) << c.options << result.err;
        EXPECT_EQ(result.err, c.done) << c.options;
        EXPECT_EQ(result.out, "") << c.options;
        RgbImage map;
        ASSERT_TRUE(ReadTgaFile(out, map));
        ASSERT_EQ(map.width(), c.size);
        ASSERT_EQ(map.height(), c.size);
        const std::uint32_t grey = 0x010101;
        EXPECT_EQ(map.Rgb(0, c.size - 1), c.bottomLeft * grey) << c.options;
        EXPECT_EQ(map.Rgb(c.size - 1, 0), c.topRight * grey) << c.options;
    }
}

}  // namespace
}  // namespace gw::test
