// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/trackfiles/FindTrackFile.h"

#include <filesystem>

#include "core/text/FieldString.h"

namespace gw {

namespace {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path.empty() ? std::string(".") : path, ec);
}

// Upper-cased file name -> the first spelling in byte order, for every regular
// file in the folder. An unreadable folder lists nothing.
std::map<std::string, std::string> ListFolder(const std::string& folder) {
    std::map<std::string, std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? std::string(".") : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        auto [entry, added] = names.try_emplace(UpperAscii(name), name);
        if (!added && name < entry->second) entry->second = std::move(name);
    }
    return names;
}

std::string NormalFolderKey(const std::string& folder) {
    std::error_code ec;
    fs::path path = folder.empty() ? fs::path(".") : fs::path(folder);
    fs::path resolved = fs::weakly_canonical(path, ec);
    if (ec) resolved = fs::absolute(path, ec).lexically_normal();
    std::string text = resolved.string();
    while (text.size() > 1 && IsPathSeparator(text.back())) text.pop_back();
    return UpperAscii(text);
}

}  // namespace

std::string FindFileLoosely(const std::string& folder, const std::string& name) {
    if (name.empty()) return std::string();
    const std::string exact = JoinPath(folder, name);
    if (IsFile(exact)) return exact;
    const auto names = ListFolder(folder);
    auto found = names.find(UpperAscii(name));
    return found == names.end() ? std::string() : JoinPath(folder, found->second);
}

TrackFileFinder::TrackFileFinder(std::string terFile) : terFolder_(FolderOfPath(terFile)) {}

std::string TrackFileFinder::FindIn(const std::string& folder, const std::string& name) {
    if (name.empty()) return std::string();
    const std::string exact = JoinPath(folder, name);
    if (IsFile(exact)) return exact;
    auto [listing, added] = listings_.try_emplace(folder);
    if (added) listing->second = ListFolder(folder);
    auto found = listing->second.find(UpperAscii(name));
    return found == listing->second.end() ? std::string() : JoinPath(folder, found->second);
}

std::string TrackFileFinder::Resolve(const std::string& pathAsWritten) {
    if (IsFile(pathAsWritten)) return pathAsWritten;
    const std::string name = GetFileName(pathAsWritten);
    if (name.empty()) return pathAsWritten;
    const std::string writtenFolder = FolderOfPath(pathAsWritten);
    if (!writtenFolder.empty() && IsFolder(writtenFolder)) {
        std::string found = FindIn(writtenFolder, name);
        if (!found.empty()) return found;
    }
    std::string found = FindIn(terFolder_, name);
    return found.empty() ? pathAsWritten : found;
}

std::string TrackFileFinder::Beside(const std::string& name) {
    std::string found = FindIn(terFolder_, name);
    return found.empty() ? JoinPath(terFolder_, name) : found;
}

std::string ResolveTrackFile(const std::string& pathAsWritten, const std::string& terFile) {
    return TrackFileFinder(terFile).Resolve(pathAsWritten);
}

std::string FindSceneBesideTer(const std::string& terFile) {
    return TrackFileFinder(terFile).Beside(GetBaseName(terFile) + ".SCN");
}

std::string FindTrackBesideTer(const std::string& terFile) {
    return TrackFileFinder(terFile).Beside(GetBaseName(terFile) + ".trk");
}

bool IsSameFolder(const std::string& a, const std::string& b) { return NormalFolderKey(a) == NormalFolderKey(b); }

}  // namespace gw
