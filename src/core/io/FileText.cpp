#include "core/io/FileText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace gw {

std::string SystemReason(int error) { return std::strerror(error); }
std::string SystemReason() { return SystemReason(errno); }

Outcome ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return Outcome::Fail("Cannot read " + path + ": " + SystemReason(EISDIR));
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return Outcome::Fail("Cannot open " + path + ": " + SystemReason());
    char buffer[1 << 16];
    for (;;) {
        std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        bytes.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    if (std::ferror(file.get())) {
        int error = errno;
        bytes.clear();
        return Outcome::Fail("Cannot read " + path + ": " + SystemReason(error));
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
