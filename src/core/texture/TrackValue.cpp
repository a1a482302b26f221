// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texture/TrackValue.h"

#include <cstdint>
#include <limits>

#include "core/text/NumberText.h"

namespace gw {

std::string ReadTrackText(const ProfileDocument& file, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    std::string value = file.Get(section, key, defaultValue);
    if (value.size() > kMaxPrivateValueLength) value.resize(kMaxPrivateValueLength);
    return value;
}

int ReadTrackInteger(const ProfileDocument& file, std::string_view section, std::string_view key,
                     std::string_view defaultValue) {
    std::int64_t whole = 0;
    if (!RoundToIndex(ValueOfText(ReadTrackText(file, section, key, defaultValue)), whole)) return 0;
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<int>(whole);
}

}  // namespace gw
