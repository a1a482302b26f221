// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include <algorithm>
#include <functional>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/io/FileText.h"
#include "core/terrain/Asc257File.h"
#include "core/text/NumberText.h"
#include "support/CaseTable.h"
#include "support/RecordingFakes.h"
#include "support/ReferenceImage.h"
#include "support/RecordingStatusSink.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// Heights with up to 15 significant digits over many magnitudes, all distinct.
NationalGrid FifteenDigitGrid() {
    std::mt19937_64 random(257);
    std::uniform_int_distribution<long long> mantissa(100000000000000LL, 999999999999999LL);
    std::uniform_int_distribution<int> exponent(-20, 20);
    NationalGrid grid;
    for (double& v : grid.values)
        v = ValueOfText(std::to_string(mantissa(random)) + "E" + std::to_string(exponent(random) - 14));
    grid.At(0, 0) = 0;
    grid.At(1, 0) = 5.411765;
    grid.At(2, 0) = 1e-5;
    grid.At(3, 0) = 123456789012345;
    grid.At(4, 0) = 1e300;
    return grid;
}

NationalGrid Filled(double value) {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), value);
    return grid;
}

class Asc257FileTest : public ::testing::Test {
protected:
    Outcome Write(const NationalGrid& grid, const std::string& name = "track.asc") {
        const Asc257SaveNames names = MakeAsc257SaveNames(dir.File(name));
        return WriteASC257({test::Skeleton257Path(), names.target, names.objectName}, grid, status);
    }
    Asc257ReadResult Read(const std::string& name, NationalGrid& grid) {
        return ReadASC257(dir.File(name), grid, status);
    }

    TempDir dir;
    test::RecordingStatusSink status;
};

TEST_F(Asc257FileTest, WriteThenReadGivesTheSameHeightsAndTheFormerFileIsTheBackup) {
    const NationalGrid original = FifteenDigitGrid();
    ASSERT_TRUE(Write(Filled(1)));
    const std::string firstBytes = ReadAll(dir.File("track.asc"));
    ASSERT_TRUE(Write(original));
    EXPECT_EQ(ReadAll(dir.File("track.bak")), firstBytes);
    EXPECT_EQ(test::FilesIn(dir), (std::set<std::string>{"track.asc", "track.bak"}));
    status.texts.clear();
    NationalGrid read = Filled(-1);
    const Asc257ReadResult result = Read("track.asc", read);
    EXPECT_EQ(result.end, Asc257ReadEnd::AllDone) << result.message;
    EXPECT_EQ(result.verticesStored, 66049);
    EXPECT_EQ(result.verticesOutside, 0);
    EXPECT_EQ(result.linesSkipped, 0);
    for (std::size_t i = 0; i < original.values.size(); ++i)
        ASSERT_EQ(read.values[i], original.values[i]) << "cell " << i % 257 << ", " << i / 257;
    // The 1st, 513th, 1025th ... vertex: 130 of them, then "All done".
    ASSERT_EQ(status.texts.size(), 131u);
    for (int k = 0; k < 130; ++k) ASSERT_EQ(status.texts[k], "Row: " + PaddedNumberText(k * 512 / 257 - 128)) << k;
    EXPECT_EQ(status.texts.back(), "All done");
}

TEST_F(Asc257FileTest, WrittenFileIsTheSkeletonWithNameAndHeights) {
    NationalGrid grid;
    grid.At(0, 0) = 5.411765;  // vertex 0: X -128, Y -128
    grid.At(1, 0) = 0.5;
    grid.At(2, 0) = -0.5;
    grid.At(256, 256) = 1e-5;
    ASSERT_TRUE(Write(grid, "hills.flat.asc"));
    const std::string text = ReadAll(dir.File("hills.flat.asc"));
    const std::vector<std::string_view> lines = SplitAnyLines(text);
    const std::string skeletonText = ReadAll(test::Skeleton257Path());
    const std::vector<std::string_view> skeleton = SplitAnyLines(skeletonText);
    ASSERT_EQ(lines.size(), skeleton.size() + 2);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "Named Object: \"hills\"");
    EXPECT_EQ(lines[6], "Vertex 0: X: -128.000000 Y: -128.000000 Z:  5.411765");
    EXPECT_EQ(lines[7], "Vertex 1: X: -127.000000 Y: -128.000000 Z:  .5");
    EXPECT_EQ(lines[8], "Vertex 2: X: -126.000000 Y: -128.000000 Z: -.5");
    EXPECT_EQ(lines[9], "Vertex 3: X: -125.000000 Y: -128.000000 Z:  0");
    EXPECT_EQ(lines[6 + 66048], "Vertex 66048: X: 128.000000 Y: 128.000000 Z:  1E-05");
    int vertexLines = 0;
    for (std::size_t i = 0; i < skeleton.size(); ++i) {
        if (skeleton[i].find("X:") != std::string_view::npos) {
            ++vertexLines;
        } else {
            ASSERT_EQ(lines[i + 2], skeleton[i]) << "line " << i + 2;
        }
    }
    EXPECT_EQ(vertexLines, 66049);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(lines.size()));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), static_cast<long>(lines.size()));
    EXPECT_EQ(test::FilesIn(dir), (std::set<std::string>{"hills.flat.asc"}));
    ASSERT_EQ(status.texts.size(), 258u);
    for (int row = 0; row < 257; ++row) ASSERT_EQ(status.texts[row], "Saving Row: " + PaddedNumberText(row - 128));
    EXPECT_EQ(status.texts.back(), "All Done");
}

