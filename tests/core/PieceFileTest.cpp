// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/piece/PieceFile.h"
#include "core/piece/PieceSet.h"
#include "core/piece/SkeletonText.h"
#include "support/RecordingFakes.h"
#include "support/RecordingStatusSink.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::FilesIn;
using test::ReadAll;
using test::RecordingStatusSink;
using test::TempDir;
using test::WriteAll;

// A grid whose every cell is distinct, so a misplaced vertex shows.
PieceGrid DistinctGrid(double offset = 0) {
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c * 0.25 - r * 1.5 + 0.125 + offset;
    return grid;
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

TEST(PieceFile, WrittenTextHasTheObjectLineAndPaddedHeightsAndTheSkeletonsLastLine) {
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
    // The skeleton's last line is copied unchanged.
    grid.Z(1, 17) = 4;
    const std::string last = "Vertex 1:  X: 1.500000     Y: 0.000000     Z: 9\r\n";
    EXPECT_EQ(BuildPieceFileText("Vertex 0:  X: 0.000000     Y: 0.000000     Z: 9\r\n" + last, grid, "n"),
              "\r\nNamed Object: \"n\"\r\nVertex 0: X: 0.000000 Y: 0.000000 Z:  4\r\n" + last);
}

TEST(PieceFile, ReadingRules) {
    using Cells = std::vector<std::pair<std::pair<int, int>, double>>;
    const Cells six = {{{1, 17}, 7}, {{17, 1}, 2.5}, {{3, 17}, 8}, {{9, 9}, -4}};
    const std::tuple<const char*, Cells, int, int> cases[] = {
        {"crlf", six, 6, 0},
        {"cr", six, 6, 0},
        {"lf", six, 6, 0},
        {"negative-x", {{{3, 17}, 9}}, 1, 0},
        {"long-first-line", {{{1, 17}, 0}}, 0, 0},
        {"last-line", {{{1, 17}, 1}, {{2, 17}, 0}}, 1, 0},
        {"two-pieces", {{{1, 17}, 100}, {{1, 16}, 117}, {{1, 1}, 132}, {{1, 2}, 131}}, 33, 0},
        {"outside", {{{2, 17}, 1e308}, {{1, 17}, 0}}, 2, 3},
    };
    for (const auto& [name, cells, stored, problems] : cases) {
        SCOPED_TRACE(name);
        PieceGrid grid;
        const PieceReadReport report =
            ReadPieceFile(test::TestDataPath("piece/read/" + std::string(name) + ".asc"), grid);
        EXPECT_EQ(report.verticesStored, stored);
        EXPECT_EQ(report.problemCount, problems);
        ASSERT_EQ(report.problems.size(), static_cast<std::size_t>(problems));
        if (problems) EXPECT_NE(report.problems[0].find("outside the piece grid"), std::string::npos);
        for (const auto& [cell, z] : cells) EXPECT_EQ(grid.Z(cell.first, cell.second), z);
    }
}

TEST(PieceFile, BadInputEndsCleanly) {
    TempDir dir;
    PieceGrid grid;
    std::string binary;
    for (int i = 0; i < 100000; ++i) binary += static_cast<char>((i * 7919) % 256);
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"binary", binary},
        {"one long line", std::string(3u << 20, 'X')},
        {"no vertex", "hello\r\nworld\r\n"},
        {"labels only", "X:\r\nX: X:\r\nVertex\r\n"},
    };
    for (const auto& [name, bytes] : cases) {
        WriteAll(dir.File("bad.asc"), bytes);
        PieceReadReport report = ReadPieceFile(dir.File("bad.asc"), grid);
        EXPECT_TRUE(report.opened) << name;
        EXPECT_LE(report.problems.size(), PieceReadReport::kMaxProblems);
    }
    PieceGrid missing;
    EXPECT_FALSE(ReadPieceFile(dir.File("absent.asc"), missing).opened);
    EXPECT_NE(ReadPieceFile(dir.File("absent.asc"), missing).opened.message().find("absent.asc"), std::string::npos);
}

