// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace gw {

namespace {

bool IsSkippedSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits as to_chars writes them in general form: lower-case exponent, no padding.
std::string GeneralDigits(double value, int significantDigits) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
}

// The shared body of both text forms: no trailing zeros (to_chars drops them),
// no leading zero before the period, never "-0".
std::string BareNumberText(double value, int significantDigits = 15) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    if (value == 0) return "0";  // also turns -0 into 0
    // Rounded to 15 digits, the largest doubles would be written as a number
    // beyond the double range, which reads back as 0: the height a file held
    // would be lost by saving it. They are written as the largest 15-digit
    // number instead, less than one part in 10^14 below.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (std::fabs(value) > kLargestFifteenDigits) value = std::copysign(kLargestFifteenDigits, value);
    std::string text = GeneralDigits(value, significantDigits);
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    return text;
}

}  // namespace

double ValueOfText(std::string_view text) {
    // Gather the characters that form the number, skipping blanks anywhere.
    std::string number;
    std::size_t i = 0;
    auto next = [&]() -> int {
        while (i < text.size() && IsSkippedSpace(text[i])) ++i;
        return i < text.size() ? static_cast<unsigned char>(text[i]) : -1;
    };
    int c = next();
    if (c == '+' || c == '-') {
        if (c == '-') number += '-';
        ++i;
        c = next();
    }
    bool digits = false;
    while (c >= 0 && IsDigit(static_cast<char>(c))) {
        number += static_cast<char>(c);
        digits = true;
        ++i;
        c = next();
    }
    if (c == '.') {
        number += '.';
        ++i;
        c = next();
        while (c >= 0 && IsDigit(static_cast<char>(c))) {
            number += static_cast<char>(c);
            digits = true;
            ++i;
            c = next();
        }
    }
    if (!digits) return 0.0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        // The exponent counts only when digits follow its optional sign.
        std::size_t saved = i;
        std::string exponent = "E";
        ++i;
        int e = next();
        if (e == '+' || e == '-') {
            exponent += static_cast<char>(e);
            ++i;
            e = next();
        }
        bool exponentDigits = false;
        while (e >= 0 && IsDigit(static_cast<char>(e))) {
            exponent += static_cast<char>(e);
            exponentDigits = true;
            ++i;
            e = next();
        }
        if (exponentDigits)
            number += exponent;
        else
            i = saved;
    }
    double value = 0.0;
    const char* first = number.data();
    if (*first == '-') ++first;  // from_chars takes no plus sign and we add the minus below
    auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec != std::errc()) {
        // Underflow reads as zero; a number too large for a double is not a number.
        return 0.0;
    }
    return number[0] == '-' ? -value : value;
}

std::string PaddedNumberText(double value) { return PaddedNumberText(value, 15); }

std::string PaddedNumberText(double value, int significantDigits) {
    std::string text = BareNumberText(value, std::clamp(significantDigits, 1, 15));
    if (text[0] != '-') text.insert(text.begin(), ' ');
    return text;
}

std::string PlainNumberText(double value, const NumberFormat& format) {
    std::string text = BareNumberText(value);
    std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    if (format.leadingZero && (point == 0 || (point == 1 && text[0] == '-'))) {
        text.insert(point, 1, '0');
        ++point;
    }
    text[point] = format.decimalSeparator;
    return text;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5) return whole + 1;
    if (fraction < 0.5) return whole;
    return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

bool RoundToIndex(double value, std::int64_t& index) {
    double rounded = RoundHalfEven(value);
    // 2^62 keeps every later offset arithmetic inside int64.
    constexpr double limit = 4611686018427387904.0;
    if (!std::isfinite(rounded) || rounded >= limit || rounded <= -limit) return false;
    index = static_cast<std::int64_t>(rounded);
    return true;
}

}  // namespace gw
