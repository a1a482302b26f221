// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a piece's file name is taken apart: folder, name, kind suffix, extension.
#include <string>
#include <string_view>

namespace gw {

// "NSEW", "NS", "N" or empty, from the end of a base name, ignoring letter case.
std::string PieceKindOf(std::string_view baseName);

struct PiecePathParts {
    std::string folder;     // with its closing separator
    std::string name;       // base name less the kind suffix, case kept
    std::string extension;  // without its period
    std::string kind;       // "NSEW", "NS", "N" or empty
};

PiecePathParts SplitPiecePath(std::string_view path);

// The text shown when a file that is not a north file is opened.
inline constexpr const char* kNorthFileOnlyMessage =
    "Please only edit the North file (N), the North-South file (NS), or the "
    "North-South-East-West file (NSEW)";

}  // namespace gw
