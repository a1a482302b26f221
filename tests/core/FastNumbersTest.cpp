// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/text/FastNumbers.h"
#include "core/text/NumberText.h"

namespace gw {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::string Appended(double value) {
    std::string out = "Z: ";
    AppendPaddedNumberText(out, value);
    return out.substr(3);
}

TEST(FastNumbers, AppendedTextIsPaddedNumberText) {
    const double edges[] = {0.0,
                            -0.0,
                            1,
                            -1,
                            0.5,
                            -0.25,
                            5.411765,
                            1e-4,
                            -1e-4,
                            9.9e-5,
                            0.000123,
                            1e-5,
                            1e-6,
                            123456.123456,
                            999999999.999999,
                            -999999999.999999,
                            1e9,
                            1e15,
                            1e16,
                            0.1 + 0.2,
                            1.0 / 3,
                            2.5e-7,
                            100,
                            128,
                            -128,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
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
    const char* fields[] = {"",
                            "-",
                            ".",
                            "-.",
                            "0",
                            "-0",
                            "-0.000000",
                            "128",
                            "-128.000000",
                            "5.411765",
                            ".5",
                            "5.",
                            "-.25",
                            "007.50",
                            "1.2.3",
                            "+1",
                            "1e3",
                            "1E-05",
                            "2.5D1",
                            "12abc",
                            "abc",
                            "1\t5",
                            "nan",
                            "inf",
                            "1e999",
                            "1e-999",
                            "0.1000000000000000055511151231257827",
                            "123456789012345678901234567890",
                            "9007199254740993",
                            "0.00000000000000000000001",
                            "-9999999999999999999.5"};
    for (const char* field : fields) {
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
