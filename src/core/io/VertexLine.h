#pragma once
// The vertex lines of the ASC mesh files, track pieces and whole terrains alike:
//   Vertex 12:  X: 1.5  Y: 24  Z: 0.25
// Once its runs of blanks are collapsed, field 3 of such a line is X, field 5 is
// Y, field 6 the "Z:" label and field 7 Z. Readers take a vertex's X and Y to a
// grid cell and store its Z; writers copy a template's vertex line with the
// cell's height as its Z. What differs between the formats is the lattice.
#include <cstdint>
#include <string>
#include <string_view>

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

// True for a line a reader takes for a vertex line: it holds an "X:".
bool HasVertexCoordinates(std::string_view line);

// True for a template line a writer fills with a height: "Vertex" and "X:".
bool IsSkeletonVertexLine(std::string_view line);

VertexFields SplitVertexLine(std::string_view line);

// The numbers of a vertex line as typed numbers read (ValueOfText).
double VertexX(const VertexFields& fields);
double VertexY(const VertexFields& fields);
double VertexZ(const VertexFields& fields);

// The coordinate as a whole number of spacings from 0, the nearest one with a
// half going to the even neighbour; false for a coordinate that is no usable
// number (not finite, or too large for any grid).
bool LatticeSteps(const VertexLattice& lattice, double coordinate, std::int64_t& steps);

// The grid cell so many steps from the origin; false when it lies off the grid.
bool CellOfSteps(const VertexLattice& lattice, std::int64_t stepsX, std::int64_t stepsY, int& column, int& row);

// The grid cell of a vertex at (x, y); false when it is no usable number or lies
// off the grid.
bool CellOfVertex(const VertexLattice& lattice, double x, double y, int& column, int& row);

// Appends a template's vertex line with the height z written in: the line with
// its blanks collapsed and trimmed as far as its "Z:" label, then "Z: ", the
// padded number (PaddedNumberText) and CR LF.
void AppendVertexLine(std::string_view line, const VertexFields& fields, double z, std::string& out);

}  // namespace gw
