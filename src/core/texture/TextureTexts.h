// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texture builder's texts and fixed names, exactly as the user sees them.
#include <string>

namespace gw {

// Message boxes carry the program's title.
inline const std::string kTextureMessageTitle = "Gridwright";

// The builder window.
inline const std::string kTextureWindowCaption = "Make Texture";

// Files: the skeleton images in the program's folder, the texture's suffix and
// the log written beside the texture.
inline const std::string kSkeletonImageName = "skel.tga";
inline const std::string kSkeleton1016ImageName = "skel1016.tga";
inline const std::string kTextureSuffix = "UnRendered.tga";
inline const std::string kTextureLogName = "MakeTexture.log";

// The Open box of File > Open.
inline const std::string kTerBoxTitle = "Open";
inline const std::string kTerBoxFilter = "TER file|*.ter|All Files|*.*";
inline const std::string kTerBoxExtension = ".ter";

// Status texts.
inline const std::string kTextureProcessing = "Processing ";
inline const std::string kTextureNothingToDo = "Nothing to do";
inline const std::string kTextureAllDone = "All Done";
inline const std::string kTextureFinishedConverting = "Finished converting ";
inline const std::string kGetSkelError = "Get Skel error: ";
inline const std::string kGetSkel1016Error = "Get Skel 1016 error: ";
inline const std::string kTileReadError = "ImgDLLReadRGBFromTGA error: ";

// Message boxes.
inline const std::string kTileOpenError = "Error opening ";
inline const std::string kInvalidMapId = "Invalid MapID";
inline const std::string kNoTextures = "No Textures to process";
inline const std::string kPaletteError = "Error process Textures";
// The .TRK warning: the .TRK path comes first.
inline const std::string kTrackNotFound =
    " not found.\n\nSome track pieces may not be rotated correctly.\n"
    "Make sure the SX .TER and .TRK file are in the\nsame directory";

// Keys of the .TER and the .TRK.
inline const std::string kPaletteSection = "TerrainPalette";
inline const std::string kPaletteSizeKey = "TotalFileSets";
inline const std::string kPaletteEntryKey = "FileSet_";
inline const std::string kPaletteEntryMissing = "Not Found";
inline const std::string kPlacementSection = "TexturePlacement_";
inline const std::string kTrackSection = "Track";
inline const std::string kNoTransform = "NONE";

}  // namespace gw
