// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that the National menu's routines show in boxes.
#include <string>

namespace gw {

// Title of the program's own message boxes.
inline constexpr const char* kTerrainMessageTitle = "Gridwright";

inline constexpr const char* kAsc257FileFilter = "ASC file|*.asc|All Files|*.*";
inline constexpr const char* kOpenBaseAsc257Title = "Select Base Map";
inline constexpr const char* kSaveAsc257Title = "Save ASC As";
inline constexpr const char* kAsc257SaveCancelledMessage = "ASC save cancelled";

// Said when an operation on the terrain left cells as they were because their
// new height would not be a finite number (an absurd scale or offset overflows).
inline std::string NotFiniteCellsText(long long cells) {
    return std::to_string(cells) + (cells == 1 ? " cell keeps its" : " cells keep their") +
           " height: the new height would not be a finite number";
}

}  // namespace gw
