// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/heightmap/HeightmapFile.h"

#include <cerrno>
#include <filesystem>
#include <memory>

#include "core/io/FileText.h"
#include "core/io/InputFile.h"
#include "core/io/ReplaceFile.h"
#include "core/text/FieldString.h"

namespace gw {

namespace {

constexpr std::uintmax_t kMaxRawBytes = std::uintmax_t{Heightmap::kMaxSide} * Heightmap::kMaxSide * 2;

// Only a regular file is read: a FIFO would keep the reader waiting, a device
// would never end. Checked before the file is opened; a missing file is left to
// the open, which names the system's reason.
Outcome CheckHeightmapFile(const std::string& path, std::uintmax_t maxBytes, const std::string& tooLarge) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return Outcome::Ok();
    if (fs::is_directory(status)) return Outcome::Fail("Cannot read " + path + ": " + SystemReason(EISDIR));
    if (!fs::is_regular_file(status)) return Outcome::Fail("Cannot read " + path + ": it is not a regular file");
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > maxBytes) return Outcome::Fail("Cannot read " + path + ": " + tooLarge);
    return Outcome::Ok();
}

HeightmapRead Refused(Outcome outcome) {
    HeightmapRead result;
    result.outcome = std::move(outcome);
    return result;
}

HeightmapRead ReadRaw(const std::string& path) {
    const Outcome checked = CheckHeightmapFile(path, kMaxRawBytes,
                                               "it holds more than " + std::to_string(Heightmap::kMaxSide) + " x " +
                                                   std::to_string(Heightmap::kMaxSide) + " samples");
    if (!checked) return Refused(checked);
    std::string bytes;
    if (Outcome read = ReadFileBytes(path, ReadCap{kMaxRawBytes, "a raw heightmap"}, bytes); !read)
        return Refused(read);
    HeightmapRead result = DecodeHeightmapRaw(bytes);
    if (!result.outcome) result.outcome = Outcome::Fail("Cannot read " + path + ": " + result.outcome.message());
    return result;
}

HeightmapRead ReadPng(const std::string& path) {
    const Outcome checked = CheckHeightmapFile(path, kMaxHeightmapPngBytes, "the file is larger than 1 GiB");
    if (!checked) return Refused(checked);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return Refused(Outcome::Fail("Cannot open " + path + ": " + SystemReason()));
    HeightmapRead result = DecodeHeightmapPng(file.get());
    if (!result.outcome) result.outcome = Outcome::Fail("Cannot read " + path + ": " + result.outcome.message());
    if (!result.note.empty()) result.note = path + ": " + result.note;
    return result;
}

}  // namespace

HeightmapFormat HeightmapFormatOf(const std::string& path) {
    const std::string extension = UpperAscii(std::filesystem::path(path).extension().string());
    if (extension == ".PNG") return HeightmapFormat::Png;
    if (extension == ".R16" || extension == ".RAW") return HeightmapFormat::Raw;
    return HeightmapFormat::Unknown;
}

HeightmapRead ReadHeightmapFile(const std::string& path) {
    switch (HeightmapFormatOf(path)) {
        case HeightmapFormat::Png: return ReadPng(path);
        case HeightmapFormat::Raw: return ReadRaw(path);
        case HeightmapFormat::Unknown: break;
    }
    return Refused(Outcome::Fail("Cannot read " + path + ": a heightmap is a .png, .r16 or .raw file"));
}

Outcome WriteHeightmapFile(const std::string& path, const Heightmap& map, const HeightRange& heights) {
    std::string bytes;
    switch (HeightmapFormatOf(path)) {
        case HeightmapFormat::Png:
            if (Outcome encoded = EncodeHeightmapPng(map, heights, bytes); !encoded) {
                return Outcome::Fail("Cannot write " + path + ": " + encoded.message());
            }
            break;
        case HeightmapFormat::Raw:
            if (map.samples.empty()) return Outcome::Fail("Cannot write " + path + ": the heightmap is empty");
            bytes = EncodeHeightmapRaw(map);
            break;
        case HeightmapFormat::Unknown:
            return Outcome::Fail("Cannot write " + path + ": a heightmap is written as .png, .r16 or .raw");
    }
    return ReplaceFileContents(path, bytes);
}

}  // namespace gw
