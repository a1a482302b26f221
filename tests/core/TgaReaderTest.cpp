// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/image/TgaFile.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::FirstDifference;

std::string TgaData(const std::string& name) { return test::TestDataPath("tga/" + name); }

// Files other programs wrote (GIMP, and the collections named in tests/data/tga/PROVENANCE.md), each
// with the picture it must decode to. In 15- and 16-bit colours stb_image widens a 5-bit channel v to
// v * 255 / 31 rounded down, the references round to nearest, so a channel may be one lower.
TEST(TgaReader, ReadsEveryVariantLikeItsReferencePicture) {
    std::vector<std::tuple<std::string, std::string, int>> cases;  // the file, its picture, the levels allowed
    for (const std::string mode : {"l", "la", "p", "rgb", "rgba"})
        for (const std::string origin : {"bl", "tl"})
            for (const std::string packing : {"raw", "rle"})
                cases.push_back({"pillow/200x32_" + mode + "_" + origin + "_" + packing + ".tga",
                                 "pillow/200x32_" + mode + ".png", 0});
    for (const std::string variant : {"bl_raw", "bl_rle", "tl_raw", "tl_rle"})
        cases.push_back({"pillow/1x1_l_" + variant + ".tga", "pillow/1x1_l.png", 0});
    cases.push_back({"pillow/200x32_p_bl_raw_origin.tga", "pillow/200x32_p.png", 0});       // origin fields set
    cases.push_back({"pillow/cross_scan_line.tga", "pillow/cross_scan_line.png", 0});       // packet over a row end
    cases.push_back({"pillow/p_16.tga", "pillow/p_16.png", 0});                             // 16-bit palette, ID field
    for (const std::string name : {"bottom_left", "bottom_right", "top_left", "top_right",  // all four origins
                                   "cmap_offset"})                                          // map from index 39
        cases.push_back({"image-rs/" + name + ".tga", "image-rs/" + name + ".tga.png", 0});
    for (const std::string name : {"b5-attrib", "b5-noattrib", "b5-cmap", "b5-unused-cmap"})
        cases.push_back({"image-rs/" + name + ".tga", "image-rs/" + name + ".tga.png", 1});
    for (const auto& [tga, png, levels] : cases) {
        RgbImage expected = test::ReadPngReference(TgaData(png));
        ASSERT_FALSE(expected.empty()) << png;
        RgbImage read;
        Outcome outcome = ReadTgaFile(TgaData(tga), read);
        ASSERT_TRUE(outcome) << tga << ": " << outcome.message();
        ASSERT_EQ(read.width(), expected.width()) << tga;
        ASSERT_EQ(read.height(), expected.height()) << tga;
        EXPECT_LE(test::LargestChannelDifference(read, expected), levels)
            << tga << ": " << FirstDifference(read, expected);
    }
    // Two 16-bit pixels, 0x541F and 0x83EA, as Pillow reads them too.
    RgbImage pair;
    ASSERT_TRUE(ReadTgaFile(TgaData("pillow/rgba16.tga"), pair));
    ASSERT_EQ(pair.width(), 2);
    EXPECT_EQ(pair.Rgb(0, 0), 0xAC00FFu);
    EXPECT_EQ(pair.Rgb(1, 0), 0x00FF52u);
}

