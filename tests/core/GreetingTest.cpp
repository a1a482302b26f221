// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/shell/Greeting.h"

namespace gw {
namespace {

TEST(Greeting, TimeOfDayBoundaries) {
    const double plainDraw = 10;  // no special greeting
    const std::pair<int, const char*> cases[] = {
        {0, "Good morning Ann."},    {11, "Good morning Ann."}, {12, "Good afternoon Ann."},
        {17, "Good afternoon Ann."}, {18, "Good evening Ann."}, {23, "Good evening Ann."},
    };
    for (const auto& [hour, text] : cases) EXPECT_EQ(GreetingText("Ann Rider", hour, plainDraw), text) << hour;
}

TEST(Greeting, DrawRanges) {
    // The tests run in this order: > 44, <= 3, [7, 10), [14, 18), [25, 27].
    const std::pair<double, const char*> cases[] = {
        {0.0, "Hey Ann, I can feel the creative energy flowing from here."},
        {3.0, "Hey Ann, I can feel the creative energy flowing from here."},
        {3.02, "Good morning Ann."},
        {7.0, "Howdy Ann."},
        {9.98, "Howdy Ann."},
        {10.0, "Good morning Ann."},
        {14.0, "How's it going Ann?"},
        {17.98, "How's it going Ann?"},
        {18.0, "Good morning Ann."},
        {25.0, "What awesome thing are you creating today Ann?"},
        {27.0, "What awesome thing are you creating today Ann?"},
        {27.02, "Good morning Ann."},
        {44.0, "Good morning Ann."},
        {44.02, "Hi Ann."},
        {49.99, "Hi Ann."},
    };
    for (const auto& [draw, text] : cases) EXPECT_EQ(GreetingText("Ann", 8, draw), text) << draw;
}

TEST(Greeting, ClanTagIsLeftOffCaseSensitively) {
    EXPECT_EQ(GreetingText("GWR_Speedy Gonzales", 20, 20), "Good evening Speedy.");
    EXPECT_EQ(GreetingText("gwr_Speedy", 20, 20), "Good evening gwr_Speedy.");
    EXPECT_EQ(GreetingText("GWR_", 20, 20), "Good evening .");
    EXPECT_EQ(GreetingText("", 20, 20), "Good evening .");
}

}  // namespace
}  // namespace gw
