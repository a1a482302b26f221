// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/image/ImageOps.h"
#include "core/image/RgbImage.h"
#include "support/CaseTable.h"
#include "support/ReferenceImage.h"

namespace gw {
namespace {

// A small picture as rows of letters, each letter its own grey.
RgbImage Letters(const std::vector<std::string>& rows) {
    RgbImage image;
    image.Create(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.SetGrey(x, y, static_cast<std::uint8_t>(rows[y][x]));
    return image;
}

std::vector<std::string> RowsOf(const RgbImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) row += static_cast<char>(image.Pixel(x, y)[0]);
        rows.push_back(row);
    }
    return rows;
}

TEST(RgbImage, SizesOutsideTheBoundsAreRefusedBeforeAllocating) {
    RgbImage image;
    ASSERT_TRUE(image.Create(1016, 1016));
    EXPECT_EQ(image.byteCount(), 1016u * 1016u * 3u);
    for (const auto& [width, height] : {std::pair{0, 0}, {0, 5}, {5, -1}, {30000, 30000}, {8193, 1}, {1, 8193}}) {
        Outcome outcome = image.Create(width, height);
        ASSERT_FALSE(outcome) << width << " x " << height;
        EXPECT_EQ(outcome.message(), "an image of " + std::to_string(width) + " x " + std::to_string(height) +
                                         " pixels is outside the sizes we handle (1 to 8192 pixels a side)");
        EXPECT_EQ(image.width(), 1016);  // a refused size leaves the image as it was
    }
    EXPECT_TRUE(image.Create(8192, 1));
}

TEST(ImageOps, RotationCodeTurnsByCodePlusOneQuarterClockwiseAndOtherCodesAreRefused) {
    const RgbImage source = Letters({"abc", "def"});
    // Codes 0 to 3: a quarter, a half, three quarters and four quarters clockwise.
    const std::vector<std::string> turned[] = {{"da", "eb", "fc"}, {"fed", "cba"}, {"cf", "be", "ad"}, {"abc", "def"}};
    for (int code = 0; code < 4; ++code) {
        RgbImage image = source;
        ASSERT_TRUE(RotateImage(image, code)) << code;
        EXPECT_EQ(RowsOf(image), turned[code]) << "code " << code;
    }
    // The texture builder's orientations 1, 2, 3 use codes 2, 1, 0: turned back, a tile is upright.
    for (const auto& [orientation, code] : {std::pair{1, 2}, {2, 1}, {3, 0}}) {
        RgbImage image = source;
        ASSERT_TRUE(RotateImage(image, code));
        for (int turn = 0; turn < orientation; ++turn) ASSERT_TRUE(RotateImage(image, 0));
        EXPECT_EQ(image, source) << "orientation " << orientation;
    }

    for (int code : {-2, -1, 4, 7}) {
        RgbImage image = source;
        Outcome outcome = RotateImage(image, code);
        ASSERT_FALSE(outcome);
        EXPECT_EQ(outcome.message(), "rotation code " + std::to_string(code) + " is not one of 0 to 3");
        EXPECT_EQ(image, source);
    }
}

TEST(ImageOps, OverlayIsClippedAtTheTargetsEdges) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/overlay.txt")) {
        RgbImage target = Letters({".....", ".....", "....."});
        OverlayImage(target, Letters({"abc", "def"}), std::stoll(c[0]), std::stoll(c[1]));
        EXPECT_EQ(RowsOf(target), (std::vector<std::string>{c[2], c[3], c[4]})) << c[0] << ", " << c[1];
    }
    // A picture larger than the target fills it with its own top-left part.
    RgbImage small = Letters({"..", ".."});
    OverlayImage(small, Letters({"abc", "def", "ghi"}), 0, 0);
    EXPECT_EQ(RowsOf(small), (std::vector<std::string>{"ab", "de"}));
}

