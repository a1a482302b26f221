#include "core/convert/BuildNational.h"

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
};

// Each file is read once into an empty grid, however often the track uses it,
// so no piece inherits heights from the piece read before it.
class PieceCache {
public:
    const ReadPiece& Get(const std::string& path) {
        auto found = pieces_.find(path);
        if (found != pieces_.end()) return found->second;
        ReadPiece piece;
        PieceReadReport report = ReadPieceFile(path, piece.grid);
        piece.opened = report.opened;
        piece.problems = report.problemCount;
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
    for (int n = 1; n <= kTrackPieces; ++n) {
        const std::string section = "ElevationFile_" + std::to_string(n);
        const std::string name = elevationPath + PrivateValue(ter, section, "Name", "Not found");
        const double baseX = RoundHalfEven(ValueOfText(PrivateValue(ter, section, "BaseX", "0")));
        const double baseY = RoundHalfEven(ValueOfText(PrivateValue(ter, section, "BaseY", "0")));
        status.Status(PaddedNumberText(n) + " " + name);
        if (!ter.HasSection(section)) {
            build.notAdded.push_back({n, name, "the .TER has no section [" + section + "]"});
            continue;
        }
        const ReadPiece& piece = pieces.Get(finder.Resolve(name));
        if (!piece.opened) {
            build.notAdded.push_back({n, name, piece.opened.message()});
            continue;
        }
        build.vertexProblems += piece.problems;
        AddPieceToASC257(PlainNumberText(baseX - 128), PlainNumberText(baseY - 128), zBaseText, zScaleText,
                         piece.grid, grid);
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
        addLine(std::to_string(build.vertexProblems) + " vertex lines of the piece files named no cell and were skipped");
    }
    return text;
}

}  // namespace gw
