// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/WriteTargets.h"

#include <cerrno>
#include <filesystem>

#include "core/io/FileText.h"
#include "core/io/Paths.h"
#include "core/io/SystemFiles.h"

namespace gw {

namespace {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// True when both paths name the same existing file, however they are spelled
// (links, letter case on file systems that ignore it, hard links).
bool IsSameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

}  // namespace

std::string WriteTargetRefusal(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string real = sys::FollowLinks(path);
    std::error_code ec;
    const fs::file_status status = fs::status(real, ec);
    if (fs::is_directory(status) || FileNameOf(real).empty()) {
        return "Cannot write " + path + ": " + SystemReason(EISDIR);
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return "Cannot write " + path + ": it is not a regular file";
    }
    if (IsCompanionName(path) || IsCompanionName(real)) {
        return "Cannot write " + path + ": names ending in .out or .bak are kept for the temporary and backup files";
    }
    return std::string();
}

std::string InputOverwriteRefusal(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs) {
    for (const std::string& output : outputs) {
        for (const std::string& input : inputs) {
            if (IsSameFile(output, input)) {
                return "Cannot write " + output + ": it is " + input + ", an input of this run; nothing was written";
            }
        }
    }
    return std::string();
}

}  // namespace gw
