// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/heightmap/HeightmapMenu.h"

#include "core/heightmap/HeightmapFile.h"
#include "core/text/FieldString.h"

namespace gw {

bool ParseHeightsAnswer(const std::string& answer, HeightRange& heights) {
    if (!GetElement(answer, ",", 2).empty() || answer.find(',') == std::string::npos) return false;
    return ParseExactNumber(TrimBlanks(GetElement(answer, ",", 0)), heights.lowest) &&
           ParseExactNumber(TrimBlanks(GetElement(answer, ",", 1)), heights.highest);
}

std::optional<HeightmapImport> AskHeightmapImport(Prompter& prompter, const std::string& folder) {
    FileBoxRequest request;
    request.title = kImportHeightmapTitle;
    request.filter = kHeightmapFilter;
    request.defaultExtension = ".png";
    request.initialFolder = folder;
    HeightmapImport import;
    import.path = prompter.OpenFileName(request);
    if (import.path.empty()) return std::nullopt;
    HeightmapRead read = ReadHeightmapFile(import.path);
    if (!read.outcome) {
        prompter.Warning(read.outcome.message(), kImportHeightmapTitle);
        return std::nullopt;
    }
    if (!read.note.empty()) prompter.Message(import.path + ": " + read.note, kImportHeightmapTitle);
    const HeightRange proposed = ImportHeights(GivenHeights{}, read.recorded);
    const std::string answer =
        prompter.Input(kHeightmapHeightsPrompt, kImportHeightmapTitle,
                       ExactNumberText(proposed.lowest) + ", " + ExactNumberText(proposed.highest));
    if (TrimBlanks(answer).empty()) return std::nullopt;
    if (!ParseHeightsAnswer(answer, import.heights)) {
        prompter.Warning(
            "Enter the heights of black and white as two numbers, for example 0, 20. You entered (" + answer + ")",
            kImportHeightmapTitle);
        return std::nullopt;
    }
    import.map = std::move(read.map);
    return import;
}

std::string AskHeightmapExport(Prompter& prompter, const std::string& folder, const std::string& proposedName,
                               const HeightmapExport& exported) {
    FileBoxRequest request;
    request.title = kExportHeightmapTitle;
    request.filter = kHeightmapFilter;
    request.defaultExtension = ".png";
    request.initialFolder = folder;
    request.fileName = proposedName;
    const std::string path = prompter.SaveFileName(request);
    if (path.empty()) return path;
    const Outcome written = WriteHeightmapFile(path, exported.map, exported.heights);
    if (!written) {
        prompter.Warning(written.message(), kExportHeightmapTitle);
        return std::string();
    }
    return path;
}

}  // namespace gw