TEST(PieceFile, FailedWritesLeaveTargetAndBackupUntouched) {
    TempDir dir;
    const auto target = dir.File("hillN.asc"), bak = dir.File("hillN.bak");
    WriteAll(target, "previous target");
    WriteAll(bak, "previous backup");
    // The message must hold the expected text.
    WriteAll(dir.File("empty.txt"), "");
    const std::tuple<const char*, std::string, long long, const char*> cases[] = {
        {"skeleton missing", dir.File("nothere.txt"), -1, "nothere.txt"},
        {"skeleton is a folder", dir.path().string(), -1, "skeleton"},
        {"skeleton empty", dir.File("empty.txt"), -1, "empty"},
        {"disk full at once", test::SkeletonPath(), 0, "No space left on device"},
        {"disk full midway", test::SkeletonPath(), 5000, "hillN.asc: No space left on device"},
    };
    for (const auto& [name, skeleton, failAfter, expected] : cases) {
        test::FailWritesAfter failing(failAfter);
        Outcome outcome = WritePieceFile({skeleton, target, "hill"}, DistinctGrid());
        EXPECT_FALSE(outcome) << name;
        EXPECT_NE(outcome.message().find(expected), std::string::npos) << name << ": " << outcome.message();
        EXPECT_EQ(ReadAll(target), "previous target") << name;
        EXPECT_EQ(ReadAll(bak), "previous backup") << name;
        EXPECT_EQ(test::FilesIn(dir), (std::set<std::string>{"hillN.asc", "hillN.bak", "empty.txt"})) << name;
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

// Sets of piece files: one file for each direction the piece is ridden.
PieceGrid ReadBack(const std::string& path) {
    PieceGrid grid;
    PieceReadReport report = ReadPieceFile(path, grid);
    EXPECT_TRUE(report.opened) << report.opened.message();
    EXPECT_EQ(report.verticesStored, 289) << path;
    return grid;
}

// Counterclockwise quarter turns as the grid shows them: (c, r) -> (r, 18 - c).
PieceGrid Turned(PieceGrid grid, int quarters) {
    for (int q = 0; q < quarters; ++q) {
        PieceGrid turned;
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c) turned.Z(r, 18 - c) = grid.Z(c, r);
        grid = turned;
    }
    return grid;
}

TEST(PieceSet, KindOfAnyTextAndTheExtensionAsGiven) {
    EXPECT_EQ(PieceSetKindOf("NSEW"), PieceSetKind::NSEW);
    EXPECT_EQ(PieceSetKindOf("nsew"), PieceSetKind::NSEW);
    EXPECT_EQ(PieceSetKindOf("Ns"), PieceSetKind::NS);
    EXPECT_EQ(PieceSetKindOf("N"), PieceSetKind::N);
    EXPECT_EQ(PieceSetKindOf(""), PieceSetKind::N);
    EXPECT_EQ(PieceSetKindOf("EW"), PieceSetKind::N);
    EXPECT_STREQ(PieceKindText(PieceSetKind::NS), "NS");
    EXPECT_EQ(PieceSetFiles({"/p", "ramp", "ASC", PieceSetKind::NS})[1].path, "/p" + test::kSeparator + "rampEW.ASC");
}

TEST(PieceSet, EachKindHoldsItsQuarterTurnsAndTheGridEndsAsItStarted) {
    // File k holds k quarter turns; 20 status texts a turn (NS: NS, turn, EW, turn, turn, turn).
    const std::tuple<PieceSetKind, std::vector<std::string>, std::size_t> cases[] = {
        {PieceSetKind::N, {"bumpN.asc", "bumpW.asc", "bumpS.asc", "bumpE.asc"}, 4 * 20},
        {PieceSetKind::NS, {"bumpNS.asc", "bumpEW.asc"}, 4 * 20},
        {PieceSetKind::NSEW, {"bumpNSEW.asc"}, 0}};
    const PieceGrid start = DistinctGrid();
    for (const auto& [kind, files, statusTexts] : cases) {
        TempDir dir;
        PieceGrid grid = start;
        RecordingStatusSink status;
        const PieceSetSaveResult result =
            SavePieceFileSet(grid, {dir.File(""), "bump", "asc", kind}, test::SkeletonPath(), status);
        EXPECT_TRUE(result.ok()) << PieceSetFailureText(result);
        EXPECT_EQ(result.northPath, dir.File(files[0]));
        EXPECT_EQ(result.written.size(), files.size());
        EXPECT_EQ(grid, start);
        EXPECT_EQ(FilesIn(dir), std::set<std::string>(files.begin(), files.end()));
        for (std::size_t k = 0; k < files.size(); ++k)
            EXPECT_EQ(ReadBack(dir.File(files[k])), Turned(start, static_cast<int>(k))) << files[k];
        ASSERT_EQ(status.texts.size(), statusTexts);
        if (kind != PieceSetKind::N) continue;
        const PieceGrid n = ReadBack(dir.File("bumpN.asc"));
        EXPECT_EQ(ReadBack(dir.File("bumpS.asc")).Z(1, 1), n.Z(17, 17));  // the half turn puts bottom-right at top-left
        EXPECT_EQ(ReadBack(dir.File("bumpW.asc")).Z(1, 1), n.Z(17, 1));   // a quarter counterclockwise: top-right
        EXPECT_NE(test::ReadAll(dir.File("bumpW.asc")).find("Named Object: \"bump\""), std::string::npos);
        EXPECT_EQ(status.texts[0], "Saving and rotating grid");
        EXPECT_EQ(status.texts[17], "Row  17");
        EXPECT_EQ(status.texts.back(), "All Done");
    }
}

TEST(PieceSet, SavingTwiceKeepsTheFirstSaveInTheBackups) {
    TempDir dir;
    PieceGrid grid = DistinctGrid();
    NullStatusSink status;
    const std::string folder = dir.path().string();
    ASSERT_TRUE(SavePieceFileSet(grid, {folder, "bump", "asc", PieceSetKind::N}, test::SkeletonPath(), status).ok());
    std::vector<std::string> first;
    for (const char* suffix : {"N", "W", "S", "E"})
        first.push_back(test::ReadAll(dir.File(std::string("bump") + suffix + ".asc")));
    grid = DistinctGrid(7.25);
    ASSERT_TRUE(SavePieceFileSet(grid, {folder, "bump", "asc", PieceSetKind::N}, test::SkeletonPath(), status).ok());
    EXPECT_EQ(FilesIn(dir).size(), 8u);
    int index = 0;
    for (const char* suffix : {"N", "W", "S", "E"}) {
        const std::string base = std::string("bump") + suffix;
        EXPECT_EQ(test::ReadAll(dir.File(base + ".bak")), first[static_cast<std::size_t>(index++)]) << base;
        EXPECT_FALSE(test::Exists(dir.File(base + ".out")));
    }
    EXPECT_EQ(ReadBack(dir.File("bumpN.asc")), DistinctGrid(7.25));
}

TEST(PieceSet, AFailedSaveListsEveryFileAndLeavesGridAndOldFilesAlone) {
    TempDir dir;
    const std::string folder = dir.path().string();
    PieceGrid grid = DistinctGrid();
    NullStatusSink quiet;
    ASSERT_TRUE(SavePieceFileSet(grid, {folder, "bump", "asc", PieceSetKind::N}, test::SkeletonPath(), quiet).ok());
    const std::string oldNorth = test::ReadAll(dir.File("bumpN.asc"));

    const PieceGrid edited = DistinctGrid(3);
    grid = edited;
    RecordingStatusSink status;
    PieceSetSaveResult result;
    {
        test::FailWritesAfter diskFull(100);
        result = SavePieceFileSet(grid, {folder, "bump", "asc", PieceSetKind::N}, test::SkeletonPath(), status);
    }
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.written.empty());
    ASSERT_EQ(result.failures.size(), 4u);
    EXPECT_EQ(result.failures[0].path, dir.File("bumpN.asc"));
    EXPECT_EQ(result.failures[3].path, dir.File("bumpE.asc"));
    EXPECT_NE(result.failures[2].reason.find("No space left on device"), std::string::npos)
        << result.failures[2].reason;
    EXPECT_EQ(grid, edited);
    EXPECT_EQ(test::ReadAll(dir.File("bumpN.asc")), oldNorth);
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"bumpN.asc", "bumpW.asc", "bumpS.asc", "bumpE.asc"}));
    EXPECT_EQ(status.texts.back(), "Save failed: 4 of 4 files not written");

    const std::string text = PieceSetFailureText(result);
    EXPECT_EQ(text.substr(0, text.find('\n')), "The piece was not saved completely. These files were not written:");
    EXPECT_NE(text.find("\n" + dir.File("bumpW.asc") + ": Cannot write " + dir.File("bumpW.asc") +
                        ": No space left on device\n"),
              std::string::npos)
        << text;
}

