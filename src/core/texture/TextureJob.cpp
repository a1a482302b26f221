// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/texture/TextureJob.h"

#include "core/ProgramFolder.h"
#include "core/text/FieldString.h"
#include "core/texture/TextureTexts.h"
#include "core/trackfiles/FindTrackFile.h"

namespace gw {

TextureJob ConversionTextureJob(const std::string& terPath, const std::string& outputFolder) {
    return TextureJob{terPath, ConversionTexturePath(outputFolder, terPath)};
}

std::string ConversionTexturePath(const std::string& outputFolder, const std::string& terPath) {
    const std::string folder = outputFolder.empty() ? FolderOfPath(terPath) : outputFolder;
    return JoinPath(folder, GetBaseName(terPath) + kTextureSuffix);
}

std::string MenuTexturePath(const std::string& terPath) {
    return FolderOfPath(terPath) + GetBaseName(terPath) + kTextureSuffix;
}

std::string TextureLogPath(const std::string& texturePath) { return FolderOfPath(texturePath) + kTextureLogName; }

FileBoxRequest TerFileBox(bool terFolderRemembered, const std::string& trackFolder) {
    FileBoxRequest box;
    box.title = kTerBoxTitle;
    box.filter = kTerBoxFilter;
    box.defaultExtension = kTerBoxExtension;
    if (terFolderRemembered) box.initialFolder = trackFolder;
    return box;
}

}  // namespace gw
