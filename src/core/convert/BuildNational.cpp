// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert/BuildNational.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <string_view>

#include "core/piece/PieceFile.h"
#include "core/terrain/AddPiece.h"
#include "core/text/NumberText.h"
#include "core/trackfiles/FindTrackFile.h"
#include "core/trackfiles/ProfileFile.h"

namespace gw {

namespace {

// One key as the game's profile reader returns it: the default without its
// trailing blanks when the key is missing, and never more than 254 characters.
std::string PrivateValue(const ProfileDocument& document, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    std::string value = document.Get(section, key, defaultValue);
    if (value.size() > kMaxPrivateValueLength) value.resize(kMaxPrivateValueLength);
    return value;
}

struct ReadPiece {
    PieceGrid grid;
    Outcome opened = Outcome::Ok();
    long long problems = 0;
    bool withoutVertices = false;
    bool counted = false;  // its lack of vertices is already listed
};

// Each file is read once into an empty grid, however often the track uses it,
// so no piece inherits heights from the piece read before it.
class PieceCache {
public:
    ReadPiece& Get(const std::string& path) {
        auto found = pieces_.find(path);
        if (found != pieces_.end()) return found->second;
        ReadPiece piece;
        PieceReadReport report = ReadPieceFile(path, piece.grid);
        piece.opened = report.opened;
        piece.problems = report.problemCount;
        piece.withoutVertices = report.opened && report.verticesStored == 0 && report.problemCount == 0;
        return pieces_.emplace(path, std::move(piece)).first->second;
    }

private:
    std::map<std::string, ReadPiece> pieces_;
};

}  // namespace

NationalBuild BuildNationalFromTer(const std::string& terFile, const std::string& zBaseText,
                                   const std::string& zScaleText, NationalGrid& grid, StatusSink& status) {
    NationalBuild build;
    ProfileDocument ter;
    build.terRead = ProfileDocument::Load(terFile, ter);
    if (!build.terRead) return build;

    TrackFileFinder finder(terFile);
    PieceCache pieces;
    const std::string elevationPath = PrivateValue(ter, "ElevationData", "ElevationPath", "Not found");
    const std::string missingName = elevationPath + "Not found";
    // The section name and the progress text of each of the 256 places are
    // built in place, without an allocation.
    constexpr std::string_view kSectionPrefix = "ElevationFile_";
    char sectionBuffer[kSectionPrefix.size() + 4];
    kSectionPrefix.copy(sectionBuffer, kSectionPrefix.size());
    std::string progress;
    for (int n = 1; n <= kTrackPieces; ++n) {
        char* const digits = sectionBuffer + kSectionPrefix.size();
        const char* const digitsEnd = std::to_chars(digits, sectionBuffer + sizeof sectionBuffer, n).ptr;
        const std::string_view section(sectionBuffer, static_cast<std::size_t>(digitsEnd - sectionBuffer));
        // A missing section gives every key its default: nothing to look up.
        const bool present = ter.HasSection(section);
        std::string name = present ? elevationPath + PrivateValue(ter, section, "Name", "Not found") : missingName;
        // PaddedNumberText of a whole number: a blank and its digits.
        progress.assign(" ").append(digits, static_cast<std::size_t>(digitsEnd - digits)).append(" ").append(name);
        status.Status(progress);
        if (!present) {
            constexpr std::string_view kNoSection = "the .TER has no section [";
            std::string reason;
            reason.reserve(kNoSection.size() + section.size() + 1);  // one allocation, however long
            reason.append(kNoSection).append(section).append("]");
            build.notAdded.push_back({n, std::move(name), std::move(reason)});
            continue;
        }
        const double baseX = RoundHalfEven(ValueOfText(PrivateValue(ter, section, "BaseX", "0")));
        const double baseY = RoundHalfEven(ValueOfText(PrivateValue(ter, section, "BaseY", "0")));
        const std::string path = finder.Resolve(name);
        ReadPiece& piece = pieces.Get(path);
        if (!piece.opened) {
            build.notAdded.push_back({n, name, piece.opened.message()});
            continue;
        }
        build.vertexProblems += piece.problems;
        if (piece.withoutVertices && !piece.counted) {
            build.filesWithoutVertices.push_back(path);
            piece.counted = true;
        }
        const AddPieceCount count = AddPieceToASC257(PlainNumberText(baseX - 128), PlainNumberText(baseY - 128),
                                                     zBaseText, zScaleText, piece.grid, grid);
        build.cellsNotFinite += count.cellsNotFinite;
        if (count.cellsChanged + count.cellsNotFinite == 0) ++build.piecesOffTerrain;
        ++build.piecesAdded;
    }
    return build;
}

std::vector<std::string> TrackPieceFiles(const std::string& terFile) {
    std::vector<std::string> files;
    ProfileDocument ter;
    if (!ProfileDocument::Load(terFile, ter)) return files;
    TrackFileFinder finder(terFile);
    const std::string elevationPath = PrivateValue(ter, "ElevationData", "ElevationPath", "Not found");
    for (int n = 1; n <= kTrackPieces; ++n) {
        const std::string section = "ElevationFile_" + std::to_string(n);
        if (!ter.HasSection(section)) continue;
        const std::string path = finder.Resolve(elevationPath + PrivateValue(ter, section, "Name", "Not found"));
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) files.push_back(path);
    }
    return files;
}

std::string NationalBuildProblemsText(const NationalBuild& build, std::size_t maxLines) {
    std::string text;
    auto addLine = [&text](const std::string& line) {
        if (!text.empty()) text += "\n";
        text += line;
    };
    if (!build.terRead) return build.terRead.message();
    for (std::size_t i = 0; i < build.notAdded.size() && i < maxLines; ++i) {
        const PieceNotAdded& piece = build.notAdded[i];
        addLine("Piece " + std::to_string(piece.number) + " " + piece.name + " not added: " + piece.reason);
    }
    if (build.notAdded.size() > maxLines) {
        addLine("... and " + std::to_string(build.notAdded.size() - maxLines) + " more pieces not added");
    }
    if (build.vertexProblems > 0) {
        addLine(std::to_string(build.vertexProblems) +
                " vertex lines of the piece files named no cell and were skipped");
    }
    if (build.cellsNotFinite > 0) addLine(NotFiniteCellsText(build.cellsNotFinite));
    return text;
}

}  // namespace gw
