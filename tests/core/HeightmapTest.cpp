// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>

#include "core/dispmap/DisplacementMap.h"
#include "core/heightmap/HeightmapFile.h"
#include "core/heightmap/HeightmapGrid.h"
#include "support/CaseTable.h"
#include "support/NumberedGrid.h"
#include "support/ReferenceImage.h"
#include "support/SlantedTerrain.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// Half of one 16-bit step of the range, with room for the last bit of a double.
double HalfStep(const HeightRange& heights) { return (heights.highest - heights.lowest) / 65535 / 2 * (1 + 1e-12); }

double LargestDifference(const PieceGrid& a, const PieceGrid& b) {
    double largest = 0;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) largest = std::max(largest, std::abs(a.Z(c, r) - b.Z(c, r)));
    return largest;
}

double LargestDifference(const NationalGrid& a, const NationalGrid& b) {
    double largest = 0;
    for (std::size_t i = 0; i < a.values.size(); ++i) largest = std::max(largest, std::abs(a.values[i] - b.values[i]));
    return largest;
}

PieceGrid FlatPiece(double height) {
    PieceGrid grid;
    grid.values.fill(height);
    return grid;
}

TEST(Heightmap, RoundTripsThroughPngAndRawFilesAreExactToHalfAStep) {
    test::TempDir dir;
    const PieceGrid numbered = test::NumberedGrid();
    const PieceGrid flat = FlatPiece(5.25);
    const NationalGrid slanted = test::SlantedTerrain();
    // No piece: the terrain.
    const std::tuple<const char*, const PieceGrid*> cases[] = {{"piece.png", &numbered},
                                                               {"piece.r16", &numbered},
                                                               {"flat.png", &flat},
                                                               {"terrain.png", nullptr},
                                                               {"terrain.RAW", nullptr}};
    for (const auto& [file, piece] : cases) {
        SCOPED_TRACE(file);
        const std::string path = dir.File(file);
        const HeightmapExport exported = piece ? PieceHeightmap(*piece) : TerrainHeightmap(slanted);
        ASSERT_TRUE(WriteHeightmapFile(path, exported.map, exported.heights));
        const HeightmapRead read = ReadHeightmapFile(path);
        ASSERT_TRUE(read.outcome) << read.outcome.message();
        EXPECT_EQ(read.map, exported.map);
        EXPECT_EQ(read.note, "");
        // A PNG brings its heights back exactly; a raw file is told them.
        const bool png = HeightmapFormatOf(path) == HeightmapFormat::Png;
        ASSERT_EQ(read.recorded.has_value(), png);
        const GivenHeights given =
            png ? GivenHeights{} : GivenHeights{exported.heights.lowest, exported.heights.highest};
        const HeightRange heights = ImportHeights(given, read.recorded);
        EXPECT_EQ(heights.lowest, exported.heights.lowest);
        EXPECT_EQ(heights.highest, exported.heights.highest);
        if (piece) {
            PieceGrid back = FlatPiece(-1);
            ASSERT_TRUE(PieceFromHeightmap(read.map, heights, back));
            EXPECT_LE(LargestDifference(back, *piece), HalfStep(heights));
            EXPECT_EQ(back.Z(0, 0), -1);  // the rim is not the picture's
        } else {
            NationalGrid back;
            ASSERT_TRUE(TerrainFromHeightmap(read.map, heights, back));
            EXPECT_LE(LargestDifference(back, slanted), HalfStep(heights));
            EXPECT_EQ(back.At(0, 0), 0);         // black is the lowest height exactly
            EXPECT_EQ(back.At(256, 256), 1024);  // white the highest
        }
    }
    EXPECT_EQ(PieceHeightmap(flat).map.samples, std::vector<std::uint16_t>(17 * 17, 0));
}

// The biggest gap between a displacement map's grey and the heightmap's sample
// at the same pixel, both on a scale of 256 from the lowest height; white is
// left out, as the map clips it.
double LargestGreyGap(const RgbImage& dispMap, const Heightmap& map) {
    double largest = 0;
    for (int y = 0; y < map.height; ++y) {
        for (int x = 0; x < map.width; ++x) {
            const int grey = dispMap.Pixel(x, y)[0];
            if (grey < 255) largest = std::max(largest, std::abs(grey - map.At(x, y) * 256.0 / 65535));
        }
    }
    return largest;
}

