// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/terrain/TerrainRelief.h"

namespace gw {
namespace {

TEST(TerrainRelief, TheRampRunsFromBlueThroughGreenToRed) {
    const std::tuple<double, double, double, RampColour> cases[] = {
        {0, 0, 10, {175, 175, 255}},  {10, 0, 10, {255, 175, 175}}, {5, 0, 10, {175, 255, 175}},
        {-3, 0, 10, {175, 175, 255}}, {4, 4, 4, {175, 255, 175}},   {1, 0, HUGE_VAL, {175, 255, 175}}};
    for (const auto& [value, lowest, highest, colour] : cases)
        EXPECT_EQ(HeightRampColour(value, lowest, highest), colour) << value << " in " << lowest;
}

TEST(TerrainRelief, TilesCountFromTheNorthWest) {
    const std::pair<int, int> columns[] = {{0, 1}, {15, 1}, {16, 2}, {240, 16}, {256, 16}};
    for (const auto& [x, tile] : columns) EXPECT_EQ(TileOfX(x), tile) << x;
    const std::pair<int, int> rows[] = {{256, 1}, {240, 1}, {239, 2}, {16, 15}, {0, 16}};
    for (const auto& [y, tile] : rows) EXPECT_EQ(TileOfY(y), tile) << y;
    for (int tile = 1; tile <= 16; ++tile) {
        EXPECT_EQ(TileOfX(TileFirstX(tile)), tile);
        EXPECT_EQ(TileOfY(TileFirstY(tile)), tile);
    }
}

TEST(TerrainRelief, NorthIsUpAndSlopesFacingTheLightAreBrighter) {
    NationalGrid flat;
    flat.values.assign(flat.values.size(), 3.0);
    const TerrainRelief even = RenderTerrainRelief(flat);
    ASSERT_EQ(std::pair(even.image.width(), even.image.height()), std::pair(257, 257));
    EXPECT_EQ(std::pair(even.lowest, even.highest), std::pair(3.0, 3.0));
    for (int i = 0; i < 257; i += 64) EXPECT_EQ(even.image.Rgb(i, 256 - i), 0xAFFFAFu) << i;

    // A ridge along x = 128 rising to 10: its west face looks north-west, into the light.
    NationalGrid ridge;
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x) ridge.At(x, y) = 10.0 - std::abs(x - 128) / 12.8;
    ridge.At(0, 256) = 0;  // the north-west corner, the top-left pixel
    const TerrainRelief lit = RenderTerrainRelief(ridge);
    EXPECT_EQ(std::pair(lit.lowest, lit.highest), std::pair(0.0, 10.0));
    const RgbImage& image = lit.image;
    EXPECT_EQ(image.Pixel(0, 0)[2] > image.Pixel(0, 0)[0], true) << "the lowest height is blue";
    const int west = image.Pixel(100, 128)[1], east = image.Pixel(156, 128)[1];
    EXPECT_GT(west, east);

    // A plane rising northward by 0.1: the top row is the highest (red), shaded for a slope of 0.2.
    NationalGrid plane;
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x) plane.At(x, y) = y / 10.0;
    EXPECT_EQ(RenderTerrainRelief(plane).image.Rgb(128, 0), 0xD79393u);  // red x 0.842
}

}  // namespace
}  // namespace gw
