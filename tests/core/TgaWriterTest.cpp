// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/image/TgaFile.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::TempDir;

TEST(TgaWriter, WriteThenReadGivesTheSamePixelsAndAnEmptyImageIsRefused) {
    TempDir dir;
    for (const auto& [width, height] : {std::pair{1, 1}, {16, 16}, {37, 5}, {3, 250}, {513, 513}}) {
        const RgbImage original = test::DistinctImage(width, height);
        const std::string path = dir.File("map.tga");
        ASSERT_TRUE(WriteTgaFile(path, original));
        RgbImage read;
        ASSERT_TRUE(ReadTgaFile(path, read));
        EXPECT_EQ(test::FirstDifference(read, original), "") << width << " x " << height;
        EXPECT_EQ(test::FilesIn(dir), std::set<std::string>{"map.tga"});
    }
    Outcome empty = WriteTgaFile(dir.File("empty.tga"), RgbImage());
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.message(), "Cannot write " + dir.File("empty.tga") + ": the image is empty");
    EXPECT_FALSE(test::Exists(dir.File("empty.tga")));
}

// 24-bit uncompressed, no ID, no colour map, origin bottom-left; pixels in blue, green, red order.
TEST(TgaWriter, WritesPlainTwentyFourBitFromTheBottomRow) {
    RgbImage image;
    image.Create(3, 2);
    image.SetPixel(0, 0, 0x11, 0x22, 0x33);  // top-left
    image.SetPixel(0, 1, 0xA1, 0xB2, 0xC3);  // bottom-left
    image.SetPixel(2, 1, 0xD1, 0xE2, 0xF3);  // bottom-right
    const std::string bytes = EncodeTga(image);
    ASSERT_EQ(bytes.size(), 18u + 3 * 2 * 3);
    EXPECT_EQ(bytes.substr(0, 18), std::string("\0\0\2\0\0\0\0\0\0\0\0\0\3\0\2\0\x18\0", 18));
    EXPECT_EQ(bytes.substr(18, 3), "\xC3\xB2\xA1");
    EXPECT_EQ(bytes.substr(24, 3), "\xF3\xE2\xD1");
    EXPECT_EQ(bytes.substr(27, 3), std::string("\x33\x22\x11"));
}

std::string FindConvert() {
#ifndef _WIN32  // under Wine the build machine's ImageMagick, a Linux program, cannot be started
    for (const char* candidate : {"/usr/bin/convert", "/usr/local/bin/convert"}) {
        if (test::Exists(candidate)) return candidate;
    }
#endif
    return "";
}

// What we write, ImageMagick reads as the same picture.
TEST(TgaToolCompat, ImageMagickReadsWhatWeWrite) {
    const std::string convert = FindConvert();
    if (convert.empty()) GTEST_SKIP() << "ImageMagick's convert is not installed (for this system)";
    test::TempDir dir;
    const RgbImage source = test::DistinctImage(31, 17);
    ASSERT_TRUE(WriteTgaFile(dir.File("ours.tga"), source));
    // A binary PPM holds the plain RGB bytes, top row first.
    const std::string command = convert + " " + dir.File("ours.tga") + " -auto-orient " + dir.File("theirs.ppm");
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string ppm = test::ReadAll(dir.File("theirs.ppm"));
    const std::string header = "P6\n31 17\n255\n";
    ASSERT_EQ(ppm.substr(0, header.size()), header);
    EXPECT_EQ(ppm.substr(header.size()), std::string(reinterpret_cast<const char*>(source.data()), source.byteCount()));
}

}  // namespace
}  // namespace gw
