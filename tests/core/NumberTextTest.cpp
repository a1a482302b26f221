// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the files and the status texts write them, and the fast writer
// and reader the big files use, which must give the same as the plain ones.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

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
    for (const test::CaseRow& c : test::ReadCaseTable("core/round-half-even.txt"))
        EXPECT_EQ(RoundHalfEven(CaseNumber(c[0])), CaseNumber(c[1])) << c[0];
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
    for (const test::CaseRow& c : test::ReadCaseTable("core/fast-number-values.txt")) edges.push_back(CaseNumber(c[0]));
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
    for (const test::CaseRow& c : test::ReadCaseTable("core/fast-number-fields.txt")) {
        const std::string& field = c[0];
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