TEST_F(Asc257FileTest, NegativeHeightStopsAndLeavesTheTerrainAsItWas) {
    // Vertices 0 to 149 along the first row, heights 1 to 150 but vertex 99's -0.5.
    NationalGrid grid = Filled(7);
    const Asc257ReadResult result = ReadASC257(test::TestDataPath("asc257/negative.asc"), grid, status);
    EXPECT_EQ(result.end, Asc257ReadEnd::NegativeValue);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message, "ASC file contains negative values. ASC not loaded");
    EXPECT_EQ(result.verticesStored, 100);
    EXPECT_EQ(grid, Filled(7));  // no half-read terrain to be saved by mistake
    ASSERT_EQ(status.texts.size(), 2u);
    EXPECT_EQ(status.texts[0], "Row: -128");
    EXPECT_EQ(status.texts[1], "Error: ASC contains negative values");
}

// The files and the rule each shows: tests/data/asc257/README.md; read-cells.txt the cells each must give.
TEST_F(Asc257FileTest, ReadingRulesAndTheFirstVertexDecidesTheConvention) {
    for (const test::CaseRow& c : test::ReadCaseTable("asc257/read-cells.txt")) {
        SCOPED_TRACE(c[0]);
        NationalGrid grid = Filled(-1);
        const Asc257ReadResult result = ReadASC257(test::TestDataPath("asc257/read/" + c[0] + ".asc"), grid, status);
        EXPECT_EQ(result.end, Asc257ReadEnd::AllDone) << result.message;
        EXPECT_EQ(result.verticesStored, std::stoll(c[1]));
        EXPECT_EQ(result.verticesOutside, std::stoll(c[2]));
        std::istringstream cells(c[3]);
        for (std::string x, y, z; cells >> x >> y >> z;)
            EXPECT_EQ(grid.At(std::stoi(x), std::stoi(y)), test::CaseNumber(z)) << x << ", " << y;
    }
}

TEST_F(Asc257FileTest, FilesThatCannotBeReadAreReportedNeverAllDone) {
    NationalGrid grid = Filled(2);
    const NationalGrid before = grid;
    Asc257ReadResult missing = Read("absent.asc", grid);
    EXPECT_EQ(missing.end, Asc257ReadEnd::CannotRead);
    EXPECT_NE(missing.message.find(dir.File("absent.asc") + ": No such file"), std::string::npos) << missing.message;
    EXPECT_EQ(ReadASC257(dir.path().string(), grid, status).end, Asc257ReadEnd::CannotRead);

    for (const std::string& text : {std::string(), std::string("hello\r\nworld\r\n"),
                                    std::string("Vertex 1: X: 0 Y: 0 Z: 5\r\nVertex 2: X: 0 Y: 0 Z: 5\r\n")}) {
        WriteAll(dir.File("none.asc"), text);
        const Asc257ReadResult none = Read("none.asc", grid);
        EXPECT_EQ(none.end, Asc257ReadEnd::NoVertexList);
        EXPECT_NE(none.message.find("none.asc"), std::string::npos);
        EXPECT_NE(none.message.find("Vertex 0:"), std::string::npos);
    }
    EXPECT_EQ(grid, before);
    EXPECT_TRUE(status.texts.empty());
}

