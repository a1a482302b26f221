// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dispmap/DisplacementMap.h"

#include <algorithm>

#include "core/dispmap/DisplacementMapTexts.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

std::uint8_t Grey(double z, double floor, double span) { return GreyByte(GreyOf(z, floor, span)); }

void ReportRow(StatusSink& status, double row) { status.Status(kStatusProcessingRow + PaddedNumberText(row)); }

double TerrainTop(const NationalGrid& grid, std::string_view maxZText) {
    double tallest = -1;
    for (double z : grid.values) {
        if (z > tallest) tallest = z;
    }
    const double maxZ = ValueOfText(maxZText);
    return maxZ > tallest ? maxZ : tallest;
}

// Shared start of the terrain maps: the scale and an image of size x size.
DisplacementMap StartTerrainMap(const NationalGrid& grid, std::string_view maxZText, int size, StatusSink& status) {
    status.Status(kStatusComputingMinMax);
    DisplacementMap map;
    map.floor = 0;
    map.top = TerrainTop(grid, maxZText);
    map.image.Create(size, size);
    status.Status(kStatusProcessing);
    return map;
}

}  // namespace

double GreyOf(double z, double floor, double span) {
    if (span == 0) span = 0.0000001;
    return RoundHalfEven((z - floor) / span * 256);
}

std::uint8_t GreyByte(double grey) {
    if (!(grey > 0)) return 0;
    if (grey >= 255) return 255;
    return static_cast<std::uint8_t>(grey);
}

DisplacementMap MakeDisplacementMap17(const PieceGrid& grid, StatusSink& status) {
    status.Status(kStatusComputingMinMax);
    double lowest = 256;
    double highest = -1;
    for (int r = PieceGrid::kFirst; r <= PieceGrid::kLast; ++r) {
        for (int c = PieceGrid::kFirst; c <= PieceGrid::kLast; ++c) {
            const double z = grid.Z(c, r);
            if (z < lowest) lowest = z;
            if (z > highest) highest = z;
        }
    }
    DisplacementMap map;
    map.floor = lowest;
    map.top = highest;
    const double span = highest - lowest;

    status.Status(kStatusProcessing);
    map.preview.Create(17, 17);
    for (int r = PieceGrid::kLast; r >= PieceGrid::kFirst; --r) {
        for (int c = PieceGrid::kFirst; c <= PieceGrid::kLast; ++c) {
            map.preview.SetGrey(c - 1, r - 1, Grey(grid.Z(c, r), lowest, span));
        }
        ReportRow(status, r);
    }
    // The file holds the top-left 16 x 16: one pixel per cell of the piece.
    map.image.Create(16, 16);
    for (int y = 0; y < 16; ++y) {
        std::copy_n(map.preview.Row(y), map.image.rowBytes(), map.image.Row(y));
    }
    return map;
}

DisplacementMap MakeDisplacementMap257(const NationalGrid& grid, std::string_view maxZText, StatusSink& status) {
    constexpr int kLast = NationalGrid::kSize - 1;
    DisplacementMap map = StartTerrainMap(grid, maxZText, NationalGrid::kSize, status);
    for (int y = 0; y <= kLast; ++y) {
        for (int x = 0; x <= kLast; ++x) map.image.SetGrey(x, kLast - y, Grey(grid.At(x, y), 0, map.top));
        ReportRow(status, y - 128);
    }
    map.preview = map.image;
    return map;
}

DisplacementMap MakeDisplacementMap513(const NationalGrid& grid, std::string_view maxZText, StatusSink& status) {
    constexpr int kLast = NationalGrid::kSize - 1;
    constexpr int kSize = 2 * kLast + 1;
    DisplacementMap map = StartTerrainMap(grid, maxZText, kSize, status);
    const double top = map.top;
    RgbImage& image = map.image;
    for (int y = 0; y <= kLast; ++y) {
        for (int x = 0; x <= kLast; ++x) {
            const double z = grid.At(x, y);
            const std::uint8_t g = Grey(z, 0, top);
            const int px = 2 * x;
            const int py = 2 * (kLast - y);
            image.SetGrey(px, py, g);
            if (x == kLast || y == 0) {
                // The in-between pixels past the last column and row fall outside
                // the picture; those inside repeat the sample.
                if (image.Contains(px + 1, py)) image.SetGrey(px + 1, py, g);
                if (image.Contains(px, py + 1)) image.SetGrey(px, py + 1, g);
                continue;
            }
            image.SetGrey(px + 1, py, Grey((z + grid.At(x + 1, y)) / 2, 0, top));
            image.SetGrey(px, py + 1, Grey((z + grid.At(x, y - 1)) / 2, 0, top));
            image.SetGrey(px + 1, py + 1, Grey((z + grid.At(x + 1, y - 1)) / 2, 0, top));
        }
        ReportRow(status, y - 128);
    }
    map.preview = map.image;
    return map;
}

std::string DispMapDoneText(double top) { return kStatusDispMapDone + PaddedNumberText(top); }

std::string DispMapSavedText(double top, const std::string& path) {
    return DispMapDoneText(top) + kStatusSavedAs + path;
}

}  // namespace gw
