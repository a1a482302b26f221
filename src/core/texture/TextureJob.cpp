// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/texture/TextureJob.h"

#include <vector>

#include "core/ProgramFolder.h"
#include "core/text/FieldString.h"
#include "core/texture/TextureTexts.h"
#include "core/trackfiles/FindTrackFile.h"

namespace gw {

namespace {

// The comma-separated fields of a job text; a comma between double quotes does
// not separate.
std::vector<std::string> JobFields(std::string_view jobText) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : jobText) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            fields.emplace_back();
            continue;
        }
        fields.back() += c;
    }
    return fields;
}

std::string QuotedPart(const std::vector<std::string>& fields, std::size_t index) {
    if (index >= fields.size()) return std::string();
    return GetElement(TrimBlanks(fields[index]), "\"", 1);
}

}  // namespace

TextureJob ParseTextureJobText(std::string_view jobText) {
    const std::vector<std::string> fields = JobFields(jobText);
    return TextureJob{QuotedPart(fields, 0), QuotedPart(fields, 1)};
}

std::string MakeTextureJobText(const std::string& terPath, const std::string& outputFolder) {
    if (terPath.empty()) return std::string();
    return "\"" + terPath + "\",\"" + outputFolder + "\"";
}

std::string ConversionTexturePath(const std::string& outputFolder, const std::string& terPath) {
    const std::string folder = outputFolder.empty() ? FolderOfPath(terPath) : outputFolder;
    return JoinPath(folder, GetBaseName(terPath) + kTextureSuffix);
}

std::string MenuTexturePath(const std::string& terPath) {
    return FolderOfPath(terPath) + GetBaseName(terPath) + kTextureSuffix;
}

std::string TextureLogPath(const std::string& texturePath) { return FolderOfPath(texturePath) + kTextureLogName; }

FileBoxRequest TerFileBox(bool terFolderRemembered, const std::string& trackFolder) {
    FileBoxRequest box;
    box.title = kTerBoxTitle;
    box.filter = kTerBoxFilter;
    box.defaultExtension = kTerBoxExtension;
    if (terFolderRemembered) box.initialFolder = trackFolder;
    return box;
}

}  // namespace gw
