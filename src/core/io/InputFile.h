// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the core opens a file that it reads. Only a regular file is read:
// a folder, a FIFO, a socket or a device (/dev/zero) is refused before a byte is
// read, and opening never waits for a writer at the other end of a FIFO. No
// reader takes more bytes than the cap of its kind of file, whatever the file
// claims, so a hostile or mistaken file cannot fill the memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Outcome.h"

namespace gw {

// How many bytes a reader takes from one kind of file, and the kind's name for
// the refusal ("a piece file").
struct ReadCap {
    std::uint64_t bytes;
    const char* kind;
};

inline constexpr std::uint64_t kMebibyte = std::uint64_t{1} << 20;

// Each cap is a generous multiple of the largest real file of its kind.
// A piece file is about 40 KB: 289 vertex lines and 512 faces.
inline constexpr ReadCap kPieceFileCap{4 * kMebibyte, "a piece file"};
// A .TER naming 256 pieces and their textures is about 30 KB; a .TRK or .SCN is smaller.
inline constexpr ReadCap kTrackFileCap{4 * kMebibyte, "a track description file"};
// An ASC257 terrain is about 12 MB: 66,049 vertex lines and 131,072 faces.
inline constexpr ReadCap kTerrainFileCap{256 * kMebibyte, "a terrain file"};
// A tile is 62 x 62 pixels and a skeleton image 1016 x 1016; the TGA reader
// decodes up to 4096 x 4096 (kMaxTgaPixels), which uncompressed at 32 bits is
// 64 MiB, plus room for the header, colour map and footer.
inline constexpr ReadCap kTgaFileCap{65 * kMebibyte, "a TGA image"};
// The stock files copied into a conversion's folder: .TER, .SCN and flat.asc, a terrain.
inline constexpr ReadCap kStockFileCap = kTerrainFileCap;

class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens path when it is a regular file of at most cap.bytes. Fails with the
    // path and the reason: the system's, "it is a FIFO, not a regular file", or
    // that it is larger than its kind of file can be.
    Outcome Open(const std::string& path, const ReadCap& cap);

    // Reads up to size bytes into to; fewer only at the end of the file or when
    // reading failed (failure() then says why; the bytes before it are given).
    // A file that grows past its cap while it is read fails too.
    std::size_t Read(char* to, std::size_t size);

    // The file's size when it was opened.
    std::uint64_t size() const { return size_; }
    const Outcome& failure() const { return failure_; }

    void Close();

private:
    int fd_ = -1;
    std::string path_;
    ReadCap cap_{0, ""};
    std::uint64_t size_ = 0;
    std::uint64_t read_ = 0;
    Outcome failure_ = Outcome::Ok();
};

}  // namespace gw
