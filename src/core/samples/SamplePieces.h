// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The track pieces of the bundled sample track: a handful of shapes a modder
// would build, each a 17 x 17 height field on the piece lattice.
#include <string>

#include "core/piece/PieceGrid.h"
#include "core/piece/PieceSet.h"

namespace gw {

enum class SamplePiece { Flat, Tabletop, Whoops, Berm, StepUp, Double };

inline constexpr SamplePiece kSamplePieces[] = {SamplePiece::Flat, SamplePiece::Tabletop, SamplePiece::Whoops,
                                                SamplePiece::Berm, SamplePiece::StepUp,   SamplePiece::Double};

// Height at lattice position (i across from the west edge, j up from the south
// edge, both 0..16) of the north file of the piece. A piece is ridden from its
// south edge to its north edge; the berm turns the rider from northbound to
// eastbound around the piece's south-east corner.
double SamplePieceHeight(SamplePiece piece, int i, int j);

// The north file's grid, heights rounded to hundredths the way a modder types them.
PieceGrid MakeSamplePiece(SamplePiece piece);

// The file-set name ("TableTop") and kind: the flat piece is one NSEW file, the
// whoops (the same seen from north and south) an NS and an EW file, the others
// four files N, W, S, E.
std::string SamplePieceName(SamplePiece piece);
PieceSetKind SamplePieceKind(SamplePiece piece);

// The file of the set that holds the piece turned by orientation quarter turns
// counter-clockwise (0..3): "TableTopW.asc" for 1.
std::string SamplePieceFileName(SamplePiece piece, int orientation);

}  // namespace gw
