// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

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
    // text, position, field, where the walk goes on (0: not compared)
    const std::tuple<const char*, std::int64_t, const char*, std::int64_t> cases[] = {
        {"a\nbc\n", 1, "a", 3}, {"a\nbc\n", 3, "bc", 5}, {"a\nbc\n", 5, "", 5},
        {"", 1, "", 1},         {"ab\ncd", 3, "", 4},  // a position on the separator
        {"abc", 99, "", 0}};
    for (const auto& [text, from, field, next] : cases) {
        std::int64_t position = from;
        EXPECT_EQ(GetNextElement(text, "\n", position), field) << text << " " << from;
        EXPECT_TRUE(next == 0 || position == next) << text << " " << from << ": " << position;
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
