// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace gw {

// The folder that holds the data files: the executable's own folder when the
// skeleton template lies there (a build tree), otherwise ../share/gridwright
// relative to it (an installed program).
std::string FindProgramFolder(const std::string& executableFolder);

// The separator of the paths the program builds for the file system; paths
// are read with either separator, \ or / (IsPathSeparator).
#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// Joins a folder and a file name with the native separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// A folder path with its closing separator (empty stays empty).
std::string WithTrailingSeparator(const std::string& folder);

}  // namespace gw
