// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/heightmap/Heightmap.h"

#include <charconv>
#include <cmath>

namespace gw {

std::string ExactNumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

bool ParseExactNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && std::isfinite(value);
}

}  // namespace gw
