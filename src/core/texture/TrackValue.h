// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the .TER's and the .TRK's keys the way the game's profile reader
// hands them over: through a buffer of 255 characters, numbers as the leading
// number of the text.
#include <string>
#include <string_view>

#include "core/trackfiles/ProfileFile.h"

namespace gw {

// The key's value (or the default), cut to the 254 characters the buffer holds.
std::string ReadTrackText(const ProfileDocument& file, std::string_view section, std::string_view key,
                          std::string_view defaultValue);

// The leading number of the key's value (or of the default) rounded to a whole
// number, halves to even. A value beyond the 32-bit range counts as 0, as a text
// without a number does.
int ReadTrackInteger(const ProfileDocument& file, std::string_view section, std::string_view key,
                     std::string_view defaultValue);

}  // namespace gw
