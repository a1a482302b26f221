// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Generates the skeleton meshes that the writers fill in: a square lattice of
// vertices with two triangles per cell, in the 3D-Studio ASCII layout the game
// reads. The 17 x 17 piece lattice runs from 0 to 24 at spacing 1.5; the 257 x 257
// terrain lattice from -128 to 128 at spacing 1.
#include <string>

namespace gw {

struct LatticeShape {
    int verticesPerSide;
    double spacing;
    double origin;  // X and Y of the first vertex
};

inline constexpr LatticeShape kPieceLattice{17, 1.5, 0.0};
inline constexpr LatticeShape kTerrainLattice{257, 1.0, -128.0};

// Vertices run row by row from the lowest Y, X rising within a row. CR LF ends.
std::string MakeSkeletonText(const LatticeShape& shape);

}  // namespace gw