long MaxResidentKilobytes() {
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

void WriteLargeFile(const std::string& path, const std::string& head, const std::string& tail, int megabytes,
                    const std::function<void(std::string&)>& fillBlock) {
    std::ofstream file(path, std::ios::binary);
    std::string block(1u << 20, '\0');
    file << head;
    for (int i = 0; i < megabytes; ++i) {
        fillBlock(block);
        file << block;
    }
    ASSERT_TRUE(file << tail);
}

TEST_F(Asc257FileTest, LargeNoiseEndsWithBoundedMemory) {
    const std::string noise = dir.File("noise.asc");
    std::mt19937_64 random(7);
    WriteLargeFile(noise, "", "", 200, [&](std::string& block) {
        for (char& c : block) c = static_cast<char>(random());
    });
    // A vertex list broken by a line of 60 MB without any line end.
    const std::string longLine = dir.File("longline.asc");
    WriteLargeFile(longLine, "Vertex 0: X: -128 Y: -128 Z: 1\r\nVertex 1: X: 1 Y: 1 Z: ",
                   "\r\nVertex 2: X: 2 Y: 2 Z: 3\r\nFace list:\r\n", 60,
                   [](std::string& block) { block.assign(block.size(), '7'); });
    const long before = MaxResidentKilobytes();
    NationalGrid grid;
    const Asc257ReadResult noiseResult = ReadASC257(noise, grid, status);
    EXPECT_EQ(noiseResult.end, Asc257ReadEnd::NoVertexList);
    EXPECT_EQ(grid, NationalGrid());
    const Asc257ReadResult longResult = ReadASC257(longLine, grid, status);
    EXPECT_EQ(longResult.end, Asc257ReadEnd::AllDone);
    EXPECT_EQ(grid.At(0, 0), 1);
    EXPECT_EQ(grid.At(129, 129), 0);  // the overlong line is skipped
    EXPECT_EQ(grid.At(130, 130), 3);
    EXPECT_EQ(longResult.linesSkipped, 1);
    EXPECT_LT(MaxResidentKilobytes() - before, 32 * 1024) << "kilobytes more at the peak";
}

TEST_F(Asc257FileTest, FailedSavesLeaveTargetAndBackupUntouched) {
    const std::string target = dir.File("track.asc"), bak = dir.File("track.bak");
    std::filesystem::create_directory(dir.File("folder.txt"));
    WriteAll(dir.File("empty.txt"), "");
    WriteAll(dir.File("wide.txt"), "Vertex 0: X: 0 Y: 0 Z: 0\r\n" + std::string((1u << 20) + 10, 'w') + "\r\nend\r\n");
    const std::tuple<const char*, std::string, std::int64_t, std::string> cases[] = {
        {"skeleton missing", dir.File("nothere.txt"), -1, dir.File("nothere.txt") + ": No such file"},
        {"skeleton is a folder", dir.File("folder.txt"), -1, "folder.txt"},
        {"skeleton empty", dir.File("empty.txt"), -1, "empty.txt is empty"},
        {"skeleton has an endless line", dir.File("wide.txt"), -1, "is not a mesh template"},
        {"disk full at once", test::Skeleton257Path(), 0, target + ": No space left on device"},
        {"disk full half-way", test::Skeleton257Path(), 5 << 20, target + ": No space left on device"},
    };
    for (const auto& [name, skeleton, failAfter, expected] : cases) {
        SCOPED_TRACE(name);
        WriteAll(target, "previous target");
        WriteAll(bak, "previous backup");
        status.texts.clear();
        test::FailWritesAfter seam(failAfter);
        const Outcome outcome = WriteASC257({skeleton, target, "track"}, Filled(3), status);
        EXPECT_FALSE(outcome);
        EXPECT_NE(outcome.message().find(expected), std::string::npos) << outcome.message();
        EXPECT_EQ(ReadAll(target), "previous target");
        EXPECT_EQ(ReadAll(bak), "previous backup");
        EXPECT_EQ(test::FilesIn(dir),
                  (std::set<std::string>{"track.asc", "track.bak", "folder.txt", "empty.txt", "wide.txt"}));
        for (const auto& text : status.texts) EXPECT_NE(text, "All Done");
    }
}

// tests/data/asc257/README.md tells the rule each line of the template shows.
TEST_F(Asc257FileTest, TemplateLinesAreRewrittenByTheirOwnRules) {
    NationalGrid grid;
    grid.At(0, 0) = 1;
    grid.At(128, 130) = 2;
    grid.At(129, 129) = -3.25;
    grid.At(130, 130) = 4;
    grid.At(131, 131) = 5;
    ASSERT_TRUE(
        WriteASC257({test::TestDataPath("asc257/template-skeleton.txt"), dir.File("t.asc"), "t"}, grid, status));
    EXPECT_EQ(ReadAll(dir.File("t.asc")), ReadAll(test::TestDataPath("asc257/template-written.asc")));
    const std::vector<std::string> expected = {"Saving Row: -128", "Saving Row:  2", "Saving Row:  1", "Saving Row:  2",
                                               "All Done"};
    EXPECT_EQ(status.texts, expected);
}

TEST(Asc257SaveNames, DefaultNameAndCompanionFiles) {
    // The backup keeps all of the name but its extension, so dunes.v1.asc and
    // dunes.v2.asc keep backups of their own; the object line has the base name.
    const Asc257SaveNames names = MakeAsc257SaveNames("/terrains/my.dir/dunes.flat.asc");
    const std::pair<std::string, std::string> cases[] = {
        {DefaultAsc257SaveName("", ""), "SX2Nat.ASC"},
        {DefaultAsc257SaveName("", "/terrains/base.flat.asc"), "base.asc"},
        {DefaultAsc257SaveName("C:\\MCM\\Tracks\\Dunes\\dunes.ter", "/terrains/base.asc"), "dunes.asc"},
        {DefaultAsc257SaveName("/tracks/sx/Mud Bowl.TER", ""), "Mud Bowl.asc"},
        {names.target, "/terrains/my.dir/dunes.flat.asc"},
        {names.bakName, "/terrains/my.dir/dunes.flat.bak"},
        {names.objectName, "dunes"},
        {MakeAsc257SaveNames("SX2Nat.ASC").bakName, "SX2Nat.bak"},
    };
    for (const auto& [made, expected] : cases) EXPECT_EQ(made, expected);
}

}  // namespace
}  // namespace gw
