// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's number forms: how typed or stored text becomes a number and how
// numbers are written into cells, files and status texts.
#include <cstdint>
#include <string>
#include <string_view>

namespace gw {

// The value of the longest number at the start of the text. Blanks, tabs and line
// feeds are skipped wherever they stand ("1 000" is 1000); an optional sign,
// digits, one period and an optional exponent (E or D) are read; anything else
// ends the number. A text without a leading number, or one whose number does not
// fit a double, counts as 0.
double ValueOfText(std::string_view text);

// General format with up to 15 significant digits, always a period, no trailing
// zeros, no leading zero before the period, and one blank in front of a number
// that is not negative: " 1.5", " .5", " 0", "-.25".
std::string PaddedNumberText(double value);

// The same form rounded to fewer significant digits (1 to 15), for a place too
// narrow for the whole number: 1.23456789012346E+17 with 3 digits is " 1.23E+17",
// so a shortened number still reads as its value.
std::string PaddedNumberText(double value, int significantDigits);

// The user's way of writing a decimal number: separator and whether a zero
// stands before it. The core never asks the system; the GUI passes it in.
struct NumberFormat {
    char decimalSeparator = '.';
    bool leadingZero = true;
};

// The same digits as PaddedNumberText without the leading blank, written with the
// user's separator and leading zero ("0.5" in the usual English form).
std::string PlainNumberText(double value, const NumberFormat& format = NumberFormat());

// Nearest whole number, a half going to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2).
double RoundHalfEven(double value);

// RoundHalfEven as an index; false when the value is not finite or does not fit.
bool RoundToIndex(double value, std::int64_t& index);

}  // namespace gw
