// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "support/CliProcess.h"
#include "support/NumberedGrid.h"
#include "support/SlantedTerrain.h"
#include "support/TempDir.h"

namespace {

using gw::test::CliRun;
using gw::test::RunCli;

// Export, then import over the exported file: the heights come back to half a
// 16-bit step of their range (and the ASC text's 15 digits), the old file is
// its .bak.
TEST(HeightmapCli, ExportThenImportRestoresPiecesAndTerrains) {
    gw::test::TempDir dir;
    gw::NullStatusSink quiet;
    const std::string piece = dir.File("bumpN.asc");
    const std::string terrain = dir.File("hill.asc");
    ASSERT_TRUE(gw::WritePieceFile({gw::test::SkeletonPath(), piece, "bumpN"}, gw::test::NumberedGrid()));
    ASSERT_TRUE(gw::WriteASC257({gw::test::Skeleton257Path(), terrain, "hill"}, gw::test::SlantedTerrain(), quiet));
    struct Case {
        std::string asc, map, importOptions, exported, imported;
        double span;
    };
    const Case cases[] = {
        {piece, "bump.png", "--size 17", ": 17 x 17, heights 101 to 1717 as 0 to 65535\n",
         ": 17 x 17 from 17 x 17, heights 101 to 1717\n", 1616},
        {piece, "bump.r16", "--size 17 --min 101 --max 1717", ": 17 x 17, heights 101 to 1717 as 0 to 65535\n",
         ": 17 x 17 from 17 x 17, heights 101 to 1717\n", 1616},
        {terrain, "hill.png", "--size 257", ": 257 x 257, heights 0 to 1024 as 0 to 65535\n",
         ": 257 x 257 from 257 x 257, heights 0 to 1024\n", 1024},
        {terrain, "hill.raw", "--max 1024 --size 257", ": 257 x 257, heights 0 to 1024 as 0 to 65535\n",
         ": 257 x 257 from 257 x 257, heights 0 to 1024\n", 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.map);
        const double halfStep = c.span / 65535 / 2 + 1e-9;
        const std::string map = dir.File(c.map);
        const std::string before = gw::test::ReadAll(c.asc);
        const CliRun exported = RunCli("export-heightmap " + c.asc + " -o " + map);
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.err, map + c.exported);
        EXPECT_EQ(exported.out, "");
        const CliRun imported = RunCli("import-heightmap " + map + " -o " + c.asc + " " + c.importOptions);
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(imported.err, c.asc + c.imported);
        EXPECT_EQ(imported.out, "");
        EXPECT_EQ(gw::test::ReadAll(c.asc.substr(0, c.asc.size() - 4) + ".bak"), before);
        if (c.asc == piece) {
            gw::PieceGrid back;
            ASSERT_TRUE(gw::ReadPieceFile(c.asc, back).opened);
            for (int r = 1; r <= 17; ++r)
                for (int col = 1; col <= 17; ++col) ASSERT_NEAR(back.Z(col, r), gw::test::Numbered(col, r), halfStep);
        } else {
            gw::NationalGrid back;
            ASSERT_TRUE(gw::ReadASC257(c.asc, back, quiet).ok());
            const gw::NationalGrid slanted = gw::test::SlantedTerrain();
            for (std::size_t i = 0; i < back.values.size(); ++i)
                ASSERT_NEAR(back.values[i], slanted.values[i], halfStep);
        }
    }
}

TEST(HeightmapCli, ExitStatusAndOneLineMessages) {
    gw::test::TempDir dir;
    const std::string piece = gw::test::SamplePiecePath();
    const std::string png = dir.File("tabletop.png");
    ASSERT_EQ(RunCli("export-heightmap " + piece + " -o " + png).status, 0);
    // An 8-bit grey picture, 5 x 3: the heightmap reader's fuzzing seed.
    const std::string grey8 = dir.File("grey8.png");
    std::filesystem::copy_file(GRIDWRIGHT_SOURCE_DIR "/tests/fuzz/corpus/heightmap_file/grey8", grey8);
    const std::string notes = dir.File("notes.png");
    gw::test::WriteAll(notes, "not a picture");
    const std::string out = dir.File("out.asc");
    const std::string to = " -o " + out + " --size ";
    const std::string exportUsage =
        "gridwright-cli export-heightmap: expected IN.asc -o OUT.png|OUT.r16 (try --help)\n";
    const std::string importUsage =
        "gridwright-cli import-heightmap: expected IN.png|IN.r16 -o OUT.asc --size 17|257 (try --help)\n";
    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"export-heightmap", 2, exportUsage},
        {"export-heightmap " + piece, 2, exportUsage},
        {"export-heightmap " + piece + " -o " + dir.File("map.tga"), 2,
         "gridwright-cli export-heightmap: the heightmap must end in .png, .r16 or .raw (try --help)\n"},
        {"export-heightmap " + dir.File("none.asc") + " -o " + png, 1,
         "gridwright-cli export-heightmap: Cannot open " + dir.File("none.asc") + ": No such file or directory\n"},
        {"import-heightmap " + png + " -o " + out, 2, importUsage},
        {"import-heightmap " + png + to + "16", 2,
         "gridwright-cli import-heightmap: --size must be 17 or 257, not '16' (try --help)\n"},
        {"import-heightmap " + png + to + "17 --max 1e999", 2,
         "gridwright-cli import-heightmap: --max needs a number, not '1e999' (try --help)\n"},
        {"import-heightmap " + piece + to + "17", 2,
         "gridwright-cli import-heightmap: the heightmap must end in .png, .r16 or .raw (try --help)\n"},
        {"import-heightmap " + notes + to + "17", 1,
         "gridwright-cli import-heightmap: Cannot read " + notes + ": it is not a PNG image\n"},
        {"import-heightmap " + grey8 + to + "257 --min -1", 1,
         "gridwright-cli import-heightmap: " + grey8 +
             ": an 8-bit grey PNG, read as its grey value\n"
             "gridwright-cli import-heightmap: " +
             grey8 + ": a terrain cannot hold negative heights, and black would be -1\n"},
        {"import-heightmap " + grey8 + to + "17 --min 30", 1,
         "gridwright-cli import-heightmap: " + grey8 +
             ": an 8-bit grey PNG, read as its grey value\n"
             "gridwright-cli import-heightmap: " +
             grey8 + ": the height of black (30) lies above the height of white (20)\n"},
    };
    for (const Case& c : cases) {
        const CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
    }
    EXPECT_FALSE(gw::test::Exists(out));
    EXPECT_NE(RunCli("import-heightmap --help").out.find("bilinear"), std::string::npos);
}

}  // namespace
