// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every writer checks before it writes: which targets it refuses, and
// which outputs would overwrite the run's own inputs.
#include <string>
#include <vector>

namespace gw {

// Why no file can be written at path, or empty: a folder ("Cannot write X: Is a
// directory"), anything else that is not a regular file, and a name ending in
// .out or .bak. A symbolic link is judged by the file it points to.
std::string WriteTargetRefusal(const std::string& path);

// Why a run must not write its outputs, or empty: one of them is one of its
// inputs (the same file however it is spelled: links, letter case, hard links).
// The message names both.
std::string InputOverwriteRefusal(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs);

}  // namespace gw
