// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/heightmap/HeightmapMenu.h"
#include "support/CaseTable.h"

namespace gw {
namespace {

TEST(HeightmapMenu, TheHeightsBoxTakesExactlyTwoNumbers) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/heights-answer.txt")) {
        HeightRange heights;
        EXPECT_EQ(ParseHeightsAnswer(c[0], heights), c[1] == "1") << c[0];
        if (c[1] != "1") continue;
        EXPECT_EQ(heights.lowest, test::CaseNumber(c[2])) << c[0];
        EXPECT_EQ(heights.highest, test::CaseNumber(c[3])) << c[0];
    }
}

}  // namespace
}  // namespace gw
