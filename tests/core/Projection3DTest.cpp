// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "core/piece/Projection3D.h"

namespace gw {
namespace {

constexpr double kTolerance = 1e-9;

void ExpectAt(const ProjectedPoint& point, double x, double y) {
    EXPECT_NEAR(point.x, x, kTolerance);
    EXPECT_NEAR(point.y, y, kTolerance);
}

TEST(Projection3D, FlatPieceSeenStraightOnIsASquareLatticeWithRowOneAtTheTop) {
    const Wireframe frame = ProjectWireframe(PieceGrid{}, 0, 0, 0, 100);
    EXPECT_TRUE(frame.errorMessage.empty());
    for (int j = 0; j < 17; ++j)  // grid row j + 1; y grows downward
        for (int i = 0; i < 17; ++i)
            EXPECT_EQ(std::pair(frame.Vertex(i, j).x, frame.Vertex(i, j).y), std::pair(i - 8.0, j - 8.0));
    ASSERT_EQ(frame.lines.size(), 548u);
    // The footprint lies a thousandth above the ground, a hair nearer the viewer.
    const double corner = 8 * 100 / (100 - 0.001);
    for (const auto& [end, at] : {std::pair{frame.lines[0].x1, -corner},
                                  {frame.lines[0].y1, -corner},
                                  {frame.lines[0].x2, corner},
                                  {frame.lines[2].x2, -corner},
                                  {frame.lines[3].y2, -corner}})
        EXPECT_NEAR(end, at, kTolerance);
    // Row 0: sixteen lines to the right; row 1: each vertex's line right, then up; (16, 1) only up.
    const std::pair<int, LineSegment> lines[] = {{4, {-8, -8, -7, -8}},  {19, {7, -8, 8, -8}},   {20, {-8, -7, -7, -7}},
                                                 {21, {-8, -7, -8, -8}}, {22, {-7, -7, -6, -7}}, {52, {8, -7, 8, -8}},
                                                 {547, {8, 8, 8, 7}}};
    for (const auto& [index, line] : lines) EXPECT_EQ(frame.lines[index], line) << index;
}

TEST(Projection3D, HeightSpanAndVisibleArea) {
    for (const auto& [highest, span] : {std::pair{0.0, 12.0}, {-5.0, 12.0}, {11.5, 12.0}, {20.0, 20.0}}) {
        PieceGrid grid;
        grid.values.fill(-3);
        grid.Z(17, 17) = highest;
        grid.Z(0, 0) = 1000;  // the rim is not part of the piece
        const Wireframe frame = ProjectWireframe(grid, 60, 0, 0, 100);
        EXPECT_EQ(frame.heightSpan, span);
        EXPECT_DOUBLE_EQ(frame.area.left, -span);
        EXPECT_DOUBLE_EQ(frame.area.top, -1.2 * span);
        EXPECT_DOUBLE_EQ(frame.area.width, 2 * span);
        EXPECT_DOUBLE_EQ(frame.area.height, 2 * span);
    }
    const Wireframe flat = ProjectWireframe(PieceGrid{}, 0, 0, 0, 100);
    EXPECT_DOUBLE_EQ(flat.area.top, -14.4);
    EXPECT_DOUBLE_EQ(flat.area.top + flat.area.height, 9.6);
}

TEST(Projection3D, InitialViewTiltsThePieceAndLiftsHigherCells) {
    PieceGrid grid;
    grid.Z(9, 9) = 10;  // vertex (8, 8), the centre
    const Wireframe frame = ProjectWireframe(grid, 60, 0, 0, 100);
    // Worked by hand with 60 x 3.14159 / 180 as the angle: the centre at height
    // 10 turns to y' = -10 sin, z' = 10 cos and is drawn at 100 y' / (100 - z').
    ExpectAt(frame.Vertex(8, 8), 0, -9.116052961583122);  // with the precise pi y would be -9.116056881941459
    ExpectAt(frame.Vertex(0, 0), -7.481655936443378, -3.7408336993586384);
    ExpectAt(frame.Vertex(16, 16), 8.595514402363522, 4.29776378556236);
    ExpectAt(frame.base[0], -7.481690921145285, -3.7416611081229023);
    // The same cell at ground level is drawn lower down the screen.
    EXPECT_GT(ProjectWireframe(PieceGrid{}, 60, 0, 0, 100).Vertex(8, 8).y, frame.Vertex(8, 8).y);
}

TEST(Projection3D, TurnsAboutZThenYThenX) {
    PieceGrid grid;
    grid.Z(12, 4) = 4;  // vertex (11, 3): x 3, y -5, z 4
    ExpectAt(ProjectWireframe(grid, 30, 20, 45, 80).Vertex(11, 3), 8.4468564448706, -2.700396229271536);
}

TEST(Projection3D, ZoomBarReadsBackwards) {
    EXPECT_EQ(ViewDistanceOfZoom(100), 100);
    EXPECT_EQ(ViewDistanceOfZoom(140), 60);
    EXPECT_EQ(ViewDistanceOfZoom(60), 140);
    EXPECT_GT(ProjectWireframe(PieceGrid{}, 60, 0, 0, 60).Vertex(16, 16).x,
              ProjectWireframe(PieceGrid{}, 60, 0, 0, 100).Vertex(16, 16).x);
}

bool AllFinite(const Wireframe& frame) {
    for (const LineSegment& line : frame.lines)
        if (!std::isfinite(line.x1) || !std::isfinite(line.y1) || !std::isfinite(line.x2) || !std::isfinite(line.y2))
            return false;
    return true;
}

TEST(Projection3D, APointAtTheViewersDistanceOrTooHighIsReportedAndLeftOut) {
    PieceGrid grid;
    grid.Z(9, 9) = 100;  // rotated z equals the distance
    const Wireframe frame = ProjectWireframe(grid, 0, 0, 0, 100);
    EXPECT_EQ(frame.errorMessage, "Error in Display3D \n\nDivision by zero - Err( 11)");
    EXPECT_FALSE(frame.Vertex(8, 8).valid);
    EXPECT_EQ(frame.lines.size(), 548u - 4u);  // an inner vertex has four lines
    EXPECT_TRUE(AllFinite(frame));

    grid.Z(1, 1) = 100;  // a corner has two
    EXPECT_EQ(ProjectWireframe(grid, 0, 0, 0, 100).lines.size(), 548u - 6u);
    PieceGrid huge;
    huge.Z(17, 1) = 1e308;
    const Wireframe overflow = ProjectWireframe(huge, 60, 0, 0, 100);
    EXPECT_EQ(overflow.errorMessage, "Error in Display3D \n\nOverflow - Err( 6)");
    EXPECT_EQ(overflow.lines.size(), 548u - 2u);
    EXPECT_TRUE(AllFinite(overflow));
    EXPECT_EQ(overflow.heightSpan, 1e308);
}

}  // namespace
}  // namespace gw
