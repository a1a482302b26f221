// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include "core/trackfiles/ProfileFile.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// The cases of tests/data/profile/NAME, one a line: fields split at '|', with \r, \n, \t, \\ and \xHH.
std::vector<std::vector<std::string>> Cases(const std::string& name) {
    std::vector<std::vector<std::string>> cases;
    std::istringstream lines(ReadAll(test::TestDataPath("profile/" + name)));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '|') {
                fields.emplace_back();
            } else if (line[i] != '\\') {
                fields.back() += line[i];
            } else if (line[++i] == 'x') {
                fields.back() += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                fields.back() += line[i] == 'r' ? '\r' : line[i] == 'n' ? '\n' : line[i] == 't' ? '\t' : line[i];
            }
        }
        cases.push_back(fields);
    }
    return cases;
}

TEST(ProfileFile, ReadsInMemoryAndFromTheFileAlike) {
    TempDir dir;
    const auto cases = Cases("read.txt");
    ASSERT_EQ(cases.size(), 28u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        const auto& [text, section, key] = std::tie(c[1], c[2], c[3]);
        const std::optional<std::string> expected = c.size() > 4 ? std::optional(c[4]) : std::nullopt;
        ProfileDocument document(text);
        EXPECT_EQ(document.Find(section, key), expected);
        EXPECT_EQ(document.Get(section, key, "DEFAULT"), expected.value_or("DEFAULT"));
        WriteAll(dir.File("t.ter"), text);
        EXPECT_EQ(ReadPrivateValue(section, key, "Not found", dir.File("t.ter")), expected.value_or("Not found"));
    }
}

TEST(ProfileFile, WritesInMemoryAndThroughTheFileAlike) {
    TempDir dir;
    const std::string file = dir.File("t.ter");
    const auto cases = Cases("write.txt");
    ASSERT_EQ(cases.size(), 20u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        const auto& [before, section, key, value, after] = std::tie(c[1], c[2], c[3], c[4], c[5]);
        ProfileDocument document(before);
        ASSERT_TRUE(document.Set(section, key, value));
        EXPECT_EQ(document.Text(), after);
        // The sections keep in step with the bytes: further writes give what they give on them read afresh.
        using Write = std::pair<std::string, std::string>;
        for (const auto& [nextSection, nextKey] : {Write{section, "k2"}, {section, key}, {"C", "k"}, {"A", "j"}}) {
            ProfileDocument fresh(document.Text());
            ASSERT_TRUE(fresh.Set(nextSection, nextKey, "w"));
            ASSERT_TRUE(document.Set(nextSection, nextKey, "w"));
            EXPECT_EQ(document.Text(), fresh.Text()) << nextSection << "/" << nextKey;
        }
        WriteAll(file, before);
        ASSERT_TRUE(WritePrivateValue(section, key, value, file));
        EXPECT_EQ(ReadAll(file), after);
        EXPECT_EQ(test::FilesIn(dir), std::set<std::string>{"t.ter"});
    }
}

TEST(ProfileFile, RefusesTextsThatWouldChangeTheFilesStructure) {
    const std::string before = "[A]\r\nk=0\r\n";
    for (const auto& c : Cases("refused-set.txt")) {
        const auto& [section, key, value] = std::tie(c[0], c[1], c[2]);
        ProfileDocument document(before);
        EXPECT_FALSE(document.Set(section, key, value)) << section << "/" << key << "=" << value;
        EXPECT_EQ(document.Text(), before);
    }
}

