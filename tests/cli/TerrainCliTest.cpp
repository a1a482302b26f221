// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/piece/PieceFile.h"
#include "core/terrain/AddPiece.h"
#include "core/terrain/Asc257File.h"
#include "core/terrain/Statistics.h"
#include "core/text/NumberText.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::CliRun;
using test::RunCli;
using test::TempDir;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

NationalGrid Filled(double value) {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), value);
    return grid;
}

void WriteTerrain(const std::string& path, const NationalGrid& grid) {
    NullStatusSink quiet;
    const Asc257SaveNames names = MakeAsc257SaveNames(path);
    ASSERT_TRUE(WriteASC257({test::Skeleton257Path(), names.target, names.objectName}, grid, quiet));
}

NationalGrid ReadTerrain(const std::string& path) {
    NationalGrid grid = Filled(-1);
    NullStatusSink quiet;
    EXPECT_TRUE(ReadASC257(path, grid, quiet).ok()) << path;
    return grid;
}

TEST(TerrainCli, StatsPrintsTheFourLines) {
    TempDir dir;
    NationalGrid grid = Filled(2);
    grid.At(10, 10) = 66051;
    for (int i = 0; i < 257; ++i) grid.At(i, 0) = 6;
    WriteTerrain(dir.File("hill.asc"), grid);
    const CliRun result = RunCli("stats " + Quoted(dir.File("hill.asc")));
    ASSERT_EQ(result.status, 0) << result.err;
    std::string expected;
    for (const std::string& line : StatisticsLines(ComputeASC257Statistics(grid))) expected += line + "\n";
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.out.rfind("Minimum Z:  2\nMaximum Z:  66051\n", 0), 0u) << result.out;
    EXPECT_EQ(result.err, "");
}

TEST(TerrainCli, SlopeEdgesWritesTheBlendedTerrain) {
    TempDir dir;
    WriteTerrain(dir.File("flat.asc"), Filled(20));
    test::WriteAll(dir.File("sloped.asc"), "previous");
    const CliRun result = RunCli("slope-edges " + Quoted(dir.File("flat.asc")) + " --edge 0 --points 10 -o " +
                                 Quoted(dir.File("sloped.asc")));
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
    ASSERT_EQ(RunCli("slope-edges " + Quoted(dir.File("bowl.asc")) + " -o " + Quoted(dir.File("bowl2.asc"))).status, 0);
    const NationalGrid defaulted = ReadTerrain(dir.File("bowl2.asc"));
    EXPECT_EQ(defaulted.At(128, 0), 10);
    EXPECT_EQ(defaulted.At(128, 5), 20);  // f = .5 between 30 and the edge 10
    EXPECT_EQ(defaulted.At(128, 10), 30);
}

TEST(TerrainCli, AddPiecePlacesThePieceAsTheAddBoxDoes) {
    TempDir dir;
    WriteTerrain(dir.File("base.asc"), Filled(1));
    const CliRun result = RunCli("add-piece " + Quoted(dir.File("base.asc")) + " " + Quoted(test::SamplePiecePath()) +
                                 " --at '3g, 3g,,.8' -o " + Quoted(dir.File("out.asc")));
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

TEST(TerrainCli, ExitStatusAndOneLineErrors) {
    TempDir dir;
    test::WriteAll(dir.File("neg.asc"), "Vertex 0: X: -128 Y: -128 Z: -1\r\nFace list:\r\n");
    test::WriteAll(dir.File("words.asc"), "no vertices here\r\n");
    const std::string base = Quoted(dir.File("neg.asc"));
    const std::string piece = Quoted(test::SamplePiecePath());
    const std::string out = Quoted(dir.File("out.asc"));
    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"stats", 2, "gridwright-cli stats: expected one ASC257 file (try --help)\n"},
        {"stats a.asc b.asc", 2, "gridwright-cli stats: expected one ASC257 file (try --help)\n"},
        {"stats /nonexistent/t.asc", 1,
         "gridwright-cli stats: Cannot open /nonexistent/t.asc: No such file or directory\n"},
        {"stats " + base, 1,
         "gridwright-cli stats: " + dir.File("neg.asc") + ": ASC file contains negative values. ASC not loaded\n"},
        {"stats " + Quoted(dir.File("words.asc")), 1,
         "gridwright-cli stats: Cannot load " + dir.File("words.asc") +
             ": it holds no vertex list (no \"Vertex 0:\" line). Nothing was loaded.\n"},
        {"slope-edges " + base, 2, "gridwright-cli slope-edges: expected IN.asc and -o OUT.asc (try --help)\n"},
        {"add-piece " + base + " " + piece + " -o " + out, 2,
         "gridwright-cli add-piece: expected BASE.asc PIECE.asc --at \"X, Y, Z, Scale\" -o OUT.asc (try --help)\n"},
        {"add-piece " + base + " " + piece + " --at ',3' -o " + out, 2,
         "gridwright-cli add-piece: --at: You must enter an X, Y. You entered (,3) (try --help)\n"},
        {"add-piece " + Quoted(test::Skeleton257Path()) + " /nonexistent/pieceN.asc --at 1,1 -o " + out, 1,
         "gridwright-cli add-piece: Cannot open /nonexistent/pieceN.asc: No such file or directory\n"},
        {"add-piece " + Quoted(test::Skeleton257Path()) + " " + piece + " --at 1,1 -o /nonexistent/out.asc", 1,
         "gridwright-cli add-piece: Cannot write /nonexistent/out.asc: No such file or directory\n"},
    };
    for (const Case& c : cases) {
        const CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
    }
    EXPECT_FALSE(test::Exists(dir.File("out.asc")));
}

}  // namespace
}  // namespace gw
