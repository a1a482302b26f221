// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/piece/PieceFile.h"
#include "core/piece/PieceSet.h"
#include "core/piece/SkeletonText.h"
#include "support/CaseTable.h"
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

// Every line of the template but the vertices' heights, the last included: tests/data/piece/written-bump.asc.
TEST(PieceFile, WrittenTextIsTheSkeletonWithTheObjectLineAndPaddedHeights) {
    PieceGrid grid = DistinctGrid();
    grid.Z(1, 17) = 0;     // vertex 0: X 0, Y 0
    grid.Z(2, 17) = 0.5;   // vertex 1
    grid.Z(3, 17) = -0.5;  // vertex 2
    const std::string text = BuildPieceFileText(MakeSkeletonText(kPieceLattice), grid, "bump");
    EXPECT_EQ(text, ReadAll(test::TestDataPath("piece/written-bump.asc")));
    // The skeleton's last line is copied unchanged, a vertex line too.
    grid.Z(1, 17) = 4;
    const std::string last = "Vertex 1:  X: 1.500000     Y: 0.000000     Z: 9\r\n";
    EXPECT_EQ(BuildPieceFileText("Vertex 0:  X: 0.000000     Y: 0.000000     Z: 9\r\n" + last, grid, "n"),
              "\r\nNamed Object: \"n\"\r\nVertex 0: X: 0.000000 Y: 0.000000 Z:  4\r\n" + last);
}

// The files and the rule each shows: tests/data/piece/README.md; read-cells.txt the cells each must give.
TEST(PieceFile, ReadingRules) {
    for (const test::CaseRow& c : test::ReadCaseTable("piece/read-cells.txt")) {
        SCOPED_TRACE(c[0]);
        PieceGrid grid;
        const PieceReadReport report = ReadPieceFile(test::TestDataPath("piece/read/" + c[0] + ".asc"), grid);
        EXPECT_EQ(report.verticesStored, std::stoi(c[1]));
        EXPECT_EQ(report.problemCount, std::stoi(c[2]));
        ASSERT_EQ(report.problems.size(), std::stoul(c[2]));
        if (!report.problems.empty()) {
            EXPECT_NE(report.problems[0].find("outside the piece grid"), std::string::npos);
        }
        std::istringstream cells(c[3]);
        for (std::string x, y, z; cells >> x >> y >> z;)
            EXPECT_EQ(grid.Z(std::stoi(x), std::stoi(y)), test::CaseNumber(z)) << x << ", " << y;
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
    const PieceReadReport missing = ReadPieceFile(dir.File("absent.asc"), grid);
    EXPECT_FALSE(missing.opened);
    EXPECT_NE(missing.opened.message().find("absent.asc"), std::string::npos);
}

TEST(PieceFile, FailedWritesLeaveTargetAndBackupUntouched) {
    TempDir dir;
    const auto target = dir.File("hillN.asc"), bak = dir.File("hillN.bak");
    WriteAll(target, "previous target");
    WriteAll(bak, "previous backup");
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

// The piece template's lines show whole in the written piece, the terrain template's vertex lines in its writer's test.
TEST(SkeletonText, TheShippedTemplatesAreTheGeneratorsCompleteLattices) {
    const std::string piece = MakeSkeletonText(kPieceLattice);
    EXPECT_EQ(ReadAll(test::SkeletonPath()), piece);
    EXPECT_EQ(ReadAll(test::Skeleton257Path()), MakeSkeletonText(kTerrainLattice));
    EXPECT_NE(MakeSkeletonText(kTerrainLattice).find("\r\nTri-mesh, Vertices: 66049     Faces: 131072\r\n"),
              std::string::npos);
    EXPECT_EQ(piece.find("Named"), std::string::npos);
}

PieceGrid ReadBack(const std::string& path) {
    PieceGrid grid;
    PieceReadReport report = ReadPieceFile(path, grid);
    EXPECT_TRUE(report.opened) << report.opened.message();
    EXPECT_EQ(report.verticesStored, 289) << path;
    EXPECT_EQ(report.problemCount, 0) << path;
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
    const std::pair<const char*, PieceSetKind> kinds[] = {{"NSEW", PieceSetKind::NSEW}, {"nsew", PieceSetKind::NSEW},
                                                          {"Ns", PieceSetKind::NS},     {"N", PieceSetKind::N},
                                                          {"", PieceSetKind::N},        {"EW", PieceSetKind::N}};
    for (const auto& [text, kind] : kinds) EXPECT_EQ(PieceSetKindOf(text), kind) << text;
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
        EXPECT_NE(test::ReadAll(dir.File("bumpW.asc")).find("Named Object: \"bump\""), std::string::npos);
        EXPECT_EQ(status.texts[0], "Saving and rotating grid");
        EXPECT_EQ(status.texts[17], "Row  17");
        EXPECT_EQ(status.texts.back(), "All Done");
    }
}

class PieceSetSave : public ::testing::Test {
protected:
    PieceSetSaveResult Save(PieceSetKind kind, const char* extension = "asc",
                            std::string skeleton = test::SkeletonPath()) {
        return SavePieceFileSet(grid, {dir.path().string(), "bump", extension, kind}, skeleton, status);
    }
    TempDir dir;
    const PieceGrid start = DistinctGrid();
    PieceGrid grid = start;
    RecordingStatusSink status;
};

TEST_F(PieceSetSave, SavingAgainKeepsTheFormerFilesAsBackupsAndAFailedSaveListsEveryFileAndChangesNothing) {
    ASSERT_TRUE(Save(PieceSetKind::N).ok());
    const std::string bases[] = {"bumpN", "bumpW", "bumpS", "bumpE"};
    std::vector<std::string> first;
    std::set<std::string> files;
    for (const std::string& base : bases) {
        first.push_back(ReadAll(dir.File(base + ".asc")));
        files.insert({base + ".asc", base + ".bak"});
    }
    grid = DistinctGrid(7.25);
    ASSERT_TRUE(Save(PieceSetKind::N).ok());
    EXPECT_EQ(FilesIn(dir), files);  // no temporary .out file is left
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(ReadAll(dir.File(bases[k] + ".bak")), first[k]) << bases[k];
    EXPECT_EQ(ReadBack(dir.File("bumpN.asc")), DistinctGrid(7.25));
    const std::string secondNorth = ReadAll(dir.File("bumpN.asc"));

    const PieceGrid edited = DistinctGrid(3);
    grid = edited;
    PieceSetSaveResult result;
    {
        test::FailWritesAfter diskFull(100);
        result = Save(PieceSetKind::N);
    }
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.written.empty());
    ASSERT_EQ(result.failures.size(), 4u);
    EXPECT_EQ(result.failures[0].path, dir.File("bumpN.asc"));
    EXPECT_EQ(result.failures[3].path, dir.File("bumpE.asc"));
    EXPECT_NE(result.failures[2].reason.find("No space left on device"), std::string::npos)
        << result.failures[2].reason;
    EXPECT_EQ(grid, edited);
    EXPECT_EQ(ReadAll(dir.File("bumpN.asc")), secondNorth);
    EXPECT_EQ(ReadAll(dir.File("bumpN.bak")), first[0]);
    EXPECT_EQ(FilesIn(dir), files);
    EXPECT_EQ(status.texts.back(), "Save failed: 4 of 4 files not written");

    const std::string text = PieceSetFailureText(result);
    EXPECT_EQ(text.substr(0, text.find('\n')), "The piece was not saved completely. These files were not written:");
    EXPECT_NE(text.find("\n" + dir.File("bumpW.asc") + ": Cannot write " + dir.File("bumpW.asc") +
                        ": No space left on device\n"),
              std::string::npos)
        << text;
}

