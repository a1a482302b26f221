// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number forms of NumberText.h for the hot loops of the terrain files, which
// read two or three numbers and write one per vertex, 66,049 times per file.
// The results are the same as those of the general routines.
#include <string>
#include <string_view>

namespace gw {

// The same value as ValueOfText(field). A plain decimal (optional minus, digits,
// one period) is converted without ValueOfText's general scan; anything else
// (exponents, signs, stray characters) goes through ValueOfText.
double ValueOfField(std::string_view field);

// Appends PaddedNumberText(value). Heights with up to six decimals (the usual
// case) are written from their integer digits; other values go through
// PaddedNumberText.
void AppendPaddedNumberText(std::string& out, double value);

}  // namespace gw