// Broken files made by hand (tests/data/tga/PROVENANCE.md), and those other programs' fuzzers and tests
// found: each is refused with its reason, none crashes, and a failed read leaves the image alone.
TEST(TgaReader, RefusesBrokenFilesWithTheirReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"broken/empty.tga", "the file is too short for a TGA header (0 bytes)"},
        {"broken/short-header.tga", "the file is too short for a TGA header (17 bytes)"},
        {"broken/zero-size.tga", "the header claims 0 x 0 pixels, outside the sizes we read (1 to 8192 pixels a side)"},
        {"broken/huge.tga",
         "the header claims 30000 x 30000 pixels, outside the sizes we read (1 to 8192 pixels a side)"},
        {"broken/huge-rle.tga", "the header claims 30000 x 30000 pixels"},
        {"broken/few-packets.tga", "the file ends inside the pixel data (truncated TGA file)"},
        {"broken/index-outside-map.tga", "a pixel names a colour outside the colour map"},
        {"broken/no-image-data.tga", "the TGA file holds no image data (image type 0)"},
        {"broken/huffman.tga", "unsupported TGA image type 32"},
        {"broken/grey-24.tga", "grey pixels of 24 bits"},
        {"broken/true-colour-8.tga", "true-colour pixels of 8 bits"},
        {"pillow/1x1_l.png", "not a TGA file (colour map type 80)"},
        {"image-rs/regression/bad-color-map.tga", "a colour-mapped TGA file without a colour map"},
        {"image-rs/regression/flip-zero-height.tga", "not a TGA file (colour map type 2)"},
        {"image-rs/regression/flip-zero-height2.tga", "not a TGA file (colour map type 218)"},
        {"image-rs/regression/orientation-zero-width.tga", "holds no image data"},
        {"image-rs/regression/overfull-image.tga", "truncated TGA file"},
        {"image-rs/regression/sixteen-bit-gray-colormap.tga", "holds no image data"},
        {"image-rs/regression/sixteen-bit-gray-colormap2.tga", "grey pixels of 32 bits"},
        {"image-rs/regression/slice-copy-length.tga", "the header claims 8224 x 32 pixels"},
        {"pillow/p_8.tga", "the file ends inside its image ID or colour map (truncated TGA file)"},
        {"pillow/cross_scan_line_truncated.tga", "the file ends inside the pixel data (truncated TGA file)"},
    };
    for (const auto& [file, reason] : cases) {
        const std::string path = TgaData(file);
        RgbImage image = test::DistinctImage(3, 2);
        const RgbImage before = image;
        Outcome outcome = ReadTgaFile(path, image);
        ASSERT_FALSE(outcome) << file;
        EXPECT_EQ(outcome.message().substr(0, path.size() + 14), "Cannot read " + path + ": ") << file;
        EXPECT_NE(outcome.message().find(reason), std::string::npos) << file << ": " << outcome.message();
        EXPECT_EQ(image, before) << file;
    }
    RgbImage image;
    EXPECT_EQ(ReadTgaFile("/nonexistent/skel.tga", image).message(),
              "Cannot open /nonexistent/skel.tga: No such file or directory");
}

// Every cut of a file without a footer is refused: the reader never makes up the
// missing pixels.
TEST(TgaReader, EveryTruncationIsRefused) {
    for (const std::string name :
         {"pillow/200x32_p_bl_rle.tga", "pillow/200x32_rgb_bl_rle.tga", "pillow/200x32_l_tl_raw.tga"}) {
        std::string bytes = test::ReadAll(TgaData(name));
        const std::size_t footer = bytes.rfind("TRUEVISION-XFILE.");
        ASSERT_NE(footer, std::string::npos);
        bytes.resize(footer - 8);  // the footer's two offsets stand before its signature
        RgbImage whole;
        ASSERT_TRUE(DecodeTga(bytes, whole)) << name;
        // Extension and developer areas may follow the pixels; find where they end.
        std::size_t end = bytes.size();
        RgbImage image;
        while (end > 0 && DecodeTga(std::string_view(bytes).substr(0, end - 1), image)) --end;
        for (std::size_t cut = 0; cut < end; cut += 7) {
            EXPECT_FALSE(DecodeTga(std::string_view(bytes).substr(0, cut), image)) << name << " cut at " << cut;
        }
    }
}

// Damaged bytes anywhere: a clear refusal or a picture of the header's size,
// never a crash.
TEST(TgaReader, DamagedBytesNeverCrash) {
    const std::string original = test::ReadAll(TgaData("pillow/200x32_p_tl_rle.tga"));
    std::uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = original;
        for (int hit = 0; hit < 3; ++hit) {
            seed = seed * 1664525u + 1013904223u;
            const std::size_t at = (round < 200) ? static_cast<std::size_t>(round % 18) : (seed >> 8) % bytes.size();
            bytes[at] = static_cast<char>(seed >> 24);
        }
        RgbImage image;
        Outcome outcome = DecodeTga(bytes, image);
        if (outcome) {
            EXPECT_GE(image.width(), 1);
            EXPECT_EQ(image.byteCount(), static_cast<std::size_t>(image.width()) * image.height() * 3);
        } else {
            EXPECT_FALSE(outcome.message().empty());
        }
    }
}

}  // namespace
}  // namespace gw
