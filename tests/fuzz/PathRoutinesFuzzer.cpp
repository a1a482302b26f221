// SPDX-License-Identifier: GPL-3.0-or-later
// The path routines on any text, as they meet paths written into track files
// and names picked in file boxes: results are parts of the path, and the piece
// name's parts put together are the file name again.
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "core/io/Paths.h"
#include "core/piece/PiecePath.h"
#include "core/trackfiles/GameFolder.h"

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool HasSeparator(std::string_view text) { return std::any_of(text.begin(), text.end(), gw::IsPathSeparator); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path = gw::fuzz::AsText(data, size);

    const std::string fileName = gw::GetFileName(path);
    GW_FUZZ_CHECK(Contains(path, fileName));
    GW_FUZZ_CHECK(!HasSeparator(fileName));
    const std::string baseName = gw::GetBaseName(path);
    const std::string extension = gw::GetExtension(path);
    GW_FUZZ_CHECK(Contains(fileName, baseName) && Contains(fileName, extension));
    GW_FUZZ_CHECK(!Contains(baseName, ".") && !Contains(extension, "."));
    // The routines take the path with its separators made single.
    const std::string normal = gw::NormalSeparators(path);
    GW_FUZZ_CHECK(normal.size() <= path.size() && Contains(normal, fileName));
    const std::string directory = gw::GetDirectory(path);
    GW_FUZZ_CHECK(directory.size() <= path.size());
    GW_FUZZ_CHECK(directory == path || normal.substr(0, directory.size()) == directory);

    const gw::PiecePathParts parts = gw::SplitPiecePath(path);
    GW_FUZZ_CHECK(parts.kind.empty() || parts.kind == "N" || parts.kind == "NS" || parts.kind == "NSEW");
    GW_FUZZ_CHECK(gw::PieceKindOf(baseName).size() <= baseName.size());
    GW_FUZZ_CHECK(parts.folder.size() <= path.size() + 1);

    const std::string folder = gw::FolderOfPath(std::string(path));
    GW_FUZZ_CHECK(path.substr(0, folder.size()) == folder);
    const std::string value = gw::WindowsFolderForm(path);
    GW_FUZZ_CHECK(value.size() >= path.size() && value.find('/') == std::string::npos);
    GW_FUZZ_CHECK(path.empty() || value.back() == '\\');
    return 0;
}
