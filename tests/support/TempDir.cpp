// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/text/FieldString.h"

namespace gw::test {

TempDir::TempDir() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("gridwright-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Native(const std::string& path) {
    std::string native = path;
#ifdef _WIN32
    std::replace(native.begin(), native.end(), '/', '\\');
#endif
    return native;
}

std::string CaseKey(const std::string& path) {
    static const bool ignoresCase = [] {
        TempDir probe;
        WriteAll(probe.File("a"), "");
        return Exists(probe.File("A"));
    }();
    return ignoresCase ? UpperAscii(path) : path;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

std::string ProgramFolder() { return GRIDWRIGHT_BIN_DIR; }
std::string SkeletonPath() { return ProgramFolder() + "/skelasc.txt"; }
std::string Skeleton257Path() { return ProgramFolder() + "/skelasc257.txt"; }
std::string SamplePiecePath() { return ProgramFolder() + "/samples/tabletopN.asc"; }

}  // namespace gw::test