TEST(ProfileFile, ManyWritesThenReadsRoundTripThroughAFileThatDidNotExist) {
    TempDir dir;
    const std::string file = dir.File("Dunes.TER");
    ASSERT_FALSE(test::Exists(file));
    EXPECT_EQ(ReadPrivateValue("ElevationData", "ElevationPath", "Not found", file), "Not found");
    ASSERT_TRUE(WritePrivateValue("ElevationData", "GridResolutionInFeet", "3.0", file));
    ASSERT_TRUE(WritePrivateValue("ElevationData", "ElevationPath", "C:\\nat\\", file));
    ASSERT_TRUE(WritePrivateValue("ElevationFile_1", "Name", "bumpN.asc", file));
    ASSERT_TRUE(WritePrivateValue("elevationdata", "gridresolutioninfeet", "1.5", file));
    ASSERT_TRUE(WritePrivateValue("ElevationFile_1", "BaseX", "16", file));
    EXPECT_EQ(ReadAll(file),
              "[ElevationData]\r\nGridResolutionInFeet=1.5\r\nElevationPath=C:\\nat\\\r\n"
              "[ElevationFile_1]\r\nName=bumpN.asc\r\nBaseX=16\r\n");
    EXPECT_EQ(ReadPrivateValue("ELEVATIONDATA", "ElevationPath", "Not found", file), "C:\\nat\\");
    EXPECT_EQ(ReadPrivateValue("ElevationFile_1", "BaseY", "0", file), "0");
}

TEST(ProfileFile, ReadPrivateValueReturnsAtMost254CharactersLongLinesAreKeptAFolderIsNoFile) {
    TempDir dir;
    const std::string file = dir.File("t.ter");
    const std::string long300(300, 'x');
    const std::string exact254(254, 'y');
    WriteAll(file, "[A]\r\nlong=" + long300 + "\r\nexact=" + exact254 + "\r\nquoted=\"" + exact254 + "\"\r\n");
    EXPECT_EQ(ReadPrivateValue("A", "long", "", file), std::string(254, 'x'));
    EXPECT_EQ(ReadPrivateValue("A", "exact", "", file), exact254);
    EXPECT_EQ(ReadPrivateValue("A", "quoted", "", file), exact254);
    // The default goes through the same buffer.
    EXPECT_EQ(ReadPrivateValue("A", "missing", long300, file), std::string(254, 'x'));
    // The in-memory document has no such limit; a default loses its trailing blanks only.
    EXPECT_EQ(ProfileDocument(ReadAll(file)).Get("A", "long", ""), long300);
    EXPECT_EQ(ReadPrivateValue("A", "k", "  Not found  ", dir.File("missing.ter")), "  Not found");
    EXPECT_EQ(ReadPrivateValue("A", "k", "", dir.File("missing.ter")), "");

    std::filesystem::create_directory(dir.File("sub.ter"));
    EXPECT_EQ(ReadPrivateValue("A", "k", "dflt", dir.File("sub.ter")), "dflt");
    const Outcome written = WritePrivateValue("A", "k", "v", dir.File("sub.ter"));
    EXPECT_NE(written.message().find(dir.File("sub.ter")), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("sub.ter")));
    const std::string longFile = dir.File("long.ter");
    const std::string junk(1 << 20, 'j');
    const std::string longValue(1 << 20, 'v');
    WriteAll(longFile, "[A]\r\n" + junk + "\r\nk=" + longValue + "\r\n[B]\r\n");
    EXPECT_EQ(ReadPrivateValue("A", "k", "", longFile), std::string(254, 'v'));
    ASSERT_TRUE(WritePrivateValue("B", "n", "1", longFile));
    EXPECT_EQ(ReadAll(longFile), "[A]\r\n" + junk + "\r\nk=" + longValue + "\r\n[B]\r\nn=1\r\n");
}

// A megabyte of random bytes around one section: its key is found, and a
// write leaves every other byte as it was.
TEST(ProfileFile, BinaryGarbageNeverCrashesAndStaysUnchanged) {
    std::mt19937 random(1234);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    garbage.replace(1000, 12, "\r\n[A]\r\nk=1\r\n");
    ProfileDocument document(garbage);
    EXPECT_EQ(document.Find("A", "k"), std::optional<std::string>("1"));
    ASSERT_TRUE(document.Set("Gridwright", "Key", "Value"));
    EXPECT_EQ(document.Text().substr(0, garbage.size()), garbage);
    EXPECT_EQ(document.Get("gridwright", "key", ""), "Value");
}

}  // namespace
}  // namespace gw
