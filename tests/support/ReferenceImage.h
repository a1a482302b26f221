// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reference pictures for the image tests: PNG files decoded by the stb_image
// compiled into the core, and small pictures whose every pixel differs.
#include <string>

#include "core/image/RgbImage.h"

namespace gw::test {

// Decodes a PNG file to RGB (alpha dropped); an empty image when it cannot.
RgbImage ReadPngReference(const std::string& path);

// width x height pixels, each with its own colour: red = x, green = y, blue a
// mix of both, so any misplaced pixel shows.
RgbImage DistinctImage(int width, int height);

// The first pixel where a and b differ, as "(x, y): 0xRRGGBB vs 0xRRGGBB", or
// the sizes when they differ; empty when the images are equal.
std::string FirstDifference(const RgbImage& a, const RgbImage& b);

// The largest difference of one channel between two images of the same size.
int LargestChannelDifference(const RgbImage& a, const RgbImage& b);

std::string TestDataPath(const std::string& relative);

}  // namespace gw::test
