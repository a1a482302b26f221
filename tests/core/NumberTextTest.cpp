// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/text/NumberText.h"

namespace gw {
namespace {

struct ValueCase {
    const char* text;
    double value;
};

TEST(ValueOfText, ReadsTheLongestLeadingNumber) {
    const ValueCase cases[] = {
        {"12abc", 12},  {"abc", 0},       {"1 000", 1000},
        {"", 0},        {"  -2.5", -2.5}, {"+7", 7},
        {".5", 0.5},    {"-.25", -0.25},  {"1.2.3", 1.2},
        {"1e3", 1000},  {"1E+2x", 100},   {"2D2", 200},
        {"1e", 1},      {"1e+", 1},       {"3 e 2", 300},
        {"\t4\n2", 42}, {"- 5", -5},      {"-", 0},
        {".", 0},       {"1,5", 1},       {"NaN", 0},
        {"inf", 0},     {"1e308", 1e308}, {"1e999", 0},
        {"1e-999", 0},  {"0.1", 0.1},     {"5.411765", 5.411765},
        {"12:", 12},    {"\r5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueOfText(c.text), c.value) << "text: [" << c.text << "]";
    }
}

TEST(ValueOfText, HandlesAHugeRunOfDigitsWithoutTrouble) {
    std::string digits(5'000'000, '9');
    EXPECT_EQ(ValueOfText(digits), 0.0);  // far beyond a double: not a number
    std::string small = "0." + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(ValueOfText(small), 0.0);
}

struct TextCase {
    double value;
    const char* padded;
    const char* plain;
};

TEST(NumberText, PaddedAndPlainForms) {
    const TextCase cases[] = {
        {1.5, " 1.5", "1.5"},
        {0.5, " .5", "0.5"},
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {-0.25, "-.25", "-0.25"},
        {-2, "-2", "-2"},
        {12, " 12", "12"},
        {24, " 24", "24"},
        {0.75, " .75", "0.75"},
        {5.411765, " 5.411765", "5.411765"},
        {1.0 / 3.0, " .333333333333333", "0.333333333333333"},
        {123456789012345.0, " 123456789012345", "123456789012345"},
        {1234567890123456.0, " 1.23456789012346E+15", "1.23456789012346E+15"},
        {0.00001, " 1E-05", "1E-05"},
        {-1e300, "-1E+300", "-1E+300"},
        {0.1 + 0.2, " .3", "0.3"},
        {std::numeric_limits<double>::infinity(), " Inf", "Inf"},
        // The largest doubles round to a 15-digit number that no double holds.
        {std::numeric_limits<double>::max(), " 1.79769313486231E+308", "1.79769313486231E+308"},
        {-1.797693134862315e308, "-1.79769313486231E+308", "-1.79769313486231E+308"},
        {1.79769313486231e308, " 1.79769313486231E+308", "1.79769313486231E+308"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaddedNumberText(c.value), c.padded) << c.value;
        EXPECT_EQ(PlainNumberText(c.value), c.plain) << c.value;
    }
}

// Found by the number_text fuzzer: the largest heights were saved in a form
// that read back as 0.
TEST(NumberText, EveryFiniteValueReadsBackFromItsWrittenForm) {
    const double values[] = {std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             1.797693134862315e308,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min(),
                             1e308,
                             -4.5};
    for (double value : values) {
        for (const std::string& text : {PaddedNumberText(value), PlainNumberText(value)}) {
            const double back = ValueOfText(text);
            EXPECT_NEAR(back, value, std::fabs(value) * 1e-14) << text;
            EXPECT_EQ(PaddedNumberText(back), PaddedNumberText(value)) << text;
        }
    }
}

TEST(NumberText, PlainFormFollowsTheUsersSettings) {
    NumberFormat german{',', true};
    EXPECT_EQ(PlainNumberText(0.5, german), "0,5");
    EXPECT_EQ(PlainNumberText(-1.25, german), "-1,25");
    NumberFormat noLeadingZero{'.', false};
    EXPECT_EQ(PlainNumberText(0.5, noLeadingZero), ".5");
    EXPECT_EQ(PlainNumberText(-0.5, noLeadingZero), "-.5");
    // The padded form never follows the settings.
    EXPECT_EQ(PaddedNumberText(0.5), " .5");
    // Fewer digits for a narrow cell keep the exponent, so the number keeps its size.
    EXPECT_EQ(PaddedNumberText(1.23456789012346E+17, 3), " 1.23E+17");
    EXPECT_EQ(PaddedNumberText(-0.126, 2), "-.13");
}

TEST(NumberText, RoundsHalfToEven) {
    const std::pair<double, double> cases[] = {
        {0.5, 0},   {1.5, 2},  {2.5, 2},  {3.5, 4},   {-0.5, 0},      {-1.5, -2},
        {-2.5, -2}, {0.49, 0}, {0.51, 1}, {16.5, 16}, {-127.5, -128}, {1e20, 1e20},
    };
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    std::int64_t index = 0;
    EXPECT_TRUE(RoundToIndex(2.5, index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(RoundToIndex(1e308, index));
    EXPECT_FALSE(RoundToIndex(std::nan(""), index));
}

}  // namespace
}  // namespace gw
