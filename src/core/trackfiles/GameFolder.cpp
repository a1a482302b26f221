// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/trackfiles/GameFolder.h"

#include <algorithm>
#include <filesystem>

#include "core/text/FieldString.h"

namespace gw {

std::string WindowsFolderForm(std::string_view folder) {
    std::string form(folder);
    std::replace(form.begin(), form.end(), '/', '\\');
    if (!form.empty() && form.back() != '\\') form += '\\';
    return form;
}

std::string GameFolderFor(const std::string& outputFolder, const std::string& gameFolder) {
    const std::string given = TrimBlanks(gameFolder);
    if (!given.empty()) return WindowsFolderForm(given);
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(outputFolder, ec);
    const std::string folder = ec ? outputFolder : absolute.lexically_normal().string();
#ifdef _WIN32
    return WindowsFolderForm(folder);
#else
    return "Z:" + WindowsFolderForm(folder);
#endif
}

}  // namespace gw
