// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terrain/TerrainRelief.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gw {

namespace {

constexpr int kTileCells = 16;
constexpr int kTiles = 16;
constexpr int kRampSteps = 256;

// Light from the north-west, 45 degrees up: (-1, 1, sqrt 2) / 2 in (east,
// north, up). Slopes are drawn twice as steep as they are, so the low bumps
// of a track still show.
constexpr double kLightEast = -0.5;
constexpr double kLightNorth = 0.5;
constexpr double kLightUp = 0.70710678118654752;
constexpr double kExaggeration = 2.0;
constexpr double kDarkest = 0.3;
constexpr double kBrightest = 1.35;

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0))); }

}  // namespace

RampColour HeightRampColour(double value, double lowest, double highest) {
    const double span = highest - lowest;
    double t = span > 0 && std::isfinite(span) ? (value - lowest) / span : 0.5;
    if (!std::isfinite(t)) t = 0.5;
    // HSV to RGB at hue 240 (1 - t), saturation 80 / 255, value 255.
    const double hue = 240.0 * (1.0 - std::clamp(t, 0.0, 1.0)) / 60.0;
    const double chroma = 255.0 * 80.0 / 255.0;
    const double second = chroma * (1.0 - std::fabs(std::fmod(hue, 2.0) - 1.0));
    const double base = 255.0 - chroma;
    double r = 0, g = 0, b = 0;
    switch (std::min(static_cast<int>(hue), 5)) {
        case 0: r = chroma, g = second; break;
        case 1: r = second, g = chroma; break;
        case 2: g = chroma, b = second; break;
        case 3: g = second, b = chroma; break;
        case 4: r = second, b = chroma; break;
        default: r = chroma, b = second; break;
    }
    return {Channel(r + base), Channel(g + base), Channel(b + base)};
}

TerrainRelief RenderTerrainRelief(const NationalGrid& grid) {
    constexpr int n = NationalGrid::kSize;
    TerrainRelief relief;
    relief.lowest = relief.highest = grid.values.empty() ? 0 : grid.values[0];
    for (double v : grid.values) {
        if (!std::isfinite(v)) continue;
        relief.lowest = std::min(relief.lowest, v);
        relief.highest = std::max(relief.highest, v);
    }
    if (!std::isfinite(relief.lowest) || !std::isfinite(relief.highest)) relief.lowest = relief.highest = 0;
    // The ramp once per picture, not once per height.
    std::array<RampColour, kRampSteps> ramp;
    for (int i = 0; i < kRampSteps; ++i) ramp[i] = HeightRampColour(i, 0, kRampSteps - 1);
    const double span = relief.highest - relief.lowest;
    const double toStep = span > 0 ? (kRampSteps - 1) / span : 0;
    const RampColour flat = HeightRampColour(0, 0, 0);

    relief.image.Create(n, n);
    for (int y = 0; y < n; ++y) {
        const int north = std::min(y + 1, n - 1), south = std::max(y - 1, 0);
        std::uint8_t* row = relief.image.Row(n - 1 - y);
        for (int x = 0; x < n; ++x) {
            const int east = std::min(x + 1, n - 1), west = std::max(x - 1, 0);
            const double z = grid.At(x, y);
            const double dzdx = kExaggeration * (grid.At(east, y) - grid.At(west, y)) / (east - west);
            const double dzdy = kExaggeration * (grid.At(x, north) - grid.At(x, south)) / (north - south);
            // The normal (-dz/dx, -dz/dy, 1) against the light, 1 on flat ground.
            const double facing = (-dzdx * kLightEast - dzdy * kLightNorth + kLightUp) /
                                  (kLightUp * std::sqrt(dzdx * dzdx + dzdy * dzdy + 1.0));
            const double shade = std::isfinite(facing) ? std::clamp(facing, kDarkest, kBrightest) : 1.0;
            const RampColour c = toStep > 0 && std::isfinite(z)
                                     ? ramp[static_cast<std::size_t>(std::clamp(
                                           static_cast<int>((z - relief.lowest) * toStep + 0.5), 0, kRampSteps - 1))]
                                     : flat;
            std::uint8_t* p = row + static_cast<std::size_t>(x) * RgbImage::kChannels;
            p[0] = Channel(c.red * shade);
            p[1] = Channel(c.green * shade);
            p[2] = Channel(c.blue * shade);
        }
    }
    return relief;
}

int TileOfX(int x) { return std::clamp(x / kTileCells, 0, kTiles - 1) + 1; }
int TileOfY(int y) { return kTiles - std::clamp(y / kTileCells, 0, kTiles - 1); }
int TileFirstX(int tileX) { return (tileX - 1) * kTileCells; }
int TileFirstY(int tileY) { return (kTiles - tileY) * kTileCells; }

}  // namespace gw
