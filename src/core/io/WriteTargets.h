// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every writer checks and names before it writes: which targets it refuses
// and the companion files (the .bak and the temporary) that lie beside a target.
#include <string>
#include <vector>

namespace gw {

// The target's folder and file name up to the file name's last period (the
// whole name when it has none): "T.v2.asc" gives "T.v2", so T.v1.asc and
// T.v2.asc keep separate backups, and "Dunes.asc" gives "Dunes" as always.
std::string CompanionStem(const std::string& target);

// The previous version of target: CompanionStem + ".bak".
std::string BackupPathOf(const std::string& target);

// True for a file name ending in .out or .bak, in any letter case: the names of
// the temporary and backup files, which no writer writes as a target.
bool IsCompanionName(const std::string& path);

// Why no file can be written at path, or empty: a folder ("Cannot write X: Is a
// directory"), anything else that is not a regular file, and a name ending in
// .out or .bak. A symbolic link is judged by the file it points to.
std::string WriteTargetRefusal(const std::string& path);

// Why a run must not write its outputs, or empty: one of them is one of its
// inputs (the same file however it is spelled: links, letter case, hard links).
// The message names both.
std::string InputOverwriteRefusal(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs);

}  // namespace gw
