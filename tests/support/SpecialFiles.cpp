// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SpecialFiles.h"

#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

#include "support/TempDir.h"

namespace gw::test {

SpecialFile MakeSpecialFile(SpecialKind kind, const std::string& path, const ReadCap& cap) {
    switch (kind) {
        case SpecialKind::Fifo:
#if defined(_WIN32)
            throw std::logic_error("no FIFOs on Windows");
#else
            if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("cannot make a FIFO at " + path);
#endif
            return {path, "it is a FIFO, not a regular file"};
        case SpecialKind::Device: return {"/dev/zero", "it is a device, not a regular file"};
        case SpecialKind::Folder: std::filesystem::create_directory(path); return {path, "Is a directory"};
        case SpecialKind::Oversized:
            WriteAll(path, "");
            std::filesystem::resize_file(path, cap.bytes + 1);
            return {path, std::string("it is larger than ") + cap.kind + " can be (at most " +
                              std::to_string(cap.bytes) + " bytes)"};
    }
    throw std::logic_error("unknown kind");
}

}  // namespace gw::test
