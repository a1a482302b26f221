// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/piece/PieceFile.h"
#include "core/piece/SkeletonText.h"
#include "support/RecordingFakes.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// A grid whose every cell is distinct, so a misplaced vertex shows.
PieceGrid DistinctGrid() {
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c * 0.25 - r * 1.5 + 0.125;
    return grid;
}

std::string Vertex(int n, double x, double y, const std::string& z) {
    char line[128];
    std::snprintf(line, sizeof line, "Vertex %d:  X: %f     Y: %f     Z: %s", n, x, y, z.c_str());
    return line;
}

TEST(PieceFile, WriteThenReadGivesTheSameGridAndTheFormerFileIsTheBackup) {
    TempDir dir;
    const auto target = dir.File("bumpN.asc"), bak = dir.File("bumpN.bak");
    PieceGrid original = DistinctGrid();
    ASSERT_TRUE(WritePieceFile({test::SkeletonPath(), target, "bump"}, original));
    const std::string firstBytes = ReadAll(target);
    original.Z(5, 5) = 99;
    ASSERT_TRUE(WritePieceFile({test::SkeletonPath(), target, "bump"}, original));
    EXPECT_EQ(ReadAll(bak), firstBytes);
    EXPECT_EQ(test::FilesIn(dir), (std::set<std::string>{"bumpN.asc", "bumpN.bak"}));
    PieceGrid read;
    PieceReadReport report = ReadPieceFile(target, read);
    EXPECT_TRUE(report.opened);
    EXPECT_EQ(report.verticesStored, 289);
    EXPECT_EQ(report.problemCount, 0);
    EXPECT_EQ(read, original);
}

