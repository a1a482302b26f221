// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 3D view's wireframe as a pure computation: the piece's footprint square and
// its 17 x 17 mesh, turned by three angles and seen in perspective from a
// distance. The window sets its coordinate system to the area and paints the lines.
#include <array>
#include <string>
#include <vector>

#include "core/piece/LineSegment.h"
#include "core/piece/PieceGrid.h"

namespace gw {

// Angles arrive in degrees and turn into radians with this factor, 3.14159 as pi.
inline constexpr double kDegreesToRadians = 3.14159 / 180;
inline constexpr double kFocalLength = 100;

// The zoom bar runs from 60 to 140; the distance is the bar read backwards, so
// pushing the thumb to the maximum brings the viewer closest.
inline constexpr int kZoomMinimum = 60;
inline constexpr int kZoomMaximum = 140;
inline constexpr int ViewDistanceOfZoom(int zoomValue) { return kZoomMaximum - zoomValue + kZoomMinimum; }

struct ProjectedPoint {
    double x = 0, y = 0;
    bool valid = true;  // false when the point could not be projected
};

// The picture's coordinate system: x from left to left + width, y from top
// (upward on screen) to top + height, y growing downward.
struct ViewArea {
    double left = 0, top = 0, width = 0, height = 0;
};

struct Wireframe {
    double heightSpan = 12;
    ViewArea area;
    std::array<ProjectedPoint, 4> base{};
    std::array<ProjectedPoint, 17 * 17> mesh{};  // vertex (i, j) at j * 17 + i
    // 4 base lines then, row by row, each vertex's line to its right neighbour and
    // to the vertex of the row before; 548 when every point could be projected.
    std::vector<LineSegment> lines;
    // Empty, or the text of the "Error in Display3D " message box; the lines that
    // touch an unprojectable point are left out.
    std::string errorMessage;

    const ProjectedPoint& Vertex(int i, int j) const { return mesh[static_cast<std::size_t>(j * 17 + i)]; }
};

// Vertex (i, j), i and j 0..16, starts at x = i - 8, y = j - 8, z = Z(i + 1, j + 1):
// grid row 1 lies at y = -8, the top of the picture.
Wireframe ProjectWireframe(const PieceGrid& grid, double xAngle, double yAngle, double zAngle, double viewDistance);

// "Error in Display3D ", two line breaks, the description, " - Err(", the number
// with a blank in front, ")".
std::string Display3DErrorMessage(const std::string& description, int number);

}  // namespace gw
