#include "core/piece/PieceFile.h"

#include <cmath>
#include <cstdint>

#include "core/io/FileText.h"
#include "core/io/ReplaceFile.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

// A first line longer than this marks a file written with LF line ends.
constexpr std::size_t kLongestFirstLine = 256;

struct VertexFields {
    std::string compressed;  // the line with its blanks collapsed and trimmed
    double x = 0, y = 0;
};

VertexFields ParseVertexLine(std::string_view line) {
    VertexFields fields;
    fields.compressed = TrimBlanks(Compress(line));
    fields.x = ValueOfText(GetElement(fields.compressed, " ", 3));
    fields.y = ValueOfText(GetElement(fields.compressed, " ", 5));
    return fields;
}

class PieceReader {
public:
    PieceReader(PieceGrid& grid, PieceReadReport& report) : grid_(grid), report_(report) {}

    void Handle(std::string_view line) {
        if (line.find("X:") == std::string_view::npos) return;
        VertexFields fields = ParseVertexLine(line);
        std::int64_t ix = 0, iy = 0;
        if (!RoundToIndex(std::fabs(fields.x) / 1.5, ix) || !RoundToIndex(std::fabs(fields.y) / 1.5, iy)) {
            Problem(fields.compressed, "its X or Y is not a usable number");
            return;
        }
        // A file holding two pieces one above the other (Y up to 48) is folded
        // onto one: from the first vertex beyond the piece on, the upper half
        // is taken sixteen rows down.
        if (iy >= 17) folding_ = true;
        if (folding_ && iy >= 16) iy -= 16;
        const std::int64_t column = ix + 1;
        const std::int64_t row = 17 - iy;
        if (!PieceGrid::InStorage(column, row)) {
            Problem(fields.compressed, "it lies outside the piece grid");
            return;
        }
        grid_.Z(static_cast<int>(column), static_cast<int>(row)) =
            ValueOfText(GetElement(fields.compressed, " ", 7));
        ++report_.verticesStored;
    }

private:
    void Problem(const std::string& line, const std::string& why) {
        ++report_.problemCount;
        if (report_.problems.size() < PieceReadReport::kMaxProblems) {
            constexpr std::size_t kShown = 80;
            std::string shown = line.size() > kShown ? line.substr(0, kShown) + "..." : line;
            report_.problems.push_back("Vertex not stored, " + why + ": " + shown);
        }
    }

    PieceGrid& grid_;
    PieceReadReport& report_;
    bool folding_ = false;
};

}  // namespace

PieceReadReport ReadPieceText(std::string_view bytes, PieceGrid& grid) {
    PieceReadReport report;
    PieceReader reader(grid, report);
    std::string_view firstLine = bytes.substr(0, std::min(bytes.find('\r'), bytes.size()));
    if (firstLine.size() <= kLongestFirstLine) {
        // Line by line; the last line is never handled (in a piece file it
        // belongs to the face list), so each line is handled once the next exists.
        bool havePending = false;
        std::string_view pending;
        ForEachCrLine(bytes, [&](std::string_view line) {
            if (havePending) reader.Handle(pending);
            pending = line;
            havePending = true;
        });
    } else {
        // LF-separated: only the text of that first line is walked, and the walk
        // ends as the last piece is taken, so that piece is not handled.
        std::int64_t position = 1;
        const auto length = static_cast<std::int64_t>(firstLine.size());
        for (;;) {
            std::string piece = GetNextElement(firstLine, "\n", position);
            if (position >= length) break;
            reader.Handle(piece);
        }
    }
    return report;
}

PieceReadReport ReadPieceFile(const std::string& path, PieceGrid& grid) {
    std::string bytes;
    Outcome read = ReadFileBytes(path, bytes);
    if (!read) {
        PieceReadReport report;
        report.opened = read;
        return report;
    }
    return ReadPieceText(bytes, grid);
}

bool IsSkeletonVertexLine(std::string_view line) {
    return line.find("Vertex") != std::string_view::npos && line.find("X:") != std::string_view::npos;
}

std::string BuildPieceFileText(std::string_view skeleton, const PieceGrid& grid,
                               const std::string& objectName) {
    std::string out;
    out.reserve(skeleton.size() + 4096);
    out += "\r\nNamed Object: \"" + objectName + "\"\r\n";
    std::vector<std::string_view> lines = SplitAnyLines(skeleton);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        const bool last = i + 1 == lines.size();
        if (!last && IsSkeletonVertexLine(line)) {
            VertexFields fields = ParseVertexLine(line);
            std::int64_t column = 0, row = 0;
            if (RoundToIndex(std::fabs(fields.x) / 1.5 + 1, column) &&
                RoundToIndex(18 - (1 + std::fabs(fields.y) / 1.5), row) &&
                PieceGrid::InStorage(column, row)) {
                out += GetElement(fields.compressed, "Z:", 0);
                out += "Z: ";
                out += PaddedNumberText(grid.Z(static_cast<int>(column), static_cast<int>(row)));
                out += "\r\n";
                continue;
            }
            // A skeleton vertex outside the grid cannot come from our skeleton;
            // it is copied as it stands.
        }
        out += line;
        out += "\r\n";
    }
    return out;
}

Outcome WritePieceFile(const std::string& skeletonPath, const std::string& targetPath,
                       const std::string& objectName, const PieceGrid& grid) {
    std::string skeleton;
    Outcome read = ReadFileBytes(skeletonPath, skeleton);
    if (!read) return Outcome::Fail("The skeleton template is missing or unreadable. " + read.message());
    if (skeleton.empty()) return Outcome::Fail("The skeleton template " + skeletonPath + " is empty.");
    return WriteFileWithBackup(targetPath, BuildPieceFileText(skeleton, grid, objectName));
}

}  // namespace gw
