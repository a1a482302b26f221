// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/dispmap/DisplacementMap.h"
#include "support/RecordingStatusSink.h"

namespace gw {
namespace {

using RecordingStatus = test::RecordingStatusSink;

// A piece at one height everywhere (the rim aside).
PieceGrid Flat(double height) {
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = height;
    return grid;
}

int GreyAt(const RgbImage& image, int x, int y) {
    const std::uint8_t* p = image.Pixel(x, y);
    EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << x << ", " << y << " is not grey";
    return p[0];
}

// Every pixel of the image holds grey.
bool AllGrey(const RgbImage& image, int grey) {
    for (std::size_t i = 0; i < image.byteCount(); ++i)
        if (image.data()[i] != grey) return false;
    return true;
}

TEST(DisplacementMap, GreyOfRoundsHalvesToEvenAndNeverDividesByZero) {
    struct Case {
        double z, floor, span, grey;
    };
    const Case cases[] = {
        {10, 0, 20, 128},        // the Max Z example
        {20, 0, 20, 256},        // the top is 256, drawn as 255
        {1, 0, 512, 0},          // 0.5 -> 0
        {3, 0, 512, 2},          // 1.5 -> 2
        {5, 0, 512, 2},          // 2.5 -> 2
        {7, 0, 512, 4},          // 3.5 -> 4
        {-1, 0, 20, -13},        // below the floor: -12.8
        {5, 5, 0, 0},            // a flat grid: span 0 counts as 0.0000001
        {5.000000001, 5, 0, 3},  // 1e-9 / 1e-7 x 256 = 2.56
    };
    for (const Case& c : cases)
        EXPECT_EQ(GreyOf(c.z, c.floor, c.span), c.grey) << c.z << " " << c.floor << " " << c.span;
}

TEST(DisplacementMap, GreyByteClipsToBlackAndWhite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> cases[] = {{0, 0},     {1, 1},  {128, 128},  {255, 255}, {256, 255}, {40000, 255},
                                            {inf, 255}, {-1, 0}, {-40000, 0}, {-inf, 0},  {nan, 0}};
    for (const auto& [grey, byte] : cases) EXPECT_EQ(GreyByte(grey), byte) << grey;
}

TEST(DisplacementMap, FlatPieceGivesAnAllBlackSixteenSquare) {
    NullStatusSink quiet;
    for (double height : {0.0, -3.0, 255.5}) {
        const DisplacementMap map = MakeDisplacementMap17(Flat(height), quiet);
        ASSERT_EQ(map.image.width(), 16);
        ASSERT_EQ(map.image.height(), 16);
        ASSERT_EQ(map.preview.width(), 17);
        ASSERT_EQ(map.preview.height(), 17);
        EXPECT_TRUE(AllGrey(map.image, 0)) << height;
        EXPECT_TRUE(AllGrey(map.preview, 0)) << height;
    }
    // Flat at 256 or more is the exception: the floor stays 256, so all is white.
    EXPECT_TRUE(AllGrey(MakeDisplacementMap17(Flat(300), quiet).image, 255));
}

TEST(DisplacementMap, PieceMapSpansLowestToHighestWithRow17AndColumn17OnlyInThePreview) {
    // Z = c + r: lowest 2 at (1, 1), highest 34 at (17, 17), so grey = (c + r - 2) x 8.
    PieceGrid grid;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) grid.Z(c, r) = c + r;
    grid.Z(0, 0) = 1000;  // the rim is never part of the piece
    grid.Z(18, 18) = -1000;
    RecordingStatus status;
    const DisplacementMap map = MakeDisplacementMap17(grid, status);
    EXPECT_EQ(map.floor, 2);
    EXPECT_EQ(map.top, 34);
    EXPECT_EQ(GreyAt(map.image, 0, 0), 0);
    EXPECT_EQ(GreyAt(map.image, 5, 2), 56);       // Z(6, 3) = 9
    EXPECT_EQ(GreyAt(map.image, 15, 15), 240);    // Z(16, 16) = 32
    EXPECT_EQ(GreyAt(map.preview, 16, 16), 255);  // Z(17, 17): 256 shows white, but only in the preview
    EXPECT_EQ(GreyAt(map.preview, 16, 0), 128);   // Z(17, 1) = 18
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(map.image.Rgb(x, y), map.preview.Rgb(x, y));

