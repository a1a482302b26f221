// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dispmap/DisplacementMapFiles.h"

#include "core/io/Paths.h"

namespace gw {

std::string TerrainMapSuffix(TerrainMapSize size) {
    return size == TerrainMapSize::k257 ? "DispMap257.tga" : "DispMap513.tga";
}

std::string PieceDisplacementMapPath(const std::string& pieceFolder, const std::string& pieceName) {
    if (pieceName.empty()) return "";
    return JoinPath(pieceFolder, pieceName + "DispMap17.tga");
}

std::string TerrainDisplacementMapName(TerrainMapSize size, const std::string& path) {
    return GetBaseName(path) + TerrainMapSuffix(size);
}

std::string TerrainDisplacementMapFixedPath(TerrainMapSize size, const std::string& currentTerFile) {
    if (currentTerFile.empty()) return "";
    return TerrainDisplacementMapName(size, currentTerFile);
}

FileBoxRequest TerrainDisplacementMapSaveBox(TerrainMapSize size, const std::string& nationalFolder,
                                             const std::string& currentTerFile, const std::string& baseMapFile) {
    FileBoxRequest box;
    box.title = "Save Displacement Map " + std::to_string(static_cast<int>(size));
    box.filter = "TGA file|*.tga|All Files|*.*";
    box.defaultExtension = "*.tga";
    box.initialFolder = nationalFolder;
    const std::string& namedAfter = currentTerFile.empty() ? baseMapFile : currentTerFile;
    box.fileName = namedAfter.empty() ? "" : TerrainDisplacementMapName(size, namedAfter);
    return box;
}

std::string PlaceInOutputFolder(const std::string& path, const std::string& outputFolder) {
    if (outputFolder.empty()) return path;
    return JoinPath(outputFolder, GetBaseName(path) + "." + GetExtension(path));
}

}  // namespace gw
