// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TGA files: every common variant is read (uncompressed and run-length encoded;
// true colour of 15, 16, 24 and 32 bits, grey, colour-mapped; all four origins);
// our own files are written as 24-bit uncompressed TGA with the bottom-left
// origin, the form every program reads.
#include <string>
#include <string_view>

#include "core/Outcome.h"
#include "core/image/RgbImage.h"

namespace gw {

// Reads a TGA file into image (alpha, where the file has it, is dropped). On
// failure image is left as it was and the message names the file and the reason:
// a missing file, a truncated or inconsistent file, an absurd size in the header.
Outcome ReadTgaFile(const std::string& path, RgbImage& image);

// The same on bytes in memory; the message gives the reason only.
Outcome DecodeTga(std::string_view bytes, RgbImage& image);

// The bytes of image as a 24-bit uncompressed TGA file (bottom-left origin).
std::string EncodeTga(const RgbImage& image);

// Writes image as a TGA file, safely (ReplaceFileContents): a failed write (disk
// full) leaves any previous file at path untouched. Fails with the file name and
// the system's reason; an empty image is refused.
Outcome WriteTgaFile(const std::string& path, const RgbImage& image);

}  // namespace gw
