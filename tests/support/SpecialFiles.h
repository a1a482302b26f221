// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that are not what a reader expects: a FIFO (a read would wait for a
// writer for ever), a device (/dev/zero never ends), a folder and a file one
// byte larger than its kind may be (sparse, so it costs no disk).
#include <string>

#include "core/io/InputFile.h"

namespace gw::test {

enum class SpecialKind { Fifo, Device, Folder, Oversized };
#if defined(_WIN32)
// Windows has no FIFOs in its file system and no endless device to name.
inline constexpr SpecialKind kSpecialKinds[] = {SpecialKind::Folder, SpecialKind::Oversized};
inline constexpr bool kHasFifosAndDevices = false;
#else
inline constexpr SpecialKind kSpecialKinds[] = {SpecialKind::Fifo, SpecialKind::Device, SpecialKind::Folder,
                                                SpecialKind::Oversized};
inline constexpr bool kHasFifosAndDevices = true;
#endif

struct SpecialFile {
    std::string path;
    std::string reason;  // what the refusal says after "Cannot read PATH: "
};

// Makes the file of that kind at path (the device is /dev/zero itself, so path
// is not used for it); cap decides the oversized file's size and its refusal.
SpecialFile MakeSpecialFile(SpecialKind kind, const std::string& path, const ReadCap& cap);

}  // namespace gw::test
