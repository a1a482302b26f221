// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/image/TgaFile.h"
#include "support/CaseTable.h"
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
        ASSERT_EQ(std::pair(read.width(), read.height()), std::pair(expected.width(), expected.height())) << tga;
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

// Each broken file is refused with its reason, none crashes, and a failed read leaves the image alone.
TEST(TgaReader, RefusesBrokenFilesWithTheirReason) {
    for (const test::CaseRow& c : test::ReadCaseTable("tga/refusals.txt")) {
        const auto& [file, reason] = std::tie(c[0], c[1]);
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

// Every cut of a file without a footer is refused: the reader never makes up missing pixels.
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

// Damaged files (bytes of the header and of the pixels changed at random) give
// a picture of the header's size or a refusal with a reason, never a crash.
TEST(TgaReader, DamagedBytesNeverCrash) {
    const std::string original = test::ReadAll(TgaData("pillow/200x32_p_tl_rle.tga"));
    std::uint32_t seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = original;
        for (int hit = 0; hit < 3; ++hit) {
            seed = seed * 1664525u + 1013904223u;
            const std::size_t at = round < 200 ? static_cast<std::size_t>(round % 18) : (seed >> 8) % bytes.size();
            bytes[at] = static_cast<char>(seed >> 24);
        }
        RgbImage image;
        const Outcome outcome = DecodeTga(bytes, image);
        if (outcome) {
            EXPECT_EQ(image.byteCount(), static_cast<std::size_t>(image.width()) * image.height() * 3) << round;
        } else {
            EXPECT_FALSE(outcome.message().empty()) << round;
        }
    }
}

}  // namespace
}  // namespace gw
