// TGA files written by another program (ImageMagick's convert) in every variant
// it can write, each made at test time from a picture whose pixels we know.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/image/TgaFile.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

std::string FindConvert() {
    for (const char* candidate : {"/usr/local/bin/convert", "/usr/bin/convert"}) {
        if (test::Exists(candidate)) return candidate;
    }
    return "";
}

// A picture with few enough colours for a colour map, none of them alike.
RgbImage FewColours(bool grey) {
    RgbImage image;
    image.Create(37, 23);  // odd sizes: no row padding, no lucky symmetry
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int v = (x * 5 + y * 3) % 60;
            if (grey) {
                image.SetGrey(x, y, static_cast<std::uint8_t>(v * 4 + 3));
            } else {
                image.SetPixel(x, y, static_cast<std::uint8_t>(v * 4), static_cast<std::uint8_t>(255 - v * 3),
                               static_cast<std::uint8_t>((v * 37) % 256));
            }
        }
    }
    return image;
}

// The header fields that tell the variants apart: image type, bits, descriptor.
std::string HeaderKind(const std::string& bytes) {
    if (bytes.size() < 18) return "short";
    return "type " + std::to_string(static_cast<unsigned char>(bytes[2])) + ", " +
           std::to_string(static_cast<unsigned char>(bytes[16])) + " bits, descriptor " +
           std::to_string(static_cast<unsigned char>(bytes[17]));
}

TEST(TgaToolCompat, ReadsWhatImageMagickWrites) {
    const std::string convert = FindConvert();
    if (convert.empty()) GTEST_SKIP() << "ImageMagick's convert is not installed";

    // ImageMagick 6 writes a TGA's rows in the order it holds them and only
    // labels the origin, and it holds a bottom-left file bottom row first. So
    // each origin is made from the upright picture (-auto-orient) with the rows
    // put into that origin's order before the label is set.
    const std::string bottomLeft = "-auto-orient -flip -orient BottomLeft";
    const std::string topLeft = "-auto-orient -orient TopLeft";
    const std::string topRight = "-auto-orient -flop -orient TopRight";
    const std::string bottomRight = "-auto-orient -rotate 180 -orient BottomRight";
    // Every image type and origin once.
    struct Case {
        bool grey;
        std::string options;
        std::string header;  // what convert must have written, so the case tests what it says
    };
    const Case cases[] = {
        {false, bottomLeft + " -alpha off", "type 2, 24 bits, descriptor 0"},
        {false, bottomLeft + " -alpha off -compress RLE", "type 10, 24 bits, descriptor 0"},
        {false, topLeft + " -alpha on", "type 2, 32 bits, descriptor 40"},
        {false, topRight + " -alpha off -compress RLE", "type 10, 24 bits, descriptor 48"},
        {false, bottomRight + " -alpha on -compress RLE", "type 10, 32 bits, descriptor 24"},
        {false, bottomLeft + " -type Palette", "type 1, 8 bits, descriptor 0"},
        {false, topRight + " -type Palette -compress RLE", "type 9, 8 bits, descriptor 48"},
        {true, bottomLeft + " -type Grayscale", "type 3, 8 bits, descriptor 0"},
        {true, topLeft + " -type Grayscale -compress RLE", "type 11, 8 bits, descriptor 32"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        const RgbImage source = FewColours(c.grey);
        const std::string in = dir.File("source.tga");
        const std::string out = dir.File("variant.tga");
        ASSERT_TRUE(WriteTgaFile(in, source));
        const std::string command = convert + " " + in + " " + c.options + " " + out + " 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        EXPECT_EQ(HeaderKind(test::ReadAll(out)), c.header) << c.options;
        RgbImage read;
        Outcome outcome = ReadTgaFile(out, read);
        ASSERT_TRUE(outcome) << c.options << ": " << outcome.message();
        EXPECT_EQ(test::FirstDifference(read, source), "") << c.options;
    }
}

// And the other way: what we write, ImageMagick reads as the same picture.
TEST(TgaToolCompat, ImageMagickReadsWhatWeWrite) {
    const std::string convert = FindConvert();
    if (convert.empty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    test::TempDir dir;
    const RgbImage source = test::DistinctImage(31, 17);
    ASSERT_TRUE(WriteTgaFile(dir.File("ours.tga"), source));
    // A binary PPM holds the plain RGB bytes, top row first.
    const std::string command = convert + " " + dir.File("ours.tga") + " -auto-orient " + dir.File("theirs.ppm");
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string ppm = test::ReadAll(dir.File("theirs.ppm"));
    const std::string header = "P6\n31 17\n255\n";
    ASSERT_EQ(ppm.substr(0, header.size()), header);
    EXPECT_EQ(ppm.substr(header.size()),
              std::string(reinterpret_cast<const char*>(source.data()), source.byteCount()));
}

}  // namespace
}  // namespace gw
