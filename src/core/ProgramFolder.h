// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace gw {

// The folder that holds the data files: the executable's own folder when the
// skeleton template lies there (a build tree), otherwise ../share/gridwright
// relative to it (an installed program).
std::string FindProgramFolder(const std::string& executableFolder);

}  // namespace gw
