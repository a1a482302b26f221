// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/io/Paths.h"
#include "core/text/FieldString.h"
#include "support/CaseTable.h"

namespace gw {
namespace {

using test::ReadCaseTable;

TEST(GetElement, FieldsBetweenSeparators) {
    for (const test::CaseRow& c : ReadCaseTable("core/get-element.txt"))
        EXPECT_EQ(GetElement(c[0], c[1], std::stoi(c[2])), c[3]) << "[" << c[0] << "] sep [" << c[1] << "] " << c[2];
}

TEST(GetNextElement, WalksATextFieldByField) {
    struct Case {
        const char* text;
        std::int64_t from;
        const char* field;
        std::int64_t next;  // where the walk goes on; 0: not compared
    };
    const Case cases[] = {{"a\nbc\n", 1, "a", 3}, {"a\nbc\n", 3, "bc", 5}, {"a\nbc\n", 5, "", 5},
                          {"", 1, "", 1},         {"ab\ncd", 3, "", 4},  // a position on the separator
                          {"abc", 99, "", 0}};
    for (const Case& c : cases) {
        std::int64_t position = c.from;
        EXPECT_EQ(GetNextElement(c.text, "\n", position), c.field) << c.text << " " << c.from;
        if (c.next != 0) {
            EXPECT_EQ(position, c.next) << c.text << " " << c.from;
        }
    }
}

TEST(Compress, CollapsesRunsOfBlanksOnly) {
    for (const test::CaseRow& c : ReadCaseTable("core/compress.txt")) EXPECT_EQ(Compress(c[0]), c[1]) << c[0];
    EXPECT_EQ(Compress(std::string(100000, ' ')), " ");
}

TEST(PathRoutines, TakeAPathApartWithEitherSeparator) {
    for (const test::CaseRow& c : ReadCaseTable("core/path-parts.txt")) {
        const test::CaseRow parts = {c[0], GetFileName(c[0]), GetBaseName(c[0]), GetExtension(c[0]),
                                     GetDirectory(c[0])};
        EXPECT_EQ(parts, c);
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
