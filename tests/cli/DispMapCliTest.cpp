// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/image/TgaFile.h"
#include "core/terrain/Asc257File.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace {

using gw::test::CliRun;
using gw::test::RunCli;

TEST(DispMapCli, WritesThePieceMap) {
    gw::test::TempDir dir;
    const std::string out = dir.File("tabletopDispMap17.tga");
    CliRun result = RunCli("dispmap " + gw::test::SamplePiecePath() + " --size 17 -o " + out);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "All Done\n");
    EXPECT_EQ(result.out, "");
    gw::RgbImage map;
    ASSERT_TRUE(gw::ReadTgaFile(out, map));
    ASSERT_EQ(map.width(), 16);
    ASSERT_EQ(map.height(), 16);
    // The tabletop: ground black, its flat top of 4.5 white, a ramp step between.
    EXPECT_EQ(map.Rgb(7, 0), 0x000000u);
    EXPECT_EQ(map.Rgb(7, 4), 0x808080u);
    EXPECT_EQ(map.Rgb(7, 8), 0xFFFFFFu);
}

TEST(DispMapCli, ExitStatusAndOneLineErrors) {
    gw::test::TempDir dir;
    const std::string piece = gw::test::SamplePiecePath();
    const std::string out = dir.File("map.tga");
    const std::string notMesh = dir.File("notes.asc");
    gw::test::WriteAll(notMesh, "not a mesh\r\n");
    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"dispmap", 2, "gridwright-cli dispmap: expected FILE.asc --size 17|257|513 -o OUT.tga (try --help)\n"},
        {"dispmap " + piece + " -o " + out, 2,
         "gridwright-cli dispmap: expected FILE.asc --size 17|257|513 -o OUT.tga (try --help)\n"},
        {"dispmap " + piece + " --size 16 -o " + out, 2,
         "gridwright-cli dispmap: --size must be 17, 257 or 513, not '16' (try --help)\n"},
        {"dispmap " + piece + " --size 17 --max-z 20 -o " + out, 2,
         "gridwright-cli dispmap: --max-z applies to --size 257 and 513 only (try --help)\n"},
        {"dispmap a.asc b.asc --size 17 -o " + out, 2,
         "gridwright-cli dispmap: expected one input file (try --help)\n"},
        {"dispmap /nonexistent/pieceN.asc --size 17 -o " + out, 1,
         "gridwright-cli dispmap: Cannot open /nonexistent/pieceN.asc: No such file or directory\n"},
        {"dispmap " + piece + " --size 17 -o /nonexistent/map.tga", 1,
         "gridwright-cli dispmap: Cannot write /nonexistent/map.tga: No such file or directory\n"},
        {"dispmap " + notMesh + " --size 513 --max-z 30 -o " + out, 1,
         "gridwright-cli dispmap: Cannot load " + notMesh +
             ": it holds no vertex list (no \"Vertex 0:\" line). Nothing was loaded.\n"},
    };
    for (const Case& c : cases) {
        CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
    }
    EXPECT_FALSE(gw::test::Exists(out));
}

// The terrain maps read an ASC257; without --max-z the top of the scale is the
// menu's default, 20.
TEST(DispMapCli, WritesTheTerrainMapsOfAnAsc257) {
    gw::test::TempDir dir;
    gw::NationalGrid grid;
    grid.At(0, 0) = 10.0;   // bottom-left: the picture's bottom row
    grid.At(256, 256) = 5;  // top-right: the picture's top row
    gw::NullStatusSink quiet;
    const std::string terrain = dir.File("hill.asc");
    ASSERT_TRUE(gw::WriteASC257({gw::test::Skeleton257Path(), terrain, "hill"}, grid, quiet));
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
        gw::RgbImage map;
        ASSERT_TRUE(gw::ReadTgaFile(out, map));
        ASSERT_EQ(map.width(), c.size);
        ASSERT_EQ(map.height(), c.size);
        const std::uint32_t grey = 0x010101;
        EXPECT_EQ(map.Rgb(0, c.size - 1), c.bottomLeft * grey) << c.options;
        EXPECT_EQ(map.Rgb(c.size - 1, 0), c.topRight * grey) << c.options;
    }
}

}  // namespace
