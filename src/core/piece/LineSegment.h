// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A straight line between two points of a picture, in the picture's own drawing
// units. The core computes them; the windows only paint them.
namespace gw {

struct LineSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const LineSegment&) const = default;
};

}  // namespace gw
