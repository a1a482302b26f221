// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths taken apart and put together, as text: no call here asks the file
// system (SystemFiles does that). Both \ and / separate folders: the game writes
// Windows paths into its track files, and the program builds native ones.
#include <string>
#include <string_view>

namespace gw {

// The separator of the paths the program builds for the file system.
#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

bool IsPathSeparator(char c);

// Joins a folder and a file name with the native separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// A folder path with its closing separator (empty stays empty).
std::string WithTrailingSeparator(const std::string& folder);

// The path with every run of separators made one (its first) and a closing
// separator dropped, as a shell's "$DIR/$FILE" with DIR ending in / or a hand
// edited track file gives them. A network path's leading \\ and a root's
// leading / (or \) stay: they mean something.
std::string NormalSeparators(std::string_view path);

// The parts of a path as NormalSeparators gives it, so dir//Track/Dunes.TER is
// Dunes.TER in dir/Track/.
std::string GetFileName(std::string_view path);   // C:\tracks\bumpN.asc -> bumpN.asc
std::string GetBaseName(std::string_view path);   // up to the name's first period
std::string GetExtension(std::string_view path);  // between its first and second period
std::string GetDirectory(std::string_view path);  // everything before the file name

// The folder part of a path as written, up to and including its last \ or /;
// empty for a bare file name (the current folder).
std::string FolderOfPath(const std::string& path);

// The target's folder and file name up to the file name's last period (the
// whole name when it has none): "T.v2.asc" gives "T.v2", so T.v1.asc and
// T.v2.asc keep separate backups, and "Dunes.asc" gives "Dunes" as always.
std::string CompanionStem(const std::string& target);

// The previous version of target: CompanionStem + ".bak".
std::string BackupPathOf(const std::string& target);

// True for a file name ending in .out or .bak, in any letter case: the names of
// the temporary and backup files, which no writer writes as a target.
bool IsCompanionName(const std::string& path);

// The names one write of a mesh file (a piece or a whole terrain) takes.
struct MeshFileNames {
    std::string skeleton;    // the template whose lines it copies
    std::string target;      // the file written
    std::string objectName;  // the name on its object line
};

}  // namespace gw