TEST_F(PieceSetSave, OneFileThatCannotBeWrittenDoesNotStopTheOthers) {
    std::filesystem::create_directory(dir.path() / "bumpS.asc");  // a folder is never written over
    const PieceSetSaveResult result = Save(PieceSetKind::N);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].path, dir.File("bumpS.asc"));
    EXPECT_EQ(result.failures[0].reason, "Cannot write " + dir.File("bumpS.asc") + ": Is a directory");
    EXPECT_EQ(result.written.size(), 3u);
    EXPECT_EQ(grid, start);
    EXPECT_EQ(ReadBack(dir.File("bumpE.asc")), Turned(start, 3));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "bumpS.asc"));
    EXPECT_EQ(status.texts.back(), "Save failed: 1 of 4 files not written");
}

TEST_F(PieceSetSave, MissingSkeletonAndReservedExtensionsFailEveryFile) {
    const PieceSetSaveResult result = Save(PieceSetKind::NS, "asc", dir.File("skelasc.txt"));
    ASSERT_EQ(result.failures.size(), 2u);
    EXPECT_NE(result.failures[1].reason.find("skeleton"), std::string::npos);
    EXPECT_EQ(grid, start);
    for (const char* extension : {"out", "BAK"}) {
        EXPECT_EQ(Save(PieceSetKind::N, extension).failures.size(), 4u) << extension;
        EXPECT_EQ(grid, start);
    }
    EXPECT_TRUE(FilesIn(dir).empty());
}

}  // namespace
}  // namespace gw
