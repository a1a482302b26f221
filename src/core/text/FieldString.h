// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splitting texts into fields at a separator. Positions count from 1, fields
// from 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace gw {

// The field with that index between separators, or an empty text when the text
// has fewer fields (or the index is negative). Blanks around a field stay in it.
std::string GetElement(std::string_view text, std::string_view separator, std::int64_t index);

// The field that starts at position (1-based); position moves past it. When the
// text is used up (position equals its length) the result is empty and position
// stays. See ReadPieceFile for the walk that relies on this.
std::string GetNextElement(std::string_view text, std::string_view separator, std::int64_t& position);

// Every run of blanks collapsed to one blank; tabs pass through unchanged.
std::string Compress(std::string_view text);

// Leading and trailing blanks removed; tabs and other white space stay.
std::string TrimBlanks(std::string_view text);

// Upper-cases ASCII letters only (the file names and keys are single-byte text).
std::string UpperAscii(std::string_view text);

}  // namespace gw
