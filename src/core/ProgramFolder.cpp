// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramFolder.h"

#include <filesystem>

#include "core/text/FieldString.h"

namespace gw {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (IsPathSeparator(folder.back())) return folder + name;
    return folder + kNativeSeparator + name;
}

std::string WithTrailingSeparator(const std::string& folder) {
    if (folder.empty() || IsPathSeparator(folder.back())) return folder;
    return folder + kNativeSeparator;
}

std::string FindProgramFolder(const std::string& executableFolder) {
    std::error_code ec;
    if (std::filesystem::exists(JoinPath(executableFolder, "skelasc.txt"), ec)) return executableFolder;
    std::filesystem::path installed = std::filesystem::path(executableFolder) / ".." / "share" / "gridwright";
    return installed.lexically_normal().string();
}

}  // namespace gw