TEST(ImageOps, SharpenStrengthFiveOnKnownPatterns) {
    // One bright dot of 100 on 20: the dot gets 2 x 100 - 8 x 20 / 8 = 180, each
    // neighbour 2 x 20 - (100 + 7 x 20) / 8 = 10, the flat rest stays 20.
    RgbImage dot = Letters(std::vector<std::string>(5, "\x14\x14\x14\x14\x14"));
    dot.SetGrey(2, 2, 100);
    const std::vector<std::string> sharp = {"\x14\x14\x14\x14\x14", "\x14\n\n\n\x14", "\x14\n\xB4\n\x14",
                                            "\x14\n\n\n\x14", "\x14\x14\x14\x14\x14"};
    EXPECT_EQ(RowsOf(SharpenImage(dot, kTextureSharpenStrength)), sharp);

    // A vertical edge 0 | 200: the dark side would go below 0 and is clipped, the
    // bright side gains 2 x 200 - 5 x 200 / 8 - 3 x 0 / 8 = 275, clipped to 255.
    // Border pixels repeat the border, so the outer columns keep their value.
    const RgbImage edge = Letters(std::vector<std::string>(3, std::string("\0\0\xC8\xC8", 4)));
    EXPECT_EQ(RowsOf(SharpenImage(edge, kTextureSharpenStrength)),
              std::vector<std::string>(3, std::string("\0\0\xFF\xC8", 4)));  // 0, 0, 255, 200

    // Halves round up: a dot of 24 on 20 gives its neighbours
    // 40 - (24 + 7 x 20) / 8 = 19.5 -> 20, and the dot 48 - 20 = 28.
    dot.SetGrey(2, 2, 24);
    const RgbImage slight = SharpenImage(dot, kTextureSharpenStrength);
    EXPECT_EQ(std::vector<int>({slight.Pixel(2, 2)[0], slight.Pixel(1, 1)[0], slight.Pixel(2, 3)[0]}),
              std::vector<int>({28, 20, 20}));

    // Strength 0 copies; each channel is filtered on its own.
    EXPECT_EQ(SharpenImage(dot, 0), dot);
    const RgbImage colours = test::DistinctImage(6, 6);  // its reds, as a grey picture, sharpen to the same reds
    EXPECT_EQ(RowsOf(SharpenImage(colours, 5)), RowsOf(SharpenImage(Letters(RowsOf(colours)), 5)));
}

TEST(ImageOps, ResizeToTheTextureSize) {
    // A flat 992 x 992 skeleton grows to 1016 x 1016 without a change of colour.
    RgbImage skeleton;
    ASSERT_TRUE(skeleton.Create(992, 992));
    for (int y = 0; y < 992; ++y)
        for (int x = 0; x < 992; ++x) skeleton.SetPixel(x, y, 40, 120, 200);
    RgbImage enlarged;
    ASSERT_TRUE(ResizeImage(skeleton, 1016, 1016, enlarged));
    ASSERT_EQ(std::pair(enlarged.width(), enlarged.height()), std::pair(1016, 1016));
    for (int y = 0; y < 1016; y += 101)
        for (int x = 0; x < 1016; x += 7) ASSERT_EQ(enlarged.Rgb(x, y), 0x2878C8u) << x << ", " << y;

    // Left half black, right half white: the edge stays in the middle.
    RgbImage halves;
    ASSERT_TRUE(halves.Create(992, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 496; x < 992; ++x) halves.SetGrey(x, y, 255);
    ASSERT_TRUE(ResizeImage(halves, 1016, 8, enlarged));
    EXPECT_EQ(std::vector<int>({enlarged.Pixel(0, 0)[0], enlarged.Pixel(480, 7)[0], enlarged.Pixel(535, 3)[0],
                                enlarged.Pixel(1015, 7)[0]}),
              std::vector<int>({0, 0, 255, 255}));

    const RgbImage before = enlarged;
    EXPECT_FALSE(ResizeImage(halves, 0, 1016, enlarged));
    EXPECT_FALSE(ResizeImage(halves, 30000, 30000, enlarged));
    Outcome empty = ResizeImage(RgbImage(), 1016, 1016, enlarged);
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.message(), "cannot resize an empty image");
    EXPECT_EQ(enlarged, before);
}

}  // namespace
}  // namespace gw
