// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole SX track into the terrain: the 256 pieces its .TER names,
// each added at its place with the conversion's Z base and Z scale.
#include <string>
#include <vector>

#include "core/Interfaces.h"
#include "core/Outcome.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

inline constexpr int kTrackPieces = 256;

struct PieceNotAdded {
    int number = 0;      // n of its ElevationFile_n section
    std::string name;    // ElevationPath + Name, as the .TER gives it
    std::string reason;  // why it was not added
};

struct NationalBuild {
    // The .TER itself could not be read: nothing was added.
    Outcome terRead = Outcome::Ok();
    int piecesAdded = 0;
    // Pieces that were not added: a missing section or a file that cannot be
    // read leaves its place in the grid as it was.
    std::vector<PieceNotAdded> notAdded;
    // Vertex lines of piece files that named no cell of the piece (skipped).
    long long vertexProblems = 0;
    // Terrain cells whose new height overflowed (an absurd Z base or scale);
    // they kept their height.
    long long cellsNotFinite = 0;
    // Pieces read but placed wholly off the terrain by their BaseX and BaseY.
    int piecesOffTerrain = 0;
    // Piece files without a single vertex line (their pieces were added flat),
    // each named once.
    std::vector<std::string> filesWithoutVertices;

    bool ok() const { return terRead.ok() && notAdded.empty(); }
};

// For n from 1 to 256 reads section "ElevationFile_n" of the .TER: the piece
// file ElevationPath + Name and its lower-left corner BaseX, BaseY (0..240,
// rounded), and adds the piece onto the grid at terrain offset (BaseX - 128,
// BaseY - 128), lifted by zBaseText and scaled by zScaleText as typed. Each
// cell becomes its previous value + Z base + Z scale x the piece's height; the
// pieces at BaseX 240 (BaseY 240) set the grid's last column (row) to Z base.
// The grid is not cleared first.
//
// The .TER is read once. A piece file is looked for as written, then beside
// the .TER in any letter case (the game writes Windows paths); a file named
// more than once is read once. The status shows the piece number and the name
// as the .TER gives it before each piece.
NationalBuild BuildNationalFromTer(const std::string& terFile, const std::string& zBaseText,
                                   const std::string& zScaleText, NationalGrid& grid, StatusSink& status);

// The piece files of the .TER's ElevationFile sections, found as
// BuildNationalFromTer finds them; only those that exist.
std::vector<std::string> TrackPieceFiles(const std::string& terFile);

// The pieces that were not added, one line each ("Piece 7 C:\...\bumpN.asc:
// reason"), at most maxLines of them and a last line counting the rest; plus a
// line counting skipped vertices and one counting cells that kept their height.
// Empty when there is nothing to say.
std::string NationalBuildProblemsText(const NationalBuild& build, std::size_t maxLines = 20);

}  // namespace gw
