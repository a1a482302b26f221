// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "core/trackfiles/ProfileFile.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using namespace std::string_literals;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

struct ReadCase {
    const char* name;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;  // nothing: the default comes back
};

const ReadCase kReadCases[] = {
    {"section case ignored", "[ElevationData]\r\nElevationPath=C:\\MCM\\\r\n", "ELEVATIONDATA", "ElevationPath",
     "C:\\MCM\\"},
    {"key case ignored", "[A]\r\nNaMe=v\r\n", "A", "name", "v"},
    {"blanks around the equals sign", "[A]\r\n  k  =   v w  \r\n", "A", "k", "v w"},
    {"tabs trimmed", "[A]\r\n\tk\t=\tv\t\r\n", "A", "k", "v"},
    {"double quotes removed", "[A]\r\nk=\"  v  \"\r\n", "A", "k", "  v  "},
    {"single quotes removed", "[A]\r\nk= 'v' \r\n", "A", "k", "v"},
    {"mismatched quotes kept", "[A]\r\nk=\"v'\r\n", "A", "k", "\"v'"},
    {"lone quote kept", "[A]\r\nk=\"\r\n", "A", "k", "\""},
    {"empty quotes", "[A]\r\nk=\"\"\r\n", "A", "k", ""},
    {"inner quotes kept", "[A]\r\nk=a \"b\" c\r\n", "A", "k", "a \"b\" c"},
    {"one pair of quotes removed", "[A]\r\nk=\"\"v\"\"\r\n", "A", "k", "\"v\""},
    {"empty value is not the default", "[A]\r\nk=\r\n", "A", "k", ""},
    {"value holds an equals sign", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
    {"first of duplicate keys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
    {"only the first section of a name is searched", "[A]\r\nx=1\r\n[B]\r\n[a]\r\nk=2\r\n", "A", "k", std::nullopt},
    {"key of another section", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n", "B", "k", std::nullopt},
    {"line without equals sign is no key", "[A]\r\nk\r\n", "A", "k", std::nullopt},
    {"note line is no key", "[A]\r\n;k=1\r\n", "A", "k", std::nullopt},
    {"keys before the first section", "k=1\r\n[A]\r\nj=2\r\n", "A", "k", std::nullopt},
    {"empty file", "", "A", "k", std::nullopt},
    {"empty key name", "[A]\r\n=1\r\n", "A", "", std::nullopt},
    {"mixed line ends", "[A]\r\nk=1\nj=2\rl=3", "A", "l", "3"},
    {"no line end at the end", "[A]\r\nk=1", "A", "k", "1"},
    {"blanks inside the brackets and a note after them", "  [ Elevation Data ]  ; note\r\nk=1\r\n", "Elevation Data",
     "k", "1"},
    {"an open bracket alone is no section", "[A]\r\n[B\r\nk=1\r\n", "A", "k", "1"},
    {"binary bytes in the value", "[A]\r\nk=\x01\xff\0z\r\n"s, "A", "k", "\x01\xff\0z"s},
    {"UTF-8 mark before the first section", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "1"},
};

TEST(ProfileFile, ReadsInMemoryAndFromTheFileAlike) {
    TempDir dir;
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.name);
        ProfileDocument document(c.text);
        EXPECT_EQ(document.Find(c.section, c.key), c.expected);
        EXPECT_EQ(document.Get(c.section, c.key, "DEFAULT"), c.expected.value_or("DEFAULT"));
        WriteAll(dir.File("t.ter"), c.text);
        EXPECT_EQ(ReadPrivateValue(c.section, c.key, "Not found", dir.File("t.ter")), c.expected.value_or("Not found"));
    }
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

const WriteCase kWriteCases[] = {
    {"replaced in place, every other line kept", "; note\r\n[A]\r\nk=1\r\nj=2\r\n\r\n[B]\r\nk=3\r\n", "A", "k", "9",
     "; note\r\n[A]\r\nk=9\r\nj=2\r\n\r\n[B]\r\nk=3\r\n"},
    {"the file's spelling of the key stays", "[A]\r\n  Name = old \r\n", "a", "NAME", "new", "[A]\r\nName=new\r\n"},
    {"first of duplicate keys replaced", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "9", "[A]\r\nk=9\r\nk=2\r\n"},
    {"appended after the last key, before blank lines", "[A]\r\nk=1\r\n\r\n\r\n[B]\r\n", "A", "j", "2",
     "[A]\r\nk=1\r\nj=2\r\n\r\n\r\n[B]\r\n"},
    {"appended before a closing note", "[A]\r\nk=1\r\n; B follows\r\n[B]\r\n", "A", "j", "2",
     "[A]\r\nk=1\r\nj=2\r\n; B follows\r\n[B]\r\n"},
    {"appended after a header without keys", "[A]\r\n\r\n[B]\r\n", "A", "j", "2", "[A]\r\nj=2\r\n\r\n[B]\r\n"},
    {"new section at the end", "[A]\r\nk=1\r\n", "B", "j", "2", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n"},
    {"new section after a last line without end", "[A]\r\nk=1", "B", "j", "2", "[A]\r\nk=1\r\n[B]\r\nj=2\r\n"},
    {"appended after a last key line without end", "[A]\r\nk=1", "A", "j", "2", "[A]\r\nk=1\r\nj=2\r\n"},
    {"the same value on a last line without end gains the end", "[A]\r\nk=", "A", "k", "", "[A]\r\nk=\r\n"},
    {"appended after a header that ends the file", "[A]", "A", "j", "2", "[A]\r\nj=2\r\n"},
    {"empty file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
    {"LF-only file: only the written line gets CR LF", "[A]\nk=1\nj=2\n", "A", "k", "9", "[A]\nk=9\r\nj=2\n"},
    {"CR-only file", "[A]\rk=1\r\r[B]\r", "A", "j", "2", "[A]\rk=1\rj=2\r\n\r[B]\r"},
    {"duplicate sections: the first gets the key", "[A]\r\nx=1\r\n[a]\r\nk=2\r\n", "A", "k", "9",
     "[A]\r\nx=1\r\nk=9\r\n[a]\r\nk=2\r\n"},
    {"lines without equals sign kept", "[A]\r\njunk line\r\nk=1\r\n  \t \r\n", "A", "j", "2",
     "[A]\r\njunk line\r\nk=1\r\nj=2\r\n  \t \r\n"},
    {"binary bytes of other lines kept", "[A]\r\nb=\0\xff\x80\r\n\x01\x02\r\n"s, "A", "j", "2",
     "[A]\r\nb=\0\xff\x80\r\nj=2\r\n\x01\x02\r\n"s},
    {"value written as given", "[A]\r\n", "A", "k", "  \"q\"  ", "[A]\r\nk=  \"q\"  \r\n"},
    {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "2", "\xEF\xBB\xBF[A]\r\nk=2\r\n"},
    {"keys before the first section untouched", "k=1\r\n[A]\r\n", "A", "k", "2", "k=1\r\n[A]\r\nk=2\r\n"},
};

TEST(ProfileFile, WritesInMemoryAndThroughTheFileAlike) {
    TempDir dir;
    const std::string file = dir.File("t.ter");
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.name);
        ProfileDocument document(c.before);
        ASSERT_TRUE(document.Set(c.section, c.key, c.value));
        EXPECT_EQ(document.Text(), c.after);
        // The document keeps its sections in step with its bytes: further
        // writes give what they give on the same bytes read afresh.
        using Write = std::pair<std::string, std::string>;
        for (const auto& [section, key] : {Write{c.section, "k2"}, {c.section, c.key}, {"C", "k"}, {"A", "j"}}) {
            ProfileDocument fresh(document.Text());
            ASSERT_TRUE(fresh.Set(section, key, "w"));
            ASSERT_TRUE(document.Set(section, key, "w"));
            EXPECT_EQ(document.Text(), fresh.Text()) << section << "/" << key;
        }
        WriteAll(file, c.before);
        ASSERT_TRUE(WritePrivateValue(c.section, c.key, c.value, file));
        EXPECT_EQ(ReadAll(file), c.after);
        EXPECT_EQ(test::FilesIn(dir), std::set<std::string>{"t.ter"});
    }
}

TEST(ProfileFile, RefusesTextsThatWouldChangeTheFilesStructure) {
    struct Refused {
        std::string section, key, value;
    };
    const Refused cases[] = {
        {"A", "k", "1\r\n[Evil]"}, {"A", "k", "1\n"}, {"A", "k", "1\r"},
        {"A", "k=j", "1"},         {"A", "[k", "1"},  {"A", "", "1"},
        {"A", "  ", "1"},          {"A]", "k", "1"},  {"", "k", "1"},
        {"A\r\nB", "k", "1"},      {"A", "k\n", "1"},
    };
    const std::string before = "[A]\r\nk=0\r\n";
    for (const auto& c : cases) {
        ProfileDocument document(before);
        EXPECT_FALSE(document.Set(c.section, c.key, c.value)) << c.section << "/" << c.key << "=" << c.value;
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

TEST(ProfileFile, ReadPrivateValueReturnsAtMost254Characters) {
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
    // The in-memory document has no such limit.
    EXPECT_EQ(ProfileDocument(ReadAll(file)).Get("A", "long", ""), long300);
}

TEST(ProfileFile, DefaultLosesItsTrailingBlanksOnly) {
    TempDir dir;
    EXPECT_EQ(ReadPrivateValue("A", "k", "  Not found  ", dir.File("missing.ter")), "  Not found");
    EXPECT_EQ(ReadPrivateValue("A", "k", "", dir.File("missing.ter")), "");
}

TEST(ProfileFile, AFolderIsNotAProfileFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("sub.ter"));
    EXPECT_EQ(ReadPrivateValue("A", "k", "dflt", dir.File("sub.ter")), "dflt");
    Outcome written = WritePrivateValue("A", "k", "v", dir.File("sub.ter"));
    EXPECT_FALSE(written);
    EXPECT_NE(written.message().find(dir.File("sub.ter")), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("sub.ter")));
}

TEST(ProfileFile, VeryLongLinesAreKeptAndRead) {
    TempDir dir;
    const std::string file = dir.File("long.ter");
    const std::string junk(1 << 20, 'j');
    const std::string longValue(1 << 20, 'v');
    WriteAll(file, "[A]\r\n" + junk + "\r\nk=" + longValue + "\r\n[B]\r\n");
    EXPECT_EQ(ReadPrivateValue("A", "k", "", file), std::string(254, 'v'));
    ASSERT_TRUE(WritePrivateValue("B", "n", "1", file));
    EXPECT_EQ(ReadAll(file), "[A]\r\n" + junk + "\r\nk=" + longValue + "\r\n[B]\r\nn=1\r\n");
}

TEST(ProfileFile, BinaryGarbageNeverCrashesAndStaysUnchanged) {
    std::mt19937 random(1234);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    // Make it hold section and key lines too.
    garbage.replace(1000, 12, "\r\n[A]\r\nk=1\r\n");
    ProfileDocument document(garbage);
    EXPECT_EQ(document.Find("A", "k"), std::optional<std::string>("1"));
    ASSERT_TRUE(document.Set("Gridwright", "Key", "Value"));
    EXPECT_EQ(document.Text().substr(0, garbage.size()), garbage);
    EXPECT_EQ(document.Get("gridwright", "key", ""), "Value");
    ASSERT_TRUE(document.Set("A", "k", "2"));
    EXPECT_EQ(document.Get("A", "k", ""), "2");
}

}  // namespace
}  // namespace gw