TEST(PieceSet, OneFileThatCannotBeWrittenDoesNotStopTheOthers) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "bumpS.asc");  // a folder is never written over
    const PieceGrid start = DistinctGrid();
    PieceGrid grid = start;
    RecordingStatusSink status;
    const PieceSetSaveResult result =
        SavePieceFileSet(grid, {dir.path().string(), "bump", "asc", PieceSetKind::N}, test::SkeletonPath(), status);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].path, dir.File("bumpS.asc"));
    EXPECT_EQ(result.failures[0].reason, "Cannot write " + dir.File("bumpS.asc") + ": Is a directory");
    EXPECT_EQ(result.written.size(), 3u);
    EXPECT_EQ(grid, start);
    EXPECT_EQ(ReadBack(dir.File("bumpE.asc")), Turned(start, 3));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "bumpS.asc"));
    EXPECT_EQ(status.texts.back(), "Save failed: 1 of 4 files not written");
}

TEST(PieceSet, MissingSkeletonAndReservedExtensionsFailEveryFile) {
    TempDir dir;
    const PieceGrid start = DistinctGrid();
    PieceGrid grid = start;
    NullStatusSink status;
    PieceSetSaveResult result =
        SavePieceFileSet(grid, {dir.path().string(), "bump", "asc", PieceSetKind::NS}, dir.File("skelasc.txt"), status);
    ASSERT_EQ(result.failures.size(), 2u);
    EXPECT_NE(result.failures[1].reason.find("skeleton"), std::string::npos);
    EXPECT_EQ(grid, start);

    for (const char* extension : {"out", "BAK"}) {
        result = SavePieceFileSet(grid, {dir.path().string(), "bump", extension, PieceSetKind::N}, test::SkeletonPath(),
                                  status);
        EXPECT_EQ(result.failures.size(), 4u) << extension;
        EXPECT_EQ(grid, start);
    }
    EXPECT_TRUE(FilesIn(dir).empty());
}

}  // namespace
}  // namespace gw