TEST(Heightmap, OrientationIsThatOfTheDisplacementMaps) {
    NullStatusSink quiet;
    const PieceGrid piece = test::NumberedGrid();
    EXPECT_LE(LargestGreyGap(MakeDisplacementMap17(piece, quiet).preview, PieceHeightmap(piece).map), 0.51);
    // The terrain's lowest height is 0, the floor of its maps; "0" makes the
    // tallest height their top.
    const NationalGrid terrain = test::SlantedTerrain();
    EXPECT_LE(LargestGreyGap(MakeDisplacementMap257(terrain, "0", quiet).image, TerrainHeightmap(terrain).map), 0.51);
}

// Each sample holds its own place, 1000 y + x, so an import with black at 0
// and white at 65535 shows where each grid point was taken from.
Heightmap PlacePicture(int width, int height) {
    Heightmap map{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) map.samples.push_back(static_cast<std::uint16_t>(1000 * y + x));
    return map;
}

// The picture's width and height, a piece cell and the height it gets: tests/data/heightmap/resample.txt.
TEST(Heightmap, ImportResamplesBilinearWithCornersOnCorners) {
    for (const test::CaseRow& c : test::ReadCaseTable("heightmap/resample.txt")) {
        PieceGrid grid = test::NumberedGrid();
        ASSERT_TRUE(PieceFromHeightmap(PlacePicture(std::stoi(c[0]), std::stoi(c[1])), {0, 65535}, grid));
        EXPECT_EQ(grid.Z(std::stoi(c[2]), std::stoi(c[3])), test::CaseNumber(c[4])) << c[5];
    }
}

TEST(Heightmap, ImportHeightsAreGivenElseRecordedElseZeroToTwentyAndMustMakeSense) {
    const Heightmap white{1, 1, {65535}};
    // The height white gets (the grid's -7 stays when refused), or the refusal.
    const std::tuple<GivenHeights, std::optional<HeightRange>, bool, double, std::string> cases[] = {
        {{}, std::nullopt, false, 20, ""},
        {{}, HeightRange{1.5, 7.25}, true, 7.25, ""},
        {{std::nullopt, 9.5}, HeightRange{1.5, 7.25}, true, 9.5, ""},
        {{-3, 4}, HeightRange{1.5, 7.25}, false, 4, ""},  // a piece may go below 0
        {{30, std::nullopt}, std::nullopt, false, -7, "the height of black (30) lies above the height of white (20)"},
        {{-0.5, {}}, {}, true, -7, "a terrain cannot hold negative heights, and black would be -0.5"},
    };
    for (const auto& [given, recorded, onTerrain, z, refusal] : cases) {
        const HeightRange heights = ImportHeights(given, recorded);
        PieceGrid piece = FlatPiece(-7);
        NationalGrid terrain;
        terrain.values.assign(terrain.values.size(), -7);
        const Outcome made =
            onTerrain ? TerrainFromHeightmap(white, heights, terrain) : PieceFromHeightmap(white, heights, piece);
        EXPECT_EQ(made.message(), refusal);
        EXPECT_EQ(static_cast<bool>(made), refusal.empty());
        EXPECT_EQ(onTerrain ? terrain.At(128, 128) : piece.Z(9, 9), z);
    }
}

