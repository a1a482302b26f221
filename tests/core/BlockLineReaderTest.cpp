// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "core/io/BlockLineReader.h"
#include "core/io/FileText.h"
#include "support/CaseTable.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::TempDir;
using test::WriteAll;

struct Line {
    std::string text;
    bool overlong;
    bool last;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << "[" << line.text << (line.overlong ? " overlong" : "") << (line.last ? " last" : "") << "]";
}

// Reads with Next only, or with bulk runs of lines without `needle` split into lines.
std::vector<Line> ReadLines(const std::string& path, std::size_t maxLine, const char* needle = nullptr) {
    BlockLineReader reader(maxLine);
    EXPECT_TRUE(reader.Open(path, kTerrainFileCap));
    std::vector<Line> lines;
    TextLine line;
    for (;;) {
        if (needle) {
            const std::string_view run = reader.TakeCrLfLinesWithout(needle);
            if (!run.empty()) {
                EXPECT_EQ(run.substr(run.size() - 2), "\r\n");
                EXPECT_EQ(run.find(needle), std::string_view::npos);
                for (std::string_view piece : SplitAnyLines(run)) lines.push_back({std::string(piece), false, false});
                continue;
            }
        }
        if (!reader.Next(line)) break;
        lines.push_back({std::string(line.text), line.overlong, line.last});
    }
    EXPECT_TRUE(reader.readError());
    return lines;
}

TEST(BlockLineReader, LineEndsAndTheLastLine) {
    TempDir dir;
    for (const test::CaseRow& c : test::ReadCaseTable("core/line-ends.txt")) {
        WriteAll(dir.File("lines.txt"), c[0]);
        std::ostringstream shown;
        for (const Line& line : ReadLines(dir.File("lines.txt"), 4)) shown << line;
        EXPECT_EQ(shown.str(), c[1]) << testing::PrintToString(c[0]);
    }
}

TEST(BlockLineReader, LinesAcrossBlocksMatchTheWholeFileSplit) {
    // Megabytes of lines of every length and line end, so that line ends (CR LF split too) fall on block ends.
    TempDir dir;
    std::mt19937 random(11);
    const char* ends[] = {"\r\n", "\r", "\n"};
    for (int variant = 0; variant < 4; ++variant) {
        std::string text;
        while (text.size() < 3 * BlockLineReader::kBlockBytes) {
            text.append(random() % (variant == 3 ? 5000 : 90), static_cast<char>('a' + random() % 26));
            if (random() % 7 == 0) text += "X:";
            text += variant == 0 ? "\r\n" : ends[random() % 3];
        }
        if (variant == 2) text += "tail without end";
        WriteAll(dir.File("big.txt"), text);
        std::vector<Line> expected;
        for (std::string_view piece : SplitAnyLines(text)) expected.push_back({std::string(piece), false, false});
        expected.back().last = true;
        SCOPED_TRACE(variant);
        EXPECT_EQ(ReadLines(dir.File("big.txt"), 1 << 16), expected);
        EXPECT_EQ(ReadLines(dir.File("big.txt"), 1 << 16, "X:"), expected);
    }
}

TEST(BlockLineReader, BulkRunsStopBeforeTheNeedleAndTheLastLine) {
    TempDir dir;
    WriteAll(dir.File("t.txt"), "one\r\ntwo\r\nthree X: here\r\nfour\r\nfive\r\n");
    BlockLineReader reader;
    ASSERT_TRUE(reader.Open(dir.File("t.txt"), kTerrainFileCap));
    EXPECT_EQ(reader.TakeCrLfLinesWithout("X:"), "one\r\ntwo\r\n");
    EXPECT_EQ(reader.TakeCrLfLinesWithout("X:"), "");
    TextLine line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "three X: here");
    EXPECT_EQ(reader.TakeCrLfLinesWithout("X:"), "four\r\n");
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "five");
    EXPECT_TRUE(line.last);
    EXPECT_FALSE(reader.Next(line));

    WriteAll(dir.File("cr.txt"), "one\rtwo\r\n");
    ASSERT_TRUE(reader.Open(dir.File("cr.txt"), kTerrainFileCap));
    EXPECT_EQ(reader.TakeCrLfLinesWithout("X:"), "");

    WriteAll(dir.File("lf.txt"), "one\r\n\ntwo\r\n");  // a CR LF line before a lone LF still qualifies
    ASSERT_TRUE(reader.Open(dir.File("lf.txt"), kTerrainFileCap));
    EXPECT_EQ(reader.TakeCrLfLinesWithout("X:"), "one\r\n");

    // A file that grows past the cap after it was opened is refused, not cut short at the cap.
    WriteAll(dir.File("grows.txt"), "one\r\n");
    ASSERT_TRUE(reader.Open(dir.File("grows.txt"), ReadCap{5, "test"}));
    std::ofstream(dir.File("grows.txt"), std::ios::app) << "two\r\n";
    while (reader.Next(line)) continue;
    EXPECT_EQ(reader.readError().message(),
              "Cannot read " + dir.File("grows.txt") + ": it is larger than test can be (at most 5 bytes)");
}

}  // namespace
}  // namespace gw
