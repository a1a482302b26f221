// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/Projection3D.h"

#include <algorithm>
#include <cmath>

namespace gw {

namespace {

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct Turn {
    double c = 1, s = 0;
    explicit Turn(double degrees)
        : c(std::cos(degrees * kDegreesToRadians)), s(std::sin(degrees * kDegreesToRadians)) {}
};

// The two reasons a point cannot be projected, numbered as the runtime numbers them.
enum class ProjectionFault { None, DivisionByZero, Overflow };

struct Camera {
    Turn aboutX, aboutY, aboutZ;
    double distance;

    ProjectionFault Project(Point3 p, ProjectedPoint& out) const {
        Point3 q = p;
        q.x = aboutZ.c * p.x - aboutZ.s * p.y;
        q.y = aboutZ.c * p.y + aboutZ.s * p.x;
        p = q;
        q.z = aboutY.c * p.z - aboutY.s * p.x;
        q.x = aboutY.c * p.x + aboutY.s * p.z;
        p = q;
        q.y = aboutX.c * p.y - aboutX.s * p.z;
        q.z = aboutX.c * p.z + aboutX.s * p.y;
        const double depth = distance - q.z;
        if (depth == 0) return ProjectionFault::DivisionByZero;
        out.x = q.x * kFocalLength / depth;
        out.y = q.y * kFocalLength / depth;
        if (!std::isfinite(out.x) || !std::isfinite(out.y)) return ProjectionFault::Overflow;
        return ProjectionFault::None;
    }
};

void AddLine(Wireframe& frame, const ProjectedPoint& from, const ProjectedPoint& to) {
    if (from.valid && to.valid) frame.lines.push_back({from.x, from.y, to.x, to.y});
}

}  // namespace

std::string Display3DErrorMessage(const std::string& description, int number) {
    return "Error in Display3D \n\n" + description + " - Err( " + std::to_string(number) + ")";
}

Wireframe ProjectWireframe(const PieceGrid& grid, double xAngle, double yAngle, double zAngle, double viewDistance) {
    Wireframe frame;
    double span = 0;
    for (int j = 0; j < 17; ++j)
        for (int i = 0; i < 17; ++i) span = std::max(span, grid.Z(i + 1, j + 1));
    frame.heightSpan = std::max(span, 12.0);
    const double h = frame.heightSpan;
    frame.area = ViewArea{-h, -h - 0.2 * h, 2 * h, 2 * h};

    const Camera camera{Turn(xAngle), Turn(yAngle), Turn(zAngle), viewDistance};
    ProjectionFault firstFault = ProjectionFault::None;
    auto project = [&](const Point3& p, ProjectedPoint& out) {
        const ProjectionFault fault = camera.Project(p, out);
        if (fault == ProjectionFault::None) return;
        out = ProjectedPoint{0, 0, false};
        if (firstFault == ProjectionFault::None) firstFault = fault;
    };
    static constexpr Point3 kBase[4] = {{-8, -8, 0.001}, {8, -8, 0.001}, {8, 8, 0.001}, {-8, 8, 0.001}};
    for (std::size_t b = 0; b < 4; ++b) project(kBase[b], frame.base[b]);
    for (int j = 0; j < 17; ++j) {
        for (int i = 0; i < 17; ++i) {
            project(Point3{i - 8.0, j - 8.0, grid.Z(i + 1, j + 1)}, frame.mesh[static_cast<std::size_t>(j * 17 + i)]);
        }
    }

    frame.lines.reserve(4 + 2 * 16 * 17);
    for (std::size_t b = 0; b < 4; ++b) AddLine(frame, frame.base[b], frame.base[(b + 1) % 4]);
    for (int j = 0; j < 17; ++j) {
        for (int i = 0; i < 17; ++i) {
            if (i < 16) AddLine(frame, frame.Vertex(i, j), frame.Vertex(i + 1, j));
            if (j > 0) AddLine(frame, frame.Vertex(i, j), frame.Vertex(i, j - 1));
        }
    }

    if (firstFault == ProjectionFault::DivisionByZero)
        frame.errorMessage = Display3DErrorMessage("Division by zero", 11);
    if (firstFault == ProjectionFault::Overflow) frame.errorMessage = Display3DErrorMessage("Overflow", 6);
    return frame;
}

}  // namespace gw