    std::vector<std::string> expected = {"Computing Min/Max", "Processing Terrain"};
    for (int r = 17; r >= 1; --r) expected.push_back("Processing Terrain Row:  " + std::to_string(r));
    EXPECT_EQ(status.texts, expected);
}

TEST(DisplacementMap, PieceMapTopRowIsGridRowOne) {
    PieceGrid grid;
    grid.Z(3, 2) = 10;  // grid row 2, column 3: pixel (2, 1) of the picture
    NullStatusSink quiet;
    const DisplacementMap map = MakeDisplacementMap17(grid, quiet);
    EXPECT_EQ(GreyAt(map.image, 2, 1), 255);
    EXPECT_EQ(GreyAt(map.image, 1, 2), 0);
    EXPECT_EQ(GreyAt(map.image, 2, 14), 0);
}

TEST(DisplacementMap, PieceMapSearchStartsAt256AndMinusOne) {
    NullStatusSink quiet;
    PieceGrid high = Flat(300);  // one height 344: the floor stays 256
    high.Z(4, 4) = 344;
    DisplacementMap map = MakeDisplacementMap17(high, quiet);
    EXPECT_EQ(map.floor, 256);
    EXPECT_EQ(map.top, 344);
    EXPECT_EQ(GreyAt(map.image, 0, 0), 128);  // (300 - 256) / 88 x 256
    EXPECT_EQ(GreyAt(map.image, 3, 3), 255);

    PieceGrid low = Flat(-5);  // one height -3: the top stays -1
    low.Z(4, 4) = -3;
    map = MakeDisplacementMap17(low, quiet);
    EXPECT_EQ(map.floor, -5);
    EXPECT_EQ(map.top, -1);
    EXPECT_EQ(GreyAt(map.image, 0, 0), 0);
    EXPECT_EQ(GreyAt(map.image, 3, 3), 128);  // (-3 + 5) / 4 x 256
}

TEST(DisplacementMap, TerrainTopIsMaxZUnlessTheTerrainIsTaller) {
    struct Case {
        double tallest;
        std::string maxZ;
        double top;
        double height;
        int grey;
    };
    const Case cases[] = {
        {12, "20", 20, 10, 128},  // Max Z above the tallest height
        {30, "20", 30, 15, 128},  // the tallest height wins
        {12, "abc", 12, 6, 128},  // not a number: 0, so the tallest height
        {12, "", 12, 3, 64},     {12, "  25.6x", 25.6, 12.8, 128},
        {0, "0", 0, 0, 0},  // all flat at 0: top 0, span 0.0000001
    };
    for (const Case& c : cases) {
        NationalGrid grid;
        grid.At(200, 100) = c.tallest;
        grid.At(7, 9) = c.height;
        NullStatusSink quiet;
        const DisplacementMap map = MakeDisplacementMap257(grid, c.maxZ, quiet);
        EXPECT_EQ(map.floor, 0);
        EXPECT_EQ(map.top, c.top) << c.maxZ;
        EXPECT_EQ(GreyAt(map.image, 7, 256 - 9), c.grey) << c.maxZ;
    }
}

TEST(DisplacementMap, Map257PutsTheSouthRowAtTheBottom) {
    NationalGrid grid;
    grid.At(3, 0) = 10;    // terrain (-125, -128): bottom row of the picture
    grid.At(0, 256) = 20;  // terrain (-128, 128): top-left corner
    grid.At(256, 255) = 5;
    grid.At(100, 100) = -4;  // below the floor of 0: black
    RecordingStatus status;
    const DisplacementMap map = MakeDisplacementMap257(grid, "20", status);
    ASSERT_EQ(map.image.width(), 257);
    ASSERT_EQ(map.image.height(), 257);
    EXPECT_EQ(GreyAt(map.image, 3, 256), 128);
    EXPECT_EQ(GreyAt(map.image, 0, 0), 255);
    EXPECT_EQ(GreyAt(map.image, 256, 1), 64);
    EXPECT_EQ(GreyAt(map.image, 100, 156), 0);
    EXPECT_EQ(GreyAt(map.image, 3, 0), 0);
    EXPECT_EQ(map.preview, map.image);

    ASSERT_EQ(status.texts.size(), 2u + 257u);
    EXPECT_EQ(status.texts[2], "Processing Terrain Row: -128");
    EXPECT_EQ(status.texts[130], "Processing Terrain Row:  0");
    EXPECT_EQ(status.texts[258], "Processing Terrain Row:  128");
}

TEST(DisplacementMap, Map513FillsInBetweenPixelsFromTwoSamples) {
    NationalGrid grid;
    // With Max Z 256 a grey equals its height, so the means show their rounding.
    grid.At(10, 20) = 100;
    grid.At(11, 20) = 51;  // right:       (100 + 51) / 2 = 75.5 -> 76
    grid.At(10, 19) = 30;  // below:       (100 + 30) / 2 = 65
    grid.At(11, 19) = 5;   // below-right: (100 + 5) / 2 = 52.5 -> 52 (a mean of four would be 46.5)
    NullStatusSink quiet;
    const DisplacementMap map = MakeDisplacementMap513(grid, "256", quiet);
    ASSERT_EQ(map.image.width(), 513);
    ASSERT_EQ(map.image.height(), 513);
    const int X = 20, Y = 2 * (256 - 20);
    EXPECT_EQ(GreyAt(map.image, X, Y), 100);
    EXPECT_EQ(GreyAt(map.image, X + 1, Y), 76);
    EXPECT_EQ(GreyAt(map.image, X, Y + 1), 65);
    EXPECT_EQ(GreyAt(map.image, X + 1, Y + 1), 52);
    // The samples themselves sit on even pixels.
    EXPECT_EQ(GreyAt(map.image, X + 2, Y), 51);
    EXPECT_EQ(GreyAt(map.image, X, Y + 2), 30);
    EXPECT_EQ(GreyAt(map.image, X + 2, Y + 2), 5);
    // Left of and above the sample, the neighbours' in-between pixels mix with it.
    EXPECT_EQ(GreyAt(map.image, X - 1, Y), 50);      // (0 + 100) / 2
    EXPECT_EQ(GreyAt(map.image, X, Y - 1), 50);      // (0 + 100) / 2 from the row above
    EXPECT_EQ(GreyAt(map.image, X - 1, Y - 1), 50);  // from (9, 21): its below-right is (10, 20)
}

TEST(DisplacementMap, Map513RepeatsTheLastColumnAndBottomRow) {
    NationalGrid grid;
    grid.At(256, 100) = 40;
    grid.At(256, 99) = 200;  // a mean would give 120
    grid.At(50, 0) = 60;
    grid.At(51, 0) = 0;  // a mean would give 30
    grid.At(256, 0) = 90;
    grid.At(255, 0) = 10;
    NullStatusSink quiet;
    const DisplacementMap map = MakeDisplacementMap513(grid, "256", quiet);
    EXPECT_EQ(GreyAt(map.image, 512, 312), 40);
    EXPECT_EQ(GreyAt(map.image, 512, 313), 40);
    EXPECT_EQ(GreyAt(map.image, 512, 314), 200);
    EXPECT_EQ(GreyAt(map.image, 100, 512), 60);
    EXPECT_EQ(GreyAt(map.image, 101, 512), 60);
    EXPECT_EQ(GreyAt(map.image, 102, 512), 0);
    EXPECT_EQ(GreyAt(map.image, 512, 512), 90);
    EXPECT_EQ(GreyAt(map.image, 511, 512), 10);  // the bottom row repeats (255, 0) to its right
    // Above the bottom row the in-between row mixes with it: (60 + 0) / 2 from (50, 1) and (50, 0).
    EXPECT_EQ(GreyAt(map.image, 100, 511), 30);
}

TEST(DisplacementMap, DoneTextUsesTheStatusNumberForm) {
    EXPECT_EQ(DispMapDoneText(20), "DispMap Done - Max Z =  20");
    EXPECT_EQ(DispMapDoneText(12.5), "DispMap Done - Max Z =  12.5");
    EXPECT_EQ(DispMapDoneText(0.25), "DispMap Done - Max Z =  .25");
    EXPECT_EQ(DispMapDoneText(-1), "DispMap Done - Max Z = -1");
}

}  // namespace
}  // namespace gw
