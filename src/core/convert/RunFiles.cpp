// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert/RunFiles.h"

#include <algorithm>
#include <filesystem>

#include "core/dispmap/DisplacementMapFiles.h"
#include "core/io/Paths.h"
#include "core/texture/TextureJob.h"
#include "core/texture/TexturePalette.h"
#include "core/trackfiles/FindTrackFile.h"
#include "core/trackfiles/TrackFiles.h"

namespace gw {

namespace {

// The palette's own complaints belong to the texture run, not to this listing.
class Silent final : public Prompter {
public:
    void Message(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string Input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string OpenFileName(const FileBoxRequest&) override { return {}; }
    std::string SaveFileName(const FileBoxRequest&) override { return {}; }
};

void AddExisting(std::vector<std::string>& files, const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) return;
    if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
}

}  // namespace

std::vector<std::string> TrackInputFiles(const std::string& terFile) {
    std::vector<std::string> files;
    AddExisting(files, terFile);
    AddExisting(files, FindTrackBesideTer(terFile));
    AddExisting(files, FindSceneBesideTer(terFile));
    for (const std::string& piece : TrackPieceFiles(terFile)) AddExisting(files, piece);
    ProfileDocument ter;
    if (!ProfileDocument::Load(terFile, ter)) return files;
    Silent silent;
    const TexturePalette palette = LoadTexturePalette(ter, silent);
    TrackFileFinder finder(terFile);
    for (int id = 1; id <= std::min(palette.size(), TexturePalette::kMaxEntries); ++id) {
        if (!palette.Entry(id).empty()) AddExisting(files, finder.Resolve(palette.Entry(id)));
    }
    return files;
}

std::vector<std::string> ConversionOutputFiles(const SXConversionOptions& options) {
    const std::string& out = options.outputFolder;
    std::vector<std::string> files;
    if (options.dispMap) {
        files.push_back(
            PlaceInOutputFolder(TerrainDisplacementMapFixedPath(TerrainMapSize::k513, options.terFile), out));
    }
    if (options.texture) {
        files.push_back(ConversionTexturePath(out, options.terFile));
        files.push_back(TextureLogPath(files.back()));
    }
    if (options.writeScn) files.push_back(SceneFilePath(out, options.terFile));
    if (options.writeTer) {
        files.push_back(TerrainFilePath(out, options.terFile));
        files.push_back(JoinPath(out, "flat.asc"));
    }
    return files;
}

}  // namespace gw
