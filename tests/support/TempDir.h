// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder per test, removed afterwards, and small file helpers.
#include <filesystem>
#include <set>
#include <string>

namespace gw::test {

// path with the separator the program uses when it builds paths: on Windows
// every / becomes \.
std::string Native(const std::string& path);
// That separator as a text, for joining by hand: "/out" + kSeparator + "x.asc".
inline const std::string kSeparator = Native("/");

// A found file's path for comparing: where the file system ignores letter case
// (Windows) any spelling of a name opens the file, so only the case of its
// letters may differ from the spelling on disk; elsewhere the path as it is.
std::string CaseKey(const std::string& path);

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file inside the folder, as text, with the native separator.
    std::string File(const std::string& name) const { return Native((path_ / name).string()); }

private:
    std::filesystem::path path_;
};

// The names of everything in a folder.
std::set<std::string> FilesIn(const std::filesystem::path& folder);
inline std::set<std::string> FilesIn(const TempDir& dir) { return FilesIn(dir.path()); }

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

// The build's program folder and the skeleton in it.
std::string ProgramFolder();
std::string SkeletonPath();
std::string Skeleton257Path();
std::string SamplePiecePath();

}  // namespace gw::test
