// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a texture job comes from and where its files go: the job text the
// conversion hands to the builder, the texture's name in each mode, the log
// beside it and the Open box of File > Open.
#include <string>
#include <string_view>

#include "core/Interfaces.h"

namespace gw {

// A job text: the .TER path in double quotes, a comma, the output folder in
// double quotes: "C:\MCM\Dunes.ter","C:\MCM\National\".
struct TextureJob {
    std::string terPath;  // empty: the window only opens and waits for File > Open
    std::string outputFolder;
};

// Each comma-separated field is trimmed of blanks and gives the text between its
// first pair of double quotes; a field without quotes gives an empty text. Commas
// inside the quotes belong to the path (a folder may be named "Dunes, v2").
TextureJob ParseTextureJobText(std::string_view jobText);

// The job text for a .TER and an output folder; empty when the .TER path is.
std::string MakeTextureJobText(const std::string& terPath, const std::string& outputFolder);

// A conversion's texture: the output folder and the .TER's base name followed by
// "UnRendered.tga". Without an output folder the texture goes beside the .TER.
std::string ConversionTexturePath(const std::string& outputFolder, const std::string& terPath);

// File > Open's texture: beside the .TER, its file name up to the first period
// followed by "UnRendered.tga". Only the file name is cut, so a folder with a
// period in its name (~/.wine/...) stays whole.
std::string MenuTexturePath(const std::string& terPath);

// MakeTexture.log beside the texture it describes.
std::string TextureLogPath(const std::string& texturePath);

// The Open box: an initial folder (TrackFolder) only once a .TER folder has been
// remembered by this window.
FileBoxRequest TerFileBox(bool terFolderRemembered, const std::string& trackFolder);

}  // namespace gw
