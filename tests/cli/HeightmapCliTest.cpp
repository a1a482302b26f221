// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/CliScene.h"
#include "core/piece/PieceFile.h"
#include "support/NumberedGrid.h"
#include "support/SlantedTerrain.h"

namespace gw::test {
namespace {

// Export, then import over the exported file: the heights come back to half a
// 16-bit step of their range (and the ASC text's 15 digits), the old file is
// its .bak.
TEST(HeightmapCli, ExportThenImportRestoresPiecesAndTerrains) {
    TempDir dir;
    const std::string piece = dir.File("bumpN.asc");
    const std::string terrain = dir.File("hill.asc");
    ASSERT_TRUE(WritePieceFile({SkeletonPath(), piece, "bumpN"}, NumberedGrid()));
    WriteTerrain(terrain, SlantedTerrain());
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
        const std::string before = ReadAll(c.asc);
        const CliRun exported = RunCli("export-heightmap " + c.asc + " -o " + map);
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(exported.err, map + c.exported);
        EXPECT_EQ(exported.out, "");
        const CliRun imported = RunCli("import-heightmap " + map + " -o " + c.asc + " " + c.importOptions);
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(imported.err, c.asc + c.imported);
        EXPECT_EQ(imported.out, "");
        EXPECT_EQ(ReadAll(c.asc.substr(0, c.asc.size() - 4) + ".bak"), before);
        if (c.asc == piece) {
            PieceGrid back;
            ASSERT_TRUE(ReadPieceFile(c.asc, back).opened);
            for (int r = 1; r <= 17; ++r)
                for (int col = 1; col <= 17; ++col) ASSERT_NEAR(back.Z(col, r), Numbered(col, r), halfStep);
        } else {
            const NationalGrid back = ReadTerrain(c.asc), slanted = SlantedTerrain();
            for (std::size_t i = 0; i < back.values.size(); ++i)
                ASSERT_NEAR(back.values[i], slanted.values[i], halfStep);
        }
    }
}

}  // namespace
}  // namespace gw::test
