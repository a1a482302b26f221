// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/FastNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "core/text/NumberText.h"

namespace gw {

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactInteger = std::uint64_t{1} << 53;

}  // namespace

double ValueOfField(std::string_view field) {
    std::size_t i = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (negative) i = 1;
    std::uint64_t mantissa = 0;
    int digits = 0;  // digits taken into the mantissa (leading zeros skipped)
    int fractionDigits = 0;
    bool anyDigit = false;
    bool period = false;
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (period) ++fractionDigits;
            if (mantissa == 0 && c == '0') continue;
            if (++digits > 19) return ValueOfText(field);
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && !period) {
            period = true;
        } else {
            return ValueOfText(field);
        }
    }
    if (!anyDigit) return ValueOfText(field);
    if (mantissa <= kLargestExactInteger && fractionDigits <= 22) {
        // Both operands are exact, so the one rounding of the division gives the
        // correctly rounded value, the same that a full conversion gives.
        const double value = static_cast<double>(mantissa) / kExactPowersOfTen[fractionDigits];
        return negative ? -value : value;
    }
    double value = 0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
    if (result.ec != std::errc() || result.ptr != field.data() + field.size()) return ValueOfText(field);
    return value;
}

void AppendPaddedNumberText(std::string& out, double value) {
    // value = m / 10^6 exactly as the nearest double, with m below 10^15: then the
    // decimal m / 10^6 has at most 15 significant digits and lies closer to value
    // than half a unit of its 15th digit, so it is what the 15-digit general
    // form shows. From 10^-4 on (m >= 100) that form is fixed-point, not E.
    constexpr double kScale = 1e6;
    constexpr int kDecimals = 6;
    if (std::fabs(value) < 1e9) {
        const double scaled = value * kScale;
        const long long m = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
        const unsigned long long magnitude = static_cast<unsigned long long>(m < 0 ? -m : m);
        if (static_cast<double>(m) / kScale == value && (magnitude == 0 || magnitude >= 100)) {
            char digits[24];  // the number backwards; the first kDecimals are the fraction
            int count = 0;
            for (unsigned long long rest = magnitude; rest != 0; rest /= 10)
                digits[count++] = static_cast<char>('0' + rest % 10);
            int firstKept = 0;  // trailing zeros of the fraction are dropped
            while (firstKept < kDecimals && firstKept < count && digits[firstKept] == '0') ++firstKept;
            char text[32];
            int length = 0;
            text[length++] = m < 0 ? '-' : ' ';
            if (magnitude == 0) text[length++] = '0';
            for (int i = count - 1; i >= kDecimals; --i) text[length++] = digits[i];
            if (magnitude != 0 && firstKept < kDecimals) {
                text[length++] = '.';
                for (int i = kDecimals - 1; i >= firstKept; --i) text[length++] = i < count ? digits[i] : '0';
            }
            out.append(text, static_cast<std::size_t>(length));
            return;
        }
    }
    out += PaddedNumberText(value);
}

}  // namespace gw
