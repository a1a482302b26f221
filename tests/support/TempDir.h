#pragma once
// A fresh folder per test, removed afterwards, and small file helpers.
#include <filesystem>
#include <set>
#include <string>

namespace gw::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file inside the folder, as text.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

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
