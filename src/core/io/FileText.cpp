// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/FileText.h"

#include <cerrno>
#include <cstring>

namespace gw {

std::string SystemReason(int error) { return std::strerror(error); }
std::string SystemReason() { return SystemReason(errno); }

Outcome ReadFileBytes(const std::string& path, const ReadCap& cap, std::string& bytes) {
    bytes.clear();
    InputFile file;
    if (Outcome opened = file.Open(path, cap); !opened) return opened;
    // The size the file had at opening and one byte more, to meet its end at
    // once; then whatever it gained since, in blocks (the cap still holds).
    std::size_t want = static_cast<std::size_t>(file.size()) + 1;
    for (;;) {
        const std::size_t at = bytes.size();
        bytes.resize(at + want);
        const std::size_t got = file.Read(bytes.data() + at, want);
        bytes.resize(at + got);
        if (got < want) break;
        want = std::size_t{1} << 16;
    }
    if (!file.failure().ok()) {
        bytes.clear();
        return file.failure();
    }
    return Outcome::Ok();
}

std::vector<std::string_view> SplitAnyLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace gw
