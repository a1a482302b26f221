// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A texture job and where its files go: the texture's name in each mode, the
// log beside it and the Open box of File > Open.
#include <string>

#include "core/Interfaces.h"

namespace gw {

// One texture to compose: the track it comes from and the texture it makes;
// MakeTexture.log goes beside the texture.
struct TextureJob {
    std::string terPath;
    std::string texturePath;
};

// The conversion's job: the .TER's texture into outputFolder (ConversionTexturePath).
TextureJob ConversionTextureJob(const std::string& terPath, const std::string& outputFolder);

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
// remembered by the builder.
FileBoxRequest TerFileBox(bool terFolderRemembered, const std::string& trackFolder);

}  // namespace gw
