// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/trackfiles/StockFiles.h"

#include <cstdlib>

#include "core/io/FileText.h"
#include "core/io/VertexLine.h"
#include "core/piece/SkeletonText.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"
#include "core/trackfiles/FindTrackFile.h"

namespace gw {

std::string UserDataFolderFrom(const char* xdgDataHome, const char* home) {
    std::string base;
    if (xdgDataHome && *xdgDataHome) {
        base = xdgDataHome;
    } else if (home && *home) {
        base = JoinPath(JoinPath(home, ".local"), "share");
    } else {
        return std::string();
    }
    return JoinPath(JoinPath(base, "Rutwork"), "Gridwright");
}

std::string DefaultUserDataFolder() {
#ifdef _WIN32
    // Where Windows keeps each user's application data.
    return UserDataFolderFrom(std::getenv("APPDATA"), nullptr);
#else
    return UserDataFolderFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
#endif
}

std::string FindStockFile(const std::string& name, const std::string& userDataFolder,
                          const std::string& programFolder) {
    if (!userDataFolder.empty()) {
        std::string found = FindFileLoosely(userDataFolder, name);
        if (!found.empty()) return found;
    }
    if (programFolder.empty()) return std::string();
    return FindFileLoosely(programFolder, name);
}

std::string MakeFlatTerrainText() {
    const std::string skeleton = MakeSkeletonText(kTerrainLattice);
    const std::vector<std::string_view> lines = SplitAnyLines(skeleton);
    const std::string zero = PaddedNumberText(0.0);
    std::string text;
    text.reserve(skeleton.size());
    text += "\r\nNamed Object: \"flat\"\r\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (i + 1 < lines.size() && IsSkeletonVertexLine(line)) {
            text += GetElement(Compress(line), "Z:", 0);
            text += "Z: ";
            text += zero;
        } else {
            text += line;
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace gw
