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
    for (const test::CaseRow& c : ReadCaseTable("core/get-next-element.txt")) {
        std::int64_t position = std::stoll(c[1]);
        EXPECT_EQ(GetNextElement(c[0], "\n", position), c[2]) << c[0] << " " << c[1];
        EXPECT_TRUE(c[3].empty() || position == std::stoll(c[3])) << c[0] << " " << c[1] << ": " << position;
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
