// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/io/Paths.h"
#include "core/text/FieldString.h"

namespace gw {
namespace {

struct ElementCase {
    const char* text;
    const char* separator;
    int index;
    const char* field;
};

TEST(GetElement, FieldsBetweenSeparators) {
    const ElementCase cases[] = {
        {"a,b,,c", ",", 2, ""},
        {"a,b,,c", ",", 3, "c"},
        {"abc", ",", 0, "abc"},
        {"a,b", ",", 5, ""},
        {"a,b", ",", -1, ""},
        {"a,b,", ",", 2, ""},
        {"a,b,", ",", 3, ""},
        {" a , b ", ",", 1, " b "},
        {"Vertex 12: X: 18 Y: 0 Z: 1.5", "Z:", 0, "Vertex 12: X: 18 Y: 0 "},
        {"Vertex 12: X: 18 Y: 0 Z: 1.5", " ", 7, "1.5"},
        {"", ",", 0, ""},
        {"x--y--z", "--", 2, "z"},
        {"abc", "", 0, "abc"},
        {"abc", "", 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetElement(c.text, c.separator, c.index), c.field)
            << "[" << c.text << "] sep [" << c.separator << "] index " << c.index;
    }
}

TEST(GetNextElement, WalksATextFieldByField) {
    const std::string text = "a\nbc\n";
    std::int64_t position = 1;
    EXPECT_EQ(GetNextElement(text, "\n", position), "a");
    EXPECT_EQ(position, 3);
    EXPECT_EQ(GetNextElement(text, "\n", position), "bc");
    EXPECT_EQ(position, 5);
    EXPECT_EQ(GetNextElement(text, "\n", position), "");
    EXPECT_EQ(position, 5);

    std::int64_t start = 1;
    EXPECT_EQ(GetNextElement("", "\n", start), "");
    EXPECT_EQ(start, 1);
    std::int64_t middle = 3;
    EXPECT_EQ(GetNextElement("ab\ncd", "\n", middle), "");  // a position on the separator
    EXPECT_EQ(middle, 4);
    std::int64_t beyond = 99;
    EXPECT_EQ(GetNextElement("abc", "\n", beyond), "");
}

TEST(Compress, CollapsesRunsOfBlanksOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {" ", " "},
        {"", ""},
        {"ab", "ab"},
        {"   ", " "},
        {"a  b     c", "a b c"},
        {"  lead", " lead"},
        {"trail   ", "trail "},
        {"tab\t\tkept", "tab\t\tkept"},
        {"Vertex 0:  X: 0.000000     Y: 0.000000", "Vertex 0: X: 0.000000 Y: 0.000000"},
    };
    for (const auto& [text, compressed] : cases) EXPECT_EQ(Compress(text), compressed) << text;
    EXPECT_EQ(Compress(std::string(100000, ' ')), " ");
}

struct PathCase {
    const char* path;
    const char* fileName;
    const char* baseName;
    const char* extension;
    const char* directory;
};

TEST(PathRoutines, TakeAPathApartWithEitherSeparator) {
    const PathCase cases[] = {
        {"C:\\tracks\\bumpN.asc", "bumpN.asc", "bumpN", "asc", "C:\\tracks\\"},
        {"/home/rider/tracks/bumpN.asc", "bumpN.asc", "bumpN", "asc", "/home/rider/tracks/"},
        {"bumpN.asc", "bumpN.asc", "bumpN", "asc", ""},
        {"my.piece.asc", "my.piece.asc", "my", "piece", ""},
        {"C:\\my.dir\\bumpN.asc", "bumpN.asc", "bumpN", "asc", "C:\\my.dir\\"},
        {"C:\\tracks\\", "tracks", "tracks", "", "C:\\"},
        {"noext", "noext", "noext", "", ""},
        {"", "", "", "", ""},
        {"\\\\server\\share\\a.ter", "a.ter", "a", "ter", "\\\\server\\share\\"},
        {"C:\\MCM\\Tracks/Dunes\\Dunes.TER", "Dunes.TER", "Dunes", "TER", "C:\\MCM\\Tracks/Dunes\\"},
        {"/tmp/a/a", "a", "a", "", "/tmp/"},
        // Repeated and closing separators count as one; the root and a network
        // path's two backslashes stay.
        {"dir//Track/Dunes.TER", "Dunes.TER", "Dunes", "TER", "dir/Track/"},
        {"C:\\MCM\\\\Tracks\\/Dunes.ter", "Dunes.ter", "Dunes", "ter", "C:\\MCM\\Tracks\\"},
        {"/home//rider/", "rider", "rider", "", "/home/"},
        {"//t.asc", "t.asc", "t", "asc", "/"},
        {"\\\\\\server\\share\\a.ter", "a.ter", "a", "ter", "\\\\server\\share\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(GetBaseName(c.path), c.baseName) << c.path;
        EXPECT_EQ(GetExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(GetDirectory(c.path), c.directory) << c.path;
    }
}

TEST(PathRoutines, WorkOnLongTexts) {
    std::string longName(100000, 'x');
    EXPECT_EQ(GetFileName("/a/" + longName + ".asc"), longName + ".asc");
    std::string many;
    for (int i = 0; i < 40000; ++i) many += "f,";
    EXPECT_EQ(GetElement(many, ",", 39999), "f");
    EXPECT_EQ(GetElement(many, ",", 40000), "");
}

}  // namespace
}  // namespace gw
