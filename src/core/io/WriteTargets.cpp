// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/WriteTargets.h"

#include <cerrno>
#include <filesystem>

#include "core/io/FileText.h"
#include "core/io/SystemFiles.h"

namespace gw {

namespace {

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

bool EndsWithCompanionExtension(const std::string& name) {
    if (name.size() < 4 || name[name.size() - 4] != '.') return false;
    std::string extension = name.substr(name.size() - 3);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == "out" || extension == "bak";
}

}  // namespace

std::string CompanionStem(const std::string& target) {
    const std::string name = FileNameOf(target);
    const std::size_t period = name.rfind('.');
    // A name that only starts with a period (".hills") has no extension to cut.
    const std::size_t kept = period == std::string::npos || period == 0 ? name.size() : period;
    return target.substr(0, target.size() - name.size() + kept);
}

std::string BackupPathOf(const std::string& target) { return CompanionStem(target) + ".bak"; }

bool IsCompanionName(const std::string& path) { return EndsWithCompanionExtension(FileNameOf(path)); }

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
            if (sys::IsSameFile(output, input)) {
                return "Cannot write " + output + ": it is " + input + ", an input of this run; nothing was written";
            }
        }
    }
    return std::string();
}

}  // namespace gw
