// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/heightmap/HeightmapMenu.h"

namespace gw {
namespace {

TEST(HeightmapMenu, TheHeightsBoxTakesExactlyTwoNumbers) {
    struct Case {
        const char* answer;
        bool ok;
        double lowest, highest;
    };
    const Case cases[] = {{"0, 20", true, 0, 20},  {" -1.5 ,4 ", true, -1.5, 4}, {"1e-07,3", true, 1e-7, 3},
                          {"0", false, 0, 0},      {"0, 20, 3", false, 0, 0},    {"a, 2", false, 0, 0},
                          {"0, inf", false, 0, 0}, {", 2", false, 0, 0},         {"5,", false, 0, 0}};
    for (const Case& c : cases) {
        HeightRange heights;
        EXPECT_EQ(ParseHeightsAnswer(c.answer, heights), c.ok) << c.answer;
        if (!c.ok) continue;
        EXPECT_EQ(heights.lowest, c.lowest) << c.answer;
        EXPECT_EQ(heights.highest, c.highest) << c.answer;
    }
}

}  // namespace
}  // namespace gw
