// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vertex lines of the ASC mesh files, track pieces and whole terrains alike:
//   Vertex 12:  X: 1.5  Y: 24  Z: 0.25
// Once its runs of blanks are collapsed, field 3 of such a line is X, field 5 is
// Y, field 6 the "Z:" label and field 7 Z. Readers take a vertex's X and Y to a
// grid cell and store its Z; writers copy a template's vertex line with the
// cell's height as its Z. What differs between the formats is the lattice.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/FastNumbers.h"

namespace gw {

// Where a format's vertices lie and how they are numbered in its grid.
struct VertexLattice {
    double spacing;    // between neighbouring vertices, along X and Y
    bool mirrored;     // the signs of X and Y are ignored (a piece lies in one quadrant)
    int columnOfZero;  // the grid column of X = 0
    int rowOfZero;     // the grid row of Y = 0
    int rowStep;       // +1 when rows grow with Y, -1 when they count down from the top
    int size;          // grid indices run from 0 to size - 1 both ways
};

// The first eight runs of non-blank characters of a line, found without
// copying; missing fields stay empty.
struct VertexFields {
    std::string_view field[8];
};

// The routines below run for every line of a file (66,049 vertices of a
// terrain), so they are defined here, where the readers and writers can inline
// them.

// True for a line a reader takes for a vertex line: it holds an "X:".
inline bool HasVertexCoordinates(std::string_view line) { return line.find("X:") != std::string_view::npos; }

// True for a template line a writer fills with a height: "Vertex" and "X:".
inline bool IsSkeletonVertexLine(std::string_view line) {
    return line.find("Vertex") != std::string_view::npos && HasVertexCoordinates(line);
}

inline VertexFields SplitVertexLine(std::string_view line) {
    VertexFields fields;
    const char* at = line.data();
    const char* const end = at + line.size();
    for (std::string_view& field : fields.field) {
        while (at < end && *at == ' ') ++at;
        if (at == end) break;
        const char* const start = at;
        while (at < end && *at != ' ') ++at;
        field = std::string_view(start, static_cast<std::size_t>(at - start));
    }
    return fields;
}

// Nearest whole number, a half going to the even neighbour: RoundHalfEven
// without its fmod.
inline double NearestHalfEven(double v) {
    const double r = std::round(v);
    return std::fabs(r - v) == 0.5 ? 2.0 * std::round(v / 2.0) : r;
}

// The numbers of a vertex line as typed numbers read (ValueOfText).
inline double VertexX(const VertexFields& fields) { return ValueOfField(fields.field[3]); }
inline double VertexY(const VertexFields& fields) { return ValueOfField(fields.field[5]); }
inline double VertexZ(const VertexFields& fields) { return ValueOfField(fields.field[7]); }

// The coordinate as a whole number of spacings from 0, the nearest one with a
// half going to the even neighbour; false for a coordinate that is no usable
// number (not finite, or too large for any grid).
inline bool LatticeSteps(const VertexLattice& lattice, double coordinate, std::int64_t& steps) {
    const double rounded = NearestHalfEven((lattice.mirrored ? std::fabs(coordinate) : coordinate) / lattice.spacing);
    // 2^62 keeps the offsets of CellOfSteps inside int64; written so that NaN fails too.
    constexpr double limit = 4611686018427387904.0;
    if (!(rounded < limit && rounded > -limit)) return false;
    steps = static_cast<std::int64_t>(rounded);
    return true;
}

// The grid cell so many steps from the origin; false when it lies off the grid.
inline bool CellOfSteps(const VertexLattice& lattice, std::int64_t stepsX, std::int64_t stepsY, int& column, int& row) {
    const std::int64_t c = lattice.columnOfZero + stepsX;
    const std::int64_t r = lattice.rowOfZero + lattice.rowStep * stepsY;
    if (c < 0 || c >= lattice.size || r < 0 || r >= lattice.size) return false;
    column = static_cast<int>(c);
    row = static_cast<int>(r);
    return true;
}

// The grid cell of a vertex at (x, y); false when it is no usable number or
// lies off the grid.
inline bool CellOfVertex(const VertexLattice& lattice, double x, double y, int& column, int& row) {
    std::int64_t stepsX = 0, stepsY = 0;
    return LatticeSteps(lattice, x, stepsX) && LatticeSteps(lattice, y, stepsY) &&
           CellOfSteps(lattice, stepsX, stepsY, column, row);
}

// Appends a template's vertex line with the height z written in: the line with
// its blanks collapsed and trimmed as far as its "Z:" label, then "Z: ", the
// padded number (PaddedNumberText) and CR LF.
void AppendVertexLine(std::string_view line, const VertexFields& fields, double z, std::string& out);

}  // namespace gw
