// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the files and the status texts write them, and the fast writer
// and reader the big files use, which must give the same as the plain ones.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/FastNumbers.h"
#include "core/text/NumberText.h"
#include "support/CaseTable.h"

namespace gw {
namespace {

using test::CaseNumber;

TEST(ValueOfText, ReadsTheLongestLeadingNumber) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/value-of-text.txt"))
        EXPECT_EQ(ValueOfText(c[0]), CaseNumber(c[1])) << "text: [" << c[0] << "]";
}

TEST(ValueOfText, HandlesAHugeRunOfDigitsWithoutTrouble) {
    std::string digits(5'000'000, '9');
    EXPECT_EQ(ValueOfText(digits), 0.0);  // far beyond a double: not a number
    std::string small = "0." + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(ValueOfText(small), 0.0);
}

TEST(NumberText, PaddedAndPlainForms) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/number-text.txt")) {
        EXPECT_EQ(PaddedNumberText(CaseNumber(c[0])), c[1]) << c[0];
        EXPECT_EQ(PlainNumberText(CaseNumber(c[0])), c[2]) << c[0];
    }
}

// Found by the number_text fuzzer: the largest heights were saved in a form
// that read back as 0.
TEST(NumberText, EveryFiniteValueReadsBackFromItsWrittenForm) {
    using limits = std::numeric_limits<double>;
    const double values[] = {
        limits::max(), -limits::max(), 1.797693134862315e308, limits::denorm_min(), limits::min(), 1e308, -4.5};
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

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Appended(double value) {
    std::string out = "Z: ";
    AppendPaddedNumberText(out, value);
    return out.substr(3);
}

TEST(FastNumbers, AppendedTextIsPaddedNumberText) {
    using limits = std::numeric_limits<double>;
    const double inf = limits::infinity(), nan = limits::quiet_NaN(), tiny = limits::denorm_min(), max = limits::max();
    std::vector<double> edges{tiny, max, inf, -inf, nan};
    // Written as typed: 0.1 + 0.2 and 1 / 3 among them.
    std::istringstream typed(
        "0.0 -0.0 1 -1 0.5 -0.25 5.411765 1e-4 -1e-4 9.9e-5 0.000123 1e-5 1e-6 123456.123456 999999999.999999 "
        "-999999999.999999 1e9 1e15 1e16 0.30000000000000004 0.3333333333333333 2.5e-7 100 128 -128");
    for (std::string word; typed >> word;) edges.push_back(CaseNumber(word));
    for (double value : edges) EXPECT_EQ(Appended(value), PaddedNumberText(value)) << value;

    std::mt19937_64 random(513);
    std::uniform_int_distribution<long long> micro(-999999999999999LL, 999999999999999LL);
    std::uniform_int_distribution<int> decimals(0, 9);
    for (int i = 0; i < 200000; ++i) {
        // Heights as files hold them (a few decimals), and arbitrary doubles.
        const double typed = static_cast<double>(micro(random) % 1000000000LL) / std::pow(10.0, decimals(random));
        ASSERT_EQ(Appended(typed), PaddedNumberText(typed)) << typed;
        std::uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        ASSERT_EQ(Appended(any), PaddedNumberText(any));
        const double scaled = static_cast<double>(micro(random)) / 1e6;
        ASSERT_EQ(Appended(scaled), PaddedNumberText(scaled)) << scaled;
    }
}

TEST(FastNumbers, FieldValueIsValueOfText) {
    // The fields, "|" between them (the first is empty).
    std::istringstream fields(
        "|-|.|-.|0|-0|-0.000000|128|-128.000000|5.411765|.5|5.|-.25|007.50|1.2.3|+1|1e3|1E-05|2.5D1|12abc|abc|1\t5|"
        "nan|inf|1e999|1e-999|0.1000000000000000055511151231257827|123456789012345678901234567890|9007199254740993|"
        "0.00000000000000000000001|-9999999999999999999.5");
    for (std::string field; std::getline(fields, field, '|');) {
        EXPECT_TRUE(SameBits(ValueOfField(field), ValueOfText(field)))
            << field << ": " << ValueOfField(field) << " vs " << ValueOfText(field);
    }
    std::mt19937_64 random(17);
    for (int i = 0; i < 200000; ++i) {
        std::string field = random() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 25);
        const int point = static_cast<int>(random() % (digits + 2));
        for (int d = 0; d < digits; ++d) {
            if (d == point) field += '.';
            field += static_cast<char>('0' + random() % 10);
        }
        ASSERT_TRUE(SameBits(ValueOfField(field), ValueOfText(field))) << field;
    }
}

}  // namespace
}  // namespace gw
