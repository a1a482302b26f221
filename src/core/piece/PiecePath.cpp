// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/piece/PiecePath.h"

#include "core/text/FieldString.h"

namespace gw {

std::string PieceKindOf(std::string_view baseName) {
    if (baseName.size() < 2) return std::string();
    const std::string upper = UpperAscii(baseName);
    auto endsWith = [&](std::string_view suffix) {
        return upper.size() >= suffix.size() && upper.compare(upper.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (endsWith("NSEW")) return "NSEW";
    if (endsWith("NS")) return "NS";
    if (endsWith("N")) return "N";
    return std::string();
}

PiecePathParts SplitPiecePath(std::string_view path) {
    PiecePathParts parts;
    const std::string fileName = GetFileName(path);
    const std::string base = GetBaseName(fileName);
    parts.folder = GetDirectory(path);
    parts.extension = GetExtension(fileName);
    parts.kind = PieceKindOf(base);
    parts.name = base.substr(0, base.size() - parts.kind.size());
    return parts;
}

}  // namespace gw
