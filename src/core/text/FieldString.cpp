// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/FieldString.h"

namespace gw {

namespace {

// 1-based position of separator at or after start (1-based), 0 when absent.
std::int64_t Find(std::string_view text, std::string_view separator, std::int64_t start) {
    if (start < 1 || static_cast<std::size_t>(start - 1) > text.size()) return 0;
    std::size_t at = text.find(separator, static_cast<std::size_t>(start - 1));
    return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

}  // namespace

std::string GetElement(std::string_view text, std::string_view separator, std::int64_t index) {
    if (index < 0) return std::string();
    if (separator.empty()) return index == 0 ? std::string(text) : std::string();
    std::int64_t start = 1;
    std::int64_t count = 0;
    std::int64_t found = 0;
    for (;;) {
        found = Find(text, separator, start);
        if (count == index) break;
        if (found == 0) return std::string();
        ++count;
        start = found + static_cast<std::int64_t>(separator.size());
    }
    std::size_t from = static_cast<std::size_t>(start - 1);
    if (from > text.size()) return std::string();
    if (found > 0) return std::string(text.substr(from, static_cast<std::size_t>(found - start)));
    return std::string(text.substr(from));
}

std::string GetNextElement(std::string_view text, std::string_view separator, std::int64_t& position) {
    const auto length = static_cast<std::int64_t>(text.size());
    if (text.empty() || position == length || position < 1 || position > length) {
        return std::string();
    }
    std::string result;
    std::int64_t found = separator.empty() ? 0 : Find(text, separator, position);
    std::size_t from = static_cast<std::size_t>(position - 1);
    if (found > 0) {
        result = std::string(text.substr(from, static_cast<std::size_t>(found - position)));
        found += static_cast<std::int64_t>(separator.size());
    } else {
        result = std::string(text.substr(from));
    }
    position = (found >= 1 && found <= length) ? found : length;
    return result;
}

std::string Compress(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && !result.empty() && result.back() == ' ') continue;
        result += c;
    }
    return result;
}

std::string TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string();
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

}  // namespace gw
