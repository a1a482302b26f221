// SPDX-License-Identifier: GPL-3.0-or-later
// Our TGA files as another program (ImageMagick's convert) reads them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/image/TgaFile.h"
#include "support/ReferenceImage.h"
#include "support/TempDir.h"

namespace gw {
namespace {

std::string FindConvert() {
#ifndef _WIN32  // under Wine the build machine's ImageMagick, a Linux program, cannot be started
    // The packaged ImageMagick first; a locally installed one otherwise.
    for (const char* candidate : {"/usr/bin/convert", "/usr/local/bin/convert"}) {
        if (test::Exists(candidate)) return candidate;
    }
#endif
    return "";
}

// What we write, ImageMagick reads as the same picture. (Reading what other
// programs write is proven by the TGA reader's tests on their files.)
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