// Pictures ImageMagick wrote (tests/data/heightmap/README.md): each imports as its grey values.
TEST(HeightmapPng, ImageMagickPicturesImportAsTheirGreyValues) {
    Heightmap fine = PlacePicture(17, 17);
    Heightmap coarse = fine;
    for (int i = 0; i < 17 * 17; ++i) {
        fine.samples[i] = static_cast<std::uint16_t>(fine.samples[i] * 4 + 1);
        coarse.samples[i] = static_cast<std::uint16_t>(257 * (14 * (i / 17) + i % 17 + 1));
    }
    const std::string colour8 = "an 8-bit colour PNG, read as its grey value";
    const std::tuple<const char*, std::string, const Heightmap&> cases[] = {
        {"grey16.png", "", fine},
        {"grey8.png", "an 8-bit grey PNG, read as its grey value", coarse},
        {"rgb8.png", colour8, coarse},
        {"palette.png", colour8, coarse},
        {"rgba16.png", "a 16-bit colour PNG with transparency, read as its grey value", fine},
        {"interlaced.png", "", fine},
    };
    for (const auto& [name, note, source] : cases) {
        const std::string file = test::TestDataPath(std::string("heightmap/") + name);
        const HeightmapRead read = ReadHeightmapFile(file);
        ASSERT_TRUE(read.outcome) << read.outcome.message();
        EXPECT_EQ(read.note, note.empty() ? "" : file + ": " + note);
        EXPECT_FALSE(read.recorded.has_value());
        // Without recorded heights black is 0 and white 20.
        PieceGrid piece;
        ASSERT_TRUE(PieceFromHeightmap(read.map, ImportHeights({}, read.recorded), piece));
        for (int r = 1; r <= 17; ++r)
            for (int c = 1; c <= 17; ++c)
                EXPECT_NEAR(piece.Z(c, r), 20.0 * source.At(c - 1, r - 1) / 65535, 1e-12)
                    << name << " " << c << ", " << r;
    }
}

TEST(HeightmapFile, BadFilesAreRefusedWithTheirReason) {
    test::TempDir dir;
    std::string good;
    ASSERT_TRUE(EncodeHeightmapPng(PieceHeightmap(test::NumberedGrid()).map, {0, 1}, good));
    std::string damaged = good;
    damaged[29] ^= 0x55;  // the header chunk's check sum
    std::string wide;
    ASSERT_TRUE(EncodeHeightmapPng(Heightmap{9000, 1, std::vector<std::uint16_t>(9000, 7)}, {0, 1}, wide));
    enum Kind { Bytes, Missing, Folder, Sparse, DeviceLink };
    // The bytes are the content, or for Sparse the size as text; the message follows the path.
    const std::tuple<const char*, Kind, std::string, std::string> cases[] = {
        {"text.png", Bytes, "not a picture", ": it is not a PNG image"},
        {"empty.png", Bytes, "", ": it is not a PNG image"},
        {"cut.png", Bytes, good.substr(0, good.size() / 2), ": the file ends too early (it is truncated)"},
        {"damaged.png", Bytes, damaged, ": the PNG data is damaged (IHDR: CRC error)"},
        {"wide.png", Bytes, wide, ": the image is 9000 x 1 pixels, more than 8192 on a side"},
        {"empty.r16", Bytes, "", ": the file is empty"},
        {"odd.r16", Bytes, "abc", ": its size of 3 bytes is odd, not a whole number of 16-bit samples"},
        {"oblong.raw", Bytes, std::string(12, 'x'),
         ": its 6 samples do not make a square (a raw heightmap's side is taken from its size)"},
        {"map.tga", Bytes, good, ": a heightmap is a .png, .r16 or .raw file"},
        {"huge.r16", Sparse, std::to_string(8193LL * 8193 * 2), ": it holds more than 8192 x 8192 samples"},
        {"huge.png", Sparse, std::to_string((1LL << 30) + 1), ": the file is larger than 1 GiB"},
        {"folder.png", Folder, "", ": Is a directory"},
        {"zero.r16", DeviceLink, "/dev/zero", ": it is not a regular file"},
        {"missing.png", Missing, "", ": No such file or directory"},
    };
    for (const auto& [name, kind, bytes, message] : cases) {
        const std::string path = dir.File(name);
        std::error_code ec;
        switch (kind) {
            case Bytes: test::WriteAll(path, bytes); break;
            case Missing: break;
            case Folder: std::filesystem::create_directory(path); break;
            case Sparse:
                test::WriteAll(path, "");
                std::filesystem::resize_file(path, std::stoull(bytes));
                break;
            case DeviceLink:
                std::filesystem::create_symlink(bytes, path, ec);
                if (ec || !test::Exists(bytes)) continue;  // no such device here
                break;
        }
        const HeightmapRead read = ReadHeightmapFile(path);
        EXPECT_EQ(read.outcome.message(), (kind == Missing ? "Cannot open " : "Cannot read ") + path + message);
        EXPECT_TRUE(read.map.samples.empty()) << name;
    }
}

}  // namespace
}  // namespace gw
