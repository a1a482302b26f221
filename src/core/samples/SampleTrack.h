// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bundled sample SX track "Dunes": a 16 x 16 board with a dirt loop round
// its edge (berms in the corners, jumps, whoops and step-ups on the straights),
// a practice line through the middle and grass everywhere else. Its files are
// what the game's track editor leaves in a track folder: the .TER, .TRK and
// .SCN, the ASC files of its pieces and their 62 x 62 tile textures.
//
// The .TER names everything the way the game writes it: the pieces under a
// Windows ElevationPath (C:\MCM\Tracks\Dunes\) and the textures as Windows
// paths, some in another letter case than the files on disk, so that opening
// the track exercises the loose finding of files beside the .TER.
#include <string>

#include "core/Outcome.h"
#include "core/image/RgbImage.h"
#include "core/samples/SamplePieces.h"

namespace gw {

inline constexpr const char* kSampleTrackName = "Dunes";
inline constexpr const char* kSampleElevationPath = "C:\\MCM\\Tracks\\Dunes\\";
inline constexpr const char* kSampleSceneName = "Dunes at Dusk";
inline constexpr int kSampleTilesPerSide = 16;
inline constexpr int kSampleTileTexturePixels = 62;

// The textures of the palette; the value is the MapID that names it.
enum class SampleTexture { Grass = 1, Dirt = 2, Jump = 3, Whoops = 4, Berm = 5 };
inline constexpr int kSampleTextureCount = 5;

struct SampleTile {
    SamplePiece piece = SamplePiece::Flat;
    int orientation = 0;  // the .TRK's Orient value: quarter turns counter-clockwise
    SampleTexture texture = SampleTexture::Grass;
    bool transformNone = false;  // Transform=NONE: the texture is laid unturned
};

// The tile in column c (0 at the west edge) and row r (0 at the north edge).
SampleTile SampleTrackTile(int column, int row);

// Piece n (1..256) of the .TER lies in column (n - 1) % 16 and row (n - 1) / 16;
// its BaseX is 16 x column, its BaseY 240 - 16 x row (Y rises to the north).
int SamplePieceNumber(int column, int row);
int SampleBaseX(int column);
int SampleBaseY(int row);

// The piece file's name as the .TER spells it (the flat and whoops files in
// another letter case than on disk).
std::string SampleTerPieceName(SamplePiece piece, int orientation);

// The palette entry (FileSet_n) of a texture, a Windows path; and the file on
// disk that the palette rule (name up to ".tga" + "a.tga") leads to, in its
// own letter case.
std::string SamplePaletteEntry(SampleTexture texture);
std::string SampleTextureFileName(SampleTexture texture);

// The 62 x 62 tile: dirt, grass, a jump's lip marks, whoops ridges, a berm's
// arc. None is symmetric under a quarter turn, so a wrongly turned tile shows.
RgbImage MakeSampleTexture(SampleTexture texture);

// The texts of the track's description files (CR LF line ends).
std::string SampleTerText();
std::string SampleTrkText();
std::string SampleScnText();

// Writes the whole track into folder (created when missing): Dunes.TER,
// Dunes.TRK, Dunes.SCN, every piece file set through the skeleton at
// skeletonPath, and the textures.
Outcome WriteSampleTrack(const std::string& folder, const std::string& skeletonPath);

}  // namespace gw
