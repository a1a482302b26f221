// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/piece/PieceFile.h"
#include "core/terrain/AddPiece.h"
#include "core/terrain/Asc257File.h"
#include "core/text/NumberText.h"
#include "cli/CliScene.h"

namespace gw {
namespace {

using namespace test;

TEST(TerrainCli, SlopeEdgesWritesTheBlendedTerrain) {
    TempDir dir;
    WriteTerrain(dir.File("flat.asc"), Filled(20));
    test::WriteAll(dir.File("sloped.asc"), "previous");
    const CliRun result =
        RunCli("slope-edges " + dir.File("flat.asc") + " --edge 0 --points 10 -o " + dir.File("sloped.asc"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const NationalGrid sloped = ReadTerrain(dir.File("sloped.asc"));
    EXPECT_EQ(sloped.At(128, 0), 0);
    EXPECT_EQ(PaddedNumberText(sloped.At(128, 9)), " 18");
    EXPECT_EQ(sloped.At(128, 10), 20);
    EXPECT_EQ(test::ReadAll(dir.File("sloped.bak")), "previous");

    // Without --edge and --points: the border's average and 10 points, as the dialog starts.
    NationalGrid bowl = Filled(30);
    for (int i = 0; i < 257; ++i) bowl.At(i, 0) = bowl.At(i, 256) = bowl.At(0, i) = bowl.At(256, i) = 10;
    WriteTerrain(dir.File("bowl.asc"), bowl);
    ASSERT_EQ(RunCli("slope-edges " + dir.File("bowl.asc") + " -o " + dir.File("bowl2.asc")).status, 0);
    const NationalGrid defaulted = ReadTerrain(dir.File("bowl2.asc"));
    EXPECT_EQ(defaulted.At(128, 0), 10);
    EXPECT_EQ(defaulted.At(128, 5), 20);  // f = .5 between 30 and the edge 10
    EXPECT_EQ(defaulted.At(128, 10), 30);
}

TEST(TerrainCli, AddPiecePlacesThePieceAsTheAddBoxDoes) {
    TempDir dir;
    WriteTerrain(dir.File("base.asc"), Filled(1));
    const CliRun result = RunCli("add-piece " + dir.File("base.asc") + " " + test::SamplePiecePath() +
                                 " --at '3g, 3g,,.8' -o " + dir.File("out.asc"));
    ASSERT_EQ(result.status, 0) << result.err;
    PieceGrid piece;
    ASSERT_TRUE(ReadPieceFile(test::SamplePiecePath(), piece).opened);
    NationalGrid expected = Filled(1);
    AddPieceToASC257("-96", "80", "", ".8", piece, expected);
    // The file holds 15 significant digits, so compare what it shows.
    const NationalGrid written = ReadTerrain(dir.File("out.asc"));
    int changed = 0;
    for (std::size_t i = 0; i < written.values.size(); ++i) {
        ASSERT_EQ(PaddedNumberText(written.values[i]), PaddedNumberText(expected.values[i])) << i;
        if (written.values[i] != 1) ++changed;
    }
    EXPECT_GT(changed, 100);
}

}  // namespace
}  // namespace gw