TEST(PieceFile, WrittenTextHasTheObjectLineAndPaddedHeights) {
    PieceGrid grid;
    grid.Z(1, 17) = 0;     // vertex 0: X 0, Y 0
    grid.Z(2, 17) = 0.5;   // vertex 1
    grid.Z(3, 17) = -0.5;  // vertex 2
    const std::string text = BuildPieceFileText(MakeSkeletonText(kPieceLattice), grid, "bump");
    EXPECT_EQ(text.substr(0, 26), "\r\nNamed Object: \"bump\"\r\nAm");
    EXPECT_NE(text.find("\r\nVertex 0: X: 0.000000 Y: 0.000000 Z:  0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVertex 1: X: 1.500000 Y: 0.000000 Z:  .5\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVertex 2: X: 3.000000 Y: 0.000000 Z: -.5\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 15), "Smoothing:  1\r\n");
}

TEST(PieceFile, SkeletonsLastLineIsCopiedUnchanged) {
    const std::string skeleton = Vertex(0, 0, 0, "9") + "\r\n" + Vertex(1, 1.5, 0, "9") + "\r\n";
    PieceGrid grid;
    grid.Z(1, 17) = 4;
    grid.Z(2, 17) = 5;
    const std::string text = BuildPieceFileText(skeleton, grid, "n");
    EXPECT_NE(text.find("Z:  4\r\n"), std::string::npos);
    EXPECT_NE(text.find(Vertex(1, 1.5, 0, "9") + "\r\n"), std::string::npos);
}

// Lines of a small piece file: header, vertices and a closing face line.
std::string PieceLines(const std::vector<std::string>& vertices, const std::string& end) {
    std::string text = "Tri-mesh, Vertices: 3     Faces: 1" + end + "Vertex list:" + end;
    for (const auto& v : vertices) text += v + end;
    text += "Face 0:    A:0 B:1 C:2 AB:1 BC:1 CA:1" + end;
    return text;
}

TEST(PieceFile, ReadsCrLfCrAndLfFilesAlike) {
    const std::vector<std::string> vertices = {Vertex(0, 0, 0, "1.25"), Vertex(1, 24, 24, "2.5"),
                                               Vertex(2, 0.75, 0, "7"), Vertex(3, 2.25, 0, "8"),
                                               Vertex(4, 12, 12, "-4"), Vertex(5, 6, 6, "3")};
    // Enough vertices that an LF-only file's single "line" is longer than 256.
    for (const char* end : {"\r\n", "\r", "\n"}) {
        PieceGrid grid;
        PieceReadReport report = ReadPieceText(PieceLines(vertices, end), grid);
        SCOPED_TRACE(end[0] == '\n' ? "LF" : (end[1] ? "CRLF" : "CR"));
        EXPECT_EQ(report.verticesStored, 6);
        EXPECT_EQ(grid.Z(1, 17), 7);  // X 0.75 rounds to column 1, after X 0
        EXPECT_EQ(grid.Z(17, 1), 2.5);
        EXPECT_EQ(grid.Z(3, 17), 8);  // X 2.25 rounds to column 3
        EXPECT_EQ(grid.Z(9, 9), -4);
    }
    PieceGrid signs;
    ReadPieceText(PieceLines({Vertex(0, -3, 0, "9")}, "\r\n"), signs);
    EXPECT_EQ(signs.Z(3, 17), 9);  // X -3 lands where X 3 does
}

TEST(PieceFile, CrLfFileWithALongFirstLineLoadsNothing) {
    std::string text = std::string(300, '#') + "\r\n" + PieceLines({Vertex(0, 0, 0, "5")}, "\r\n");
    PieceGrid grid;
    EXPECT_EQ(ReadPieceText(text, grid).verticesStored, 0);
    EXPECT_EQ(grid, PieceGrid());
}

TEST(PieceFile, LastLineIsNeverHandled) {
    PieceGrid grid;
    const std::string text = Vertex(0, 0, 0, "1") + "\r\n" + Vertex(1, 1.5, 0, "2") + "\r\n";
    ReadPieceText(text, grid);
    EXPECT_EQ(grid.Z(1, 17), 1);
    EXPECT_EQ(grid.Z(2, 17), 0);
}

TEST(PieceFile, FoldsATwoPieceFile) {
    std::vector<std::string> vertices;
    for (int j = 0; j <= 32; ++j) vertices.push_back(Vertex(j, 0, j * 1.5, std::to_string(100 + j)));
    PieceGrid grid;
    ReadPieceText(PieceLines(vertices, "\r\n"), grid);
    EXPECT_EQ(grid.Z(1, 17), 100);  // Y 0
    EXPECT_EQ(grid.Z(1, 16), 117);  // Y 25.5 sets the flag and lands in row 16
    EXPECT_EQ(grid.Z(1, 1), 132);   // Y 48 replaces Y 24 in row 1
    EXPECT_EQ(grid.Z(1, 2), 131);
}

TEST(PieceFile, VerticesOutsideTheGridAreReportedAndSkipped) {
    PieceGrid grid;
    const std::vector<std::string> vertices = {Vertex(0, 26.25, 0, "5"),  // column 19
                                               Vertex(1, 1e308, 0, "5"), Vertex(2, 0, -1e300, "5"),
                                               Vertex(3, 1.5, 0, "1e308"), "Vertex 4: X: NaN Y: nan Z: nan"};
    PieceReadReport report = ReadPieceText(PieceLines(vertices, "\r\n"), grid);
    EXPECT_EQ(report.problemCount, 3);
    ASSERT_EQ(report.problems.size(), 3u);
    EXPECT_NE(report.problems[0].find("outside the piece grid"), std::string::npos);
    EXPECT_EQ(grid.Z(2, 17), 1e308);
    EXPECT_EQ(grid.Z(1, 17), 0);  // "NaN" reads as 0, so vertex 4 lands at X 0, Y 0 with Z 0
    EXPECT_EQ(report.verticesStored, 2);
}

TEST(PieceFile, BadInputEndsCleanly) {
    TempDir dir;
    PieceGrid grid;
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string binary;
    for (int i = 0; i < 100000; ++i) binary += static_cast<char>((i * 7919) % 256);
    const Case cases[] = {
        {"empty", ""},
        {"binary", binary},
        {"one long line", std::string(3u << 20, 'X')},
        {"no vertex", "hello\r\nworld\r\n"},
        {"labels only", "X:\r\nX: X:\r\nVertex\r\n"},
    };
    for (const auto& c : cases) {
        WriteAll(dir.File("bad.asc"), c.bytes);
        PieceReadReport report = ReadPieceFile(dir.File("bad.asc"), grid);
        EXPECT_TRUE(report.opened) << c.name;
        EXPECT_LE(report.problems.size(), PieceReadReport::kMaxProblems);
    }
    PieceGrid missing;
    EXPECT_FALSE(ReadPieceFile(dir.File("absent.asc"), missing).opened);
    EXPECT_NE(ReadPieceFile(dir.File("absent.asc"), missing).opened.message().find("absent.asc"), std::string::npos);
    EXPECT_FALSE(ReadPieceFile(dir.path().string(), missing).opened);
}

TEST(PieceFile, FailedWritesLeaveTargetAndBackupUntouched) {
    TempDir dir;
    const auto target = dir.File("hillN.asc"), bak = dir.File("hillN.bak");
    WriteAll(target, "previous target");
    WriteAll(bak, "previous backup");
    struct Case {
        const char* name;
        std::string skeleton;
        long long failAfter;
        const char* expected;  // part of the message
    };
    WriteAll(dir.File("empty.txt"), "");
    const Case cases[] = {
        {"skeleton missing", dir.File("nothere.txt"), -1, "nothere.txt"},
        {"skeleton is a folder", dir.path().string(), -1, "skeleton"},
        {"skeleton empty", dir.File("empty.txt"), -1, "empty"},
        {"disk full at once", test::SkeletonPath(), 0, "No space left on device"},
        {"disk full midway", test::SkeletonPath(), 5000, "hillN.asc: No space left on device"},
    };
    for (const auto& c : cases) {
        test::FailWritesAfter failing(c.failAfter);
        Outcome outcome = WritePieceFile({c.skeleton, target, "hill"}, DistinctGrid());
        EXPECT_FALSE(outcome) << c.name;
        EXPECT_NE(outcome.message().find(c.expected), std::string::npos) << c.name << ": " << outcome.message();
        EXPECT_EQ(ReadAll(target), "previous target") << c.name;
        EXPECT_EQ(ReadAll(bak), "previous backup") << c.name;
        EXPECT_EQ(test::FilesIn(dir), (std::set<std::string>{"hillN.asc", "hillN.bak", "empty.txt"})) << c.name;
    }
}

// The vertex lines of both templates show in the piece and terrain writers' tests.
TEST(SkeletonText, TheShippedTemplatesAreTheGeneratorsCompleteLattices) {
    const std::string piece = MakeSkeletonText(kPieceLattice);
    EXPECT_EQ(ReadAll(test::SkeletonPath()), piece);
    EXPECT_EQ(ReadAll(test::Skeleton257Path()), MakeSkeletonText(kTerrainLattice));
    EXPECT_NE(piece.find("\r\nTri-mesh, Vertices: 289     Faces: 512\r\n"), std::string::npos);
    EXPECT_NE(MakeSkeletonText(kTerrainLattice).find("\r\nTri-mesh, Vertices: 66049     Faces: 131072\r\n"),
              std::string::npos);
    EXPECT_EQ(piece.find("Named"), std::string::npos);
    // Every cell is two triangles: the last face closes the last cell.
    EXPECT_NE(piece.find("Face 511:    A:270 B:288 C:287"), std::string::npos);
}

}  // namespace
}  // namespace gw
