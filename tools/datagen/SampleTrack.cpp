// SPDX-License-Identifier: GPL-3.0-or-later
#include "datagen/SampleTrack.h"

#include "core/io/Paths.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>

#include "core/ProgramFolder.h"
#include "core/image/TgaFile.h"
#include "core/io/ReplaceFile.h"
#include "core/text/FieldString.h"

namespace gw {

namespace {

constexpr int kLast = kSampleTilesPerSide - 1;

SampleTexture TextureOf(SamplePiece piece) {
    switch (piece) {
        case SamplePiece::Flat: return SampleTexture::Dirt;
        case SamplePiece::Whoops: return SampleTexture::Whoops;
        case SamplePiece::Berm: return SampleTexture::Berm;
        case SamplePiece::Tabletop:
        case SamplePiece::StepUp:
        case SamplePiece::Double: return SampleTexture::Jump;
    }
    return SampleTexture::Dirt;
}

SampleTile OnTrack(SamplePiece piece, int orientation) { return {piece, orientation, TextureOf(piece), false}; }

// The feature at a position along a straight, dirt where there is none.
SamplePiece FeatureAt(int position, const std::map<int, SamplePiece>& features) {
    auto found = features.find(position);
    return found == features.end() ? SamplePiece::Flat : found->second;
}

// Deterministic texture noise in -amplitude..amplitude.
int Noise(int x, int y, int seed, int amplitude) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<int>(h % static_cast<std::uint32_t>(2 * amplitude + 1)) - amplitude;
}

std::uint8_t Channel(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

struct Colour {
    int red, green, blue;
};

void Paint(RgbImage& image, int x, int y, Colour colour, int noise) {
    image.SetPixel(x, y, Channel(colour.red + noise), Channel(colour.green + noise), Channel(colour.blue + noise));
}

constexpr Colour kDirt{150, 105, 65};
constexpr Colour kRut{115, 80, 50};

// Dirt with two ruts running north to south where the wheels go.
Colour DirtAt(int x, int) {
    const bool rut = (x >= 19 && x <= 21) || (x >= 40 && x <= 42);
    return rut ? kRut : kDirt;
}

Colour TextureColour(SampleTexture texture, int x, int y) {
    constexpr int last = kSampleTileTexturePixels - 1;
    switch (texture) {
        case SampleTexture::Grass:
            // Darker tufts, more of them towards the north-west corner.
            if (Noise(x, y, 7, 20) > 17 - (x + y < 30 ? 6 : 0)) return {40, 95, 30};
            return {70, 135, 45};
        case SampleTexture::Dirt: return DirtAt(x, y);
        case SampleTexture::Jump:
            // The lip: a packed, lighter face below the north end and the dark
            // shadow of its edge.
            if (y >= 14 && y <= 15) return {70, 50, 30};
            if (y >= 16 && y <= 24) return {185, 140, 95};
            return DirtAt(x, y);
        case SampleTexture::Whoops:
            // One ridge per roller: a dark crest line with a lighter face south of it.
            if (y % 16 <= 1) return {95, 65, 40};
            if (y % 16 <= 5) return {175, 130, 85};
            return kDirt;
        case SampleTexture::Berm: {
            // The turn's line round the south-east corner and the bank outside it.
            const double d = std::hypot(static_cast<double>(last - x), static_cast<double>(last - y));
            if (d >= 28 && d <= 33) return kRut;
            if (d > 40) return {180, 135, 90};
            return kDirt;
        }
    }
    return kDirt;
}

std::string CrLfJoin(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

SampleTile SampleTrackTile(int column, int row) {
    if (row == 0 && column == 0) return OnTrack(SamplePiece::Berm, 0);
    if (row == 0 && column == kLast) return OnTrack(SamplePiece::Berm, 3);
    if (row == kLast && column == kLast) return OnTrack(SamplePiece::Berm, 2);
    if (row == kLast && column == 0) return OnTrack(SamplePiece::Berm, 1);
    // The loop is ridden clockwise: east along the north edge, south down the
    // east edge, west along the south edge and north up the west edge.
    if (row == 0) {
        return OnTrack(FeatureAt(column, {{3, SamplePiece::Tabletop},
                                          {5, SamplePiece::Whoops},
                                          {6, SamplePiece::Whoops},
                                          {9, SamplePiece::Double},
                                          {12, SamplePiece::StepUp}}),
                       3);
    }
    if (column == kLast) {
        return OnTrack(
            FeatureAt(row, {{4, SamplePiece::Tabletop}, {8, SamplePiece::Whoops}, {11, SamplePiece::Double}}), 2);
    }
    if (row == kLast) {
        return OnTrack(
            FeatureAt(column, {{11, SamplePiece::StepUp}, {7, SamplePiece::Tabletop}, {4, SamplePiece::Whoops}}), 1);
    }
    if (column == 0) return OnTrack(FeatureAt(row, {{10, SamplePiece::Double}, {5, SamplePiece::Tabletop}}), 0);
    // A practice line up the middle, ridden north.
    if (column == 8 && row >= 4 && row <= 11) {
        return OnTrack(FeatureAt(row, {{9, SamplePiece::Tabletop}, {7, SamplePiece::StepUp}, {5, SamplePiece::Double}}),
                       0);
    }
    // Grass: the .TRK gives it some orientation, which Transform=NONE overrides.
    return {SamplePiece::Flat, (column * 3 + row) % 4, SampleTexture::Grass, true};
}

int SamplePieceNumber(int column, int row) { return row * kSampleTilesPerSide + column + 1; }
int SampleBaseX(int column) { return 16 * column; }
int SampleBaseY(int row) { return 240 - 16 * row; }

std::string SampleTerPieceName(SamplePiece piece, int orientation) {
    const std::string name = SamplePieceFileName(piece, orientation);
    std::string lower = name;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (piece == SamplePiece::Flat) return lower;
    if (piece == SamplePiece::Whoops) return UpperAscii(name);
    return name;
}

std::string SamplePaletteEntry(SampleTexture texture) {
    static const char* const kNames[] = {"Grass", "Dirt", "Jump", "Whoops", "Berm"};
    return std::string(kSampleElevationPath) + kNames[static_cast<int>(texture) - 1] + ".tga";
}

std::string SampleTextureFileName(SampleTexture texture) {
    static const char* const kFiles[] = {"grassa.tga", "Dirta.tga", "JUMPA.TGA", "Whoopsa.tga", "BermA.tga"};
    return kFiles[static_cast<int>(texture) - 1];
}

RgbImage MakeSampleTexture(SampleTexture texture) {
    RgbImage image;
    image.Create(kSampleTileTexturePixels, kSampleTileTexturePixels);
    const int seed = static_cast<int>(texture);
    for (int y = 0; y < kSampleTileTexturePixels; ++y) {
        for (int x = 0; x < kSampleTileTexturePixels; ++x) {
            Paint(image, x, y, TextureColour(texture, x, y), Noise(x, y, seed, 14));
        }
    }
    return image;
}

std::string SampleTerText() {
    std::vector<std::string> lines = {
        "[ElevationData]",
        std::string("ElevationPath=") + kSampleElevationPath,
        std::string("TextureMapPath=") + kSampleElevationPath,
        "",
    };
    for (int row = 0; row < kSampleTilesPerSide; ++row) {
        for (int column = 0; column < kSampleTilesPerSide; ++column) {
            const SampleTile tile = SampleTrackTile(column, row);
            lines.push_back("[ElevationFile_" + std::to_string(SamplePieceNumber(column, row)) + "]");
            lines.push_back("Name=" + SampleTerPieceName(tile.piece, tile.orientation));
            lines.push_back("BaseX=" + std::to_string(SampleBaseX(column)));
            lines.push_back("BaseY=" + std::to_string(SampleBaseY(row)));
            lines.push_back("");
        }
    }
    lines.push_back("[TerrainPalette]");
    lines.push_back("TotalFileSets=" + std::to_string(kSampleTextureCount));
    for (int id = 1; id <= kSampleTextureCount; ++id) {
        lines.push_back("FileSet_" + std::to_string(id) + "=" + SamplePaletteEntry(static_cast<SampleTexture>(id)));
    }
    lines.push_back("");
    for (int row = 0; row < kSampleTilesPerSide; ++row) {
        for (int column = 0; column < kSampleTilesPerSide; ++column) {
            const SampleTile tile = SampleTrackTile(column, row);
            lines.push_back("[TexturePlacement_" + std::to_string(SamplePieceNumber(column, row)) + "]");
            lines.push_back("MapID=" + std::to_string(static_cast<int>(tile.texture)));
            lines.push_back("XIndex=" + std::to_string(SampleBaseX(column)));
            lines.push_back("YIndex=" + std::to_string(SampleBaseY(row)));
            lines.push_back(std::string("Transform=") + (tile.transformNone ? "NONE" : "0"));
            lines.push_back("");
        }
    }
    return CrLfJoin(lines);
}

std::string SampleTrkText() {
    std::vector<std::string> lines = {"[Track]", std::string("Name=") + kSampleTrackName};
    for (int row = 0; row < kSampleTilesPerSide; ++row) {
        for (int column = 0; column < kSampleTilesPerSide; ++column) {
            const int n = SamplePieceNumber(column, row);
            // The game writes the first nine keys with a leading zero.
            const std::string key = (n < 10 ? "Orient_0" : "Orient_") + std::to_string(n);
            lines.push_back(key + "=" + std::to_string(SampleTrackTile(column, row).orientation));
        }
    }
    return CrLfJoin(lines);
}

std::string SampleScnText() {
    return CrLfJoin({"[SceneInfo]", std::string("SceneName=") + kSampleSceneName, "", "[Environment]",
                     std::string("TerrainFile=") + kSampleTrackName + ".TRN"});
}

Outcome WriteSampleTrack(const std::string& folder, const std::string& skeletonPath) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return Outcome::Fail("Cannot create " + folder + ": " + ec.message());
    const std::string base = JoinPath(folder, kSampleTrackName);
    const std::pair<std::string, std::string> texts[] = {
        {base + ".TER", SampleTerText()}, {base + ".TRK", SampleTrkText()}, {base + ".SCN", SampleScnText()}};
    for (const auto& [path, text] : texts) {
        if (Outcome written = ReplaceFileContents(path, text); !written) return written;
    }
    NullStatusSink quiet;
    for (SamplePiece piece : kSamplePieces) {
        PieceGrid grid = MakeSamplePiece(piece);
        const PieceSetSaveResult saved = SavePieceFileSet(
            grid, {folder, SamplePieceName(piece), "asc", SamplePieceKind(piece)}, skeletonPath, quiet);
        if (!saved.ok()) return Outcome::Fail(PieceSetFailureText(saved));
        // A regenerated sample has nothing worth keeping in a backup.
        for (const PieceSetFile& file :
             PieceSetFiles({folder, SamplePieceName(piece), "asc", SamplePieceKind(piece)})) {
            std::filesystem::remove(file.backupPath, ec);
        }
    }
    for (int id = 1; id <= kSampleTextureCount; ++id) {
        const auto texture = static_cast<SampleTexture>(id);
        Outcome written = WriteTgaFile(JoinPath(folder, SampleTextureFileName(texture)), MakeSampleTexture(texture));
        if (!written) return written;
    }
    return Outcome::Ok();
}

}  // namespace gw
