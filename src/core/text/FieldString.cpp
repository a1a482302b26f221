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

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string NormalSeparators(std::string_view path) {
    std::string normal;
    normal.reserve(path.size());
    std::size_t at = 0;
    // A network path's two leading backslashes stay together.
    if (path.substr(0, 2) == "\\\\") {
        normal = "\\\\";
        at = 2;
    }
    for (; at < path.size(); ++at) {
        const char c = path[at];
        if (IsPathSeparator(c) && !normal.empty() && IsPathSeparator(normal.back())) continue;
        normal += c;
    }
    // A closing separator, unless it is all there is (the root).
    const std::size_t prefix = normal.substr(0, 2) == "\\\\" ? 2 : 1;
    if (normal.size() > prefix && IsPathSeparator(normal.back())) normal.pop_back();
    return normal;
}

std::string GetFileName(std::string_view path) {
    std::string normal = NormalSeparators(path);
    std::string_view rest = normal;
    // A network path (\\server\share) loses its two leading backslashes.
    if (rest.substr(0, 2) == "\\\\") rest.remove_prefix(2);
    // A leading separator is the root of an absolute path, not an empty first
    // field; without this every Linux path would have no file name.
    if (!rest.empty() && IsPathSeparator(rest.front())) rest.remove_prefix(1);
    const std::size_t cut = rest.find_last_of("\\/");
    return std::string(cut == std::string_view::npos ? rest : rest.substr(cut + 1));
}

std::string GetBaseName(std::string_view path) { return GetElement(GetFileName(path), ".", 0); }

std::string GetExtension(std::string_view path) { return GetElement(GetFileName(path), ".", 1); }

std::string GetDirectory(std::string_view path) {
    std::string name = GetFileName(path);
    if (name.empty()) return std::string(path);
    return GetElement(NormalSeparators(path), name, 0);
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

}  // namespace gw
