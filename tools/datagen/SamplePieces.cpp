// SPDX-License-Identifier: GPL-3.0-or-later
#include "datagen/SamplePieces.h"

#include "core/io/Paths.h"

#include <algorithm>
#include <cmath>

namespace gw {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A tabletop across the piece: a take-off ramp, a flat top and a longer landing,
// level with the ground at both ends.
double Tabletop(int j) {
    if (j <= 3) return 0.0;
    if (j <= 6) return (j - 3) * 1.5;
    if (j <= 10) return 4.5;
    if (j <= 14) return 4.5 - (j - 10) * 1.125;
    return 0.0;
}

// Four rollers, each four lattice rows long, the same from either end.
double Whoops(int j) {
    const double s = std::sin(kPi * j / 4.0);
    return 1.2 * s * s;
}

// A bank that rises with the distance from the south-east corner, round which
// the rider turns; the outside of the turn stays high up to the piece's edges.
double Berm(int i, int j) {
    const double r = std::hypot(16.0 - i, static_cast<double>(j));
    return std::clamp((r - 8.0) * 0.6, 0.0, 3.6);
}

// A steep face up to a plateau and a gentle way down.
double StepUp(int j) {
    if (j <= 5) return 0.0;
    if (j <= 8) return (j - 5) * 1.0;
    if (j <= 13) return 3.0;
    return 3.0 - (j - 13) * 1.0;
}

// Two jumps with a gap: a take-off whose lip is at row 4, then a landing.
double Double(int j) {
    if (j <= 1) return 0.0;
    if (j <= 4) return (j - 1) * 1.0;
    if (j <= 8) return 0.0;
    if (j == 9) return 1.5;
    if (j <= 12) return 3.0 - (j - 10) * 1.0;
    return 0.0;
}

}  // namespace

double SamplePieceHeight(SamplePiece piece, int i, int j) {
    switch (piece) {
        case SamplePiece::Flat: return 0.0;
        case SamplePiece::Tabletop: return Tabletop(j);
        case SamplePiece::Whoops: return Whoops(j);
        case SamplePiece::Berm: return Berm(i, j);
        case SamplePiece::StepUp: return StepUp(j);
        case SamplePiece::Double: return Double(j);
    }
    return 0.0;
}

PieceGrid MakeSamplePiece(SamplePiece piece) {
    PieceGrid grid;
    for (int j = 0; j <= 16; ++j) {
        for (int i = 0; i <= 16; ++i) {
            grid.Z(i + 1, 17 - j) = std::round(SamplePieceHeight(piece, i, j) * 100.0) / 100.0;
        }
    }
    return grid;
}

std::string SamplePieceName(SamplePiece piece) {
    switch (piece) {
        case SamplePiece::Flat: return "Flat";
        case SamplePiece::Tabletop: return "TableTop";
        case SamplePiece::Whoops: return "Whoops";
        case SamplePiece::Berm: return "Berm";
        case SamplePiece::StepUp: return "StepUp";
        case SamplePiece::Double: return "Double";
    }
    return "Flat";
}

PieceSetKind SamplePieceKind(SamplePiece piece) {
    if (piece == SamplePiece::Flat) return PieceSetKind::NSEW;
    if (piece == SamplePiece::Whoops) return PieceSetKind::NS;
    return PieceSetKind::N;
}

std::string SamplePieceFileName(SamplePiece piece, int orientation) {
    const std::vector<PieceSetFile> files = PieceSetFiles({"", SamplePieceName(piece), "asc", SamplePieceKind(piece)});
    const std::size_t index = static_cast<std::size_t>(((orientation % 4) + 4) % 4) % files.size();
    return SamplePieceName(piece) + files[index].suffix + ".asc";
}

}  // namespace gw
