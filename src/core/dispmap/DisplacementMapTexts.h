// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The displacement maps' texts, exactly as the user sees them.
#include <string>

namespace gw {

// Message boxes carry the program's title.
inline const std::string kDispMapMessageTitle = "Gridwright";

// The preview window.
inline const std::string kDispMapPreviewCaption = "Displacement Map";

// The Max Z input box of the terrain maps' menu items ("Displacment" is the
// box's own spelling and stays so).
inline const std::string kMaxZTitle = "Displacment Map Max Z";
inline const std::string kMaxZPrompt = "Input the Z value that equates to color 255,255,255.";
inline const std::string kMaxZDefault = "20";

// The piece map without an open piece.
inline const std::string kOpenPieceFirst = "Please open an SX ASC file";
// The main window's status when the terrain map's Save box is cancelled.
inline const std::string kDispMapCancelled = "Make Displacement Map cancelled";

// Progress and closing texts of the preview's status label.
inline const std::string kStatusComputingMinMax = "Computing Min/Max";
inline const std::string kStatusProcessing = "Processing Terrain";
inline const std::string kStatusProcessingRow = "Processing Terrain Row: ";
inline const std::string kStatusAllDone = "All Done";
inline const std::string kStatusDispMapDone = "DispMap Done - Max Z = ";
// Follows a closing text with the path of the file written.
inline const std::string kStatusSavedAs = " - saved as ";

}  // namespace gw
