// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramFolder.h"

#include <filesystem>

#include "core/io/Paths.h"

namespace gw {

std::string FindProgramFolder(const std::string& executableFolder) {
    std::error_code ec;
    if (std::filesystem::exists(JoinPath(executableFolder, "skelasc.txt"), ec)) return executableFolder;
    std::filesystem::path installed = std::filesystem::path(executableFolder) / ".." / "share" / "gridwright";
    return installed.lexically_normal().string();
}

}  // namespace gw
