// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Heightmap files. Written: 16-bit greyscale PNG (the lowest and highest heights
// recorded in its text chunks "MinZ" and "MaxZ") or raw 16-bit little-endian
// samples. Read: any PNG (8-bit, palette and colour images as their grey value,
// transparency dropped) and raw files whose side follows from their size.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/heightmap/Heightmap.h"

namespace gw {

enum class HeightmapFormat { Png, Raw, Unknown };

// By the extension, in any letter case: .png, or .r16 and .raw.
HeightmapFormat HeightmapFormatOf(const std::string& path);

// The text-chunk keys of the heights drawn black and white.
inline constexpr const char* kHeightmapLowestKey = "MinZ";
inline constexpr const char* kHeightmapHighestKey = "MaxZ";

// Largest PNG file read: a 8192 x 8192 picture of 16-bit colour with
// transparency, stored without compression, stays below it.
inline constexpr std::uintmax_t kMaxHeightmapPngBytes = std::uintmax_t{1} << 30;

// Reads the heightmap at path, its format by the extension. Only a regular
// file is read; one that is damaged, truncated, larger than
// Heightmap::kMaxSide on a side or (raw) not a square is refused with a
// message naming the file and the reason.
HeightmapRead ReadHeightmapFile(const std::string& path);

// The same on bytes in memory, and on a PNG file open for reading (libpng takes
// what it needs as it goes; the file is never copied into memory). The message
// gives the reason only, the note says what was converted.
HeightmapRead DecodeHeightmapPng(std::string_view bytes);
HeightmapRead DecodeHeightmapPng(std::FILE* file);
HeightmapRead DecodeHeightmapRaw(std::string_view bytes);

// The bytes of a 16-bit greyscale PNG holding map, with heights recorded.
Outcome EncodeHeightmapPng(const Heightmap& map, const HeightRange& heights, std::string& bytes);
// The samples as raw 16-bit little-endian values, top row first.
std::string EncodeHeightmapRaw(const Heightmap& map);

// Writes map in the format of path's extension (heights go into a PNG only),
// complete under a temporary name first, so a failed write leaves a previous
// file untouched.
Outcome WriteHeightmapFile(const std::string& path, const Heightmap& map, const HeightRange& heights);

}  // namespace gw
