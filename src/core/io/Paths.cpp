// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"

#include <filesystem>

#include "core/text/FieldString.h"

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

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (IsPathSeparator(folder.back())) return folder + name;
    return folder + kNativeSeparator + name;
}

std::string WithTrailingSeparator(const std::string& folder) {
    if (folder.empty() || IsPathSeparator(folder.back())) return folder;
    return folder + kNativeSeparator;
}

std::string FolderOfPath(const std::string& path) {
    std::size_t last = path.find_last_of("\\/");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string CompanionStem(const std::string& target) {
    const std::string name = FileNameOf(target);
    const std::size_t period = name.rfind('.');
    // A name that only starts with a period (".hills") has no extension to cut.
    const std::size_t kept = period == std::string::npos || period == 0 ? name.size() : period;
    return target.substr(0, target.size() - name.size() + kept);
}

std::string BackupPathOf(const std::string& target) { return CompanionStem(target) + ".bak"; }

bool IsCompanionName(const std::string& path) { return EndsWithCompanionExtension(FileNameOf(path)); }

}  // namespace gw
