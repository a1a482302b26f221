// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "core/piece/PieceFile.h"
#include "core/piece/PieceSet.h"
#include "support/RecordingFakes.h"
#include "support/RecordingStatusSink.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::FilesIn;
using test::RecordingStatusSink;
using test::TempDir;

PieceGrid DistinctGrid(double offset = 0) {
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c * 0.5 - r * 2 + offset;
    return grid;
}

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

// The file names of each kind show in the saving tests below.
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
