// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small SX track for the texture builder's tests: a .TER with a palette and
// TexturePlacement sections, a .TRK with orientations and tile TGA files, all in
// one folder.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/image/RgbImage.h"
#include "core/texture/TextureView.h"
#include "support/TempDir.h"

namespace gw::test {

// A side x side tile of one colour.
RgbImage SolidTile(std::uint32_t rgb, int side = 62);
// A 62 x 62 tile of one colour with its top-left quadrant (31 x 31) in another,
// so every quarter turn puts the mark in another corner.
RgbImage MarkedTile(std::uint32_t ground, std::uint32_t mark);
// Writes a tile as a TGA file.
void WriteTile(const std::string& path, const RgbImage& tile);

struct TexturePlacementKeys {
    std::string mapId;
    std::string xIndex;
    std::string yIndex;
    std::optional<std::string> transform;  // no key when empty
};

class TextureTrack {
public:
    // name.ter (and name.trk) in folder.
    TextureTrack(std::string folder, std::string name);

    // Piece n (1..256) in its natural cell: column (n - 1) % 16 from the left,
    // row (n - 1) / 16 from the top.
    static TexturePlacementKeys Cell(int pieceNumber, int mapId, std::optional<std::string> transform = "0");
    // Fills count placements (from piece 1) with Cell, MapID from mapIdOf.
    void FillCells(int count, int (*mapIdOf)(int pieceNumber));

    // The left and top pixel of piece n's cell on the 992 skeleton.
    static int CellLeft(int pieceNumber) { return (pieceNumber - 1) % 16 * 62; }
    static int CellTop(int pieceNumber) { return (pieceNumber - 1) / 16 * 62; }

    std::vector<std::string> fileSets;             // FileSet_1 on, as written
    std::optional<std::string> totalFileSets;      // default: the number of file sets
    std::vector<TexturePlacementKeys> placements;  // piece 1 on
    std::map<std::string, std::string> trackKeys;  // section Track of the .TRK
    bool writeTrack = true;

    // Writes the .TER and, when writeTrack, the .TRK.
    void Write() const;

    const std::string& folder() const { return folder_; }
    std::string terPath() const { return File(name_ + ".ter"); }
    std::string trackPath() const { return File(name_ + ".trk"); }
    std::string File(const std::string& name) const { return folder_ + kSeparator + name; }

private:
    std::string folder_;
    std::string name_;
};

// A builder window that keeps every status text and counts the previews.
class RecordingTextureView final : public TextureView {
public:
    void Status(const std::string& text) override { texts.push_back(text); }
    void DrawPreview(const RgbImage& skeleton) override {
        ++previews;
        lastPreview = skeleton;
    }
    std::vector<std::string> texts;
    int previews = 0;
    RgbImage lastPreview;
};

// The colour of a 62 x 62 cell's pixel (dx, dy) measured from the cell's corner.
std::uint32_t CellPixel(const RgbImage& skeleton, int pieceNumber, int dx, int dy);

}  // namespace gw::test
