// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/shell/Greeting.h"
#include "support/CaseTable.h"

namespace gw {
namespace {

// The time of day's greeting, the draw's special ones, and the clan tag left off.
TEST(Greeting, TextsForTheHourTheDrawAndTheName) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/greeting.txt"))
        EXPECT_EQ(GreetingText(c[0], std::stoi(c[1]), test::CaseNumber(c[2])), c[3])
            << c[0] << " at " << c[1] << " with " << c[2];
}

}  // namespace
}  // namespace gw
