#pragma once
// Texts that the National menu's routines show in boxes.

namespace gw {

// Title of the program's own message boxes.
inline constexpr const char* kTerrainMessageTitle = "Gridwright";

inline constexpr const char* kAsc257FileFilter = "ASC file|*.asc|All Files|*.*";
inline constexpr const char* kOpenBaseAsc257Title = "Select Base Map";
inline constexpr const char* kSaveAsc257Title = "Save ASC As";
inline constexpr const char* kAsc257SaveCancelledMessage = "ASC save cancelled";

}  // namespace gw
