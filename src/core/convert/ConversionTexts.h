// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SX conversion's texts and starting values, exactly as the user sees them.
#include <string>

namespace gw {

inline constexpr const char* kConvertMessageTitle = "Gridwright";
inline constexpr const char* kConvertDialogCaption = "Convert MCM SX track to National";

// The Open box that picks the SX track.
inline constexpr const char* kSelectTerTitle = "Select TER file";
inline constexpr const char* kTerFilter = "TER file|*.ter|All Files|*.*";
inline constexpr const char* kTerDefaultExtension = "*.ter";

// The dialog's starting values. The Z Base follows the Quarry box.
inline constexpr const char* kNationalZBase = "5.411765";
inline constexpr const char* kQuarryZBase = "15.0";
inline constexpr const char* kDefaultZScale = "0.67";
inline constexpr const char* kDefaultMaxZ = "20.0";
inline constexpr const char* kDefaultGridRes = "3.0";

inline const char* ZBaseFor(bool quarry) { return quarry ? kQuarryZBase : kNationalZBase; }

inline constexpr const char* kConvertHelpText =
    "The standard National Base Z is 5.411765. \n"
    "The standard Quarry Base Z is 15.0.\n"
    "\n"
    "Scale should be .67 to make jumps the same size. This can be adjusted up or down.\n"
    "\n"
    "Remember a scale of 1.0 will make everything 50% bigger.\n"
    "\n"
    "Max Z is what you want the tallest potential Z to be. It will be adjusted if the track converted is taller.\n"
    "\n"
    "Your video driver needs to be set at 24 bits or higher to create a displacement map.";

// The OK button's checks, in the order they are made.
inline constexpr const char* kEnterZBase = "Please enter a value for ZBase";
inline constexpr const char* kEnterZScale = "Please enter a value for Z Scale";
inline constexpr const char* kSelectOutputDir = "Please select an output directory.";
// Follows the folder's text.
inline constexpr const char* kCreateFolderQuestion = " doesn't exist. Would you like to create it?";

inline constexpr const char* kConvertCancelled = "Convert SX cancelled";

// Asked before anything else when the open piece has unsaved changes: the
// conversion leaves the piece grid empty.
inline constexpr const char* kConvertDiscardPieceQuestion =
    "The open piece has changes that are not saved. The conversion empties the piece grid. Convert anyway?";
// A track goes onto the terrain as it is; a second one would add its heights
// to the first one's.
inline constexpr const char* kConvertOntoTerrainQuestion =
    "The terrain (ASC257) is not empty: the track's heights will be added to the heights already there. "
    "Add the track anyway?";

// The main window's status after the track is in the grid.
inline constexpr const char* kConvertAllDone = "All Done";

// The environments the new .TER and .SCN are made for.
inline constexpr const char* kNationalEnvironment = "National";
inline constexpr const char* kQuarryEnvironment = "Quarry";

}  // namespace gw
