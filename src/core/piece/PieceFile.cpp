// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/PieceFile.h"

#include <cstdint>

#include "core/io/FileText.h"
#include "core/io/VertexLine.h"
#include "core/io/ReplaceFile.h"
#include "core/io/OutputFile.h"
#include "core/text/FieldString.h"

namespace gw {

namespace {

// A first line longer than this marks a file written with LF line ends.
constexpr std::size_t kLongestFirstLine = 256;

// Piece vertices lie 1.5 apart, X from 0 to 24 and Y from 0 to 24 (either sign);
// column 1 is X = 0 and row 17 is Y = 0, rows counting down from the top.
constexpr VertexLattice kPieceLattice{1.5, true, 1, 17, -1, PieceGrid::kStorage};

class PieceReader {
public:
    PieceReader(PieceGrid& grid, PieceReadReport& report) : grid_(grid), report_(report) {}

    void Handle(std::string_view line) {
        if (!HasVertexCoordinates(line)) return;
        const VertexFields fields = SplitVertexLine(line);
        std::int64_t stepsX = 0, stepsY = 0;
        if (!LatticeSteps(kPieceLattice, VertexX(fields), stepsX) ||
            !LatticeSteps(kPieceLattice, VertexY(fields), stepsY)) {
            Problem(line, "its X or Y is not a usable number");
            return;
        }
        // A file holding two pieces one above the other (Y up to 48) is folded
        // onto one: from the first vertex beyond the piece on, the upper half
        // is taken sixteen rows down.
        if (stepsY >= 17) folding_ = true;
        if (folding_ && stepsY >= 16) stepsY -= 16;
        int column = 0, row = 0;
        if (!CellOfSteps(kPieceLattice, stepsX, stepsY, column, row)) {
            Problem(line, "it lies outside the piece grid");
            return;
        }
        grid_.Z(column, row) = VertexZ(fields);
        ++report_.verticesStored;
    }

private:
    void Problem(std::string_view vertexLine, const char* why) {
        ++report_.problemCount;
        if (report_.problems.size() < PieceReadReport::kMaxProblems) {
            constexpr std::size_t kShown = 80;
            const std::string line = TrimBlanks(Compress(vertexLine));
            std::string shown = line.size() > kShown ? line.substr(0, kShown) + "..." : line;
            report_.problems.push_back(std::string("Vertex not stored, ") + why + ": " + shown);
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
    Outcome read = ReadFileBytes(path, kPieceFileCap, bytes);
    if (!read) {
        PieceReadReport report;
        report.opened = read;
        return report;
    }
    return ReadPieceText(bytes, grid);
}

std::string BuildPieceFileText(std::string_view skeleton, const PieceGrid& grid, const std::string& objectName) {
    std::string out;
    out.reserve(skeleton.size() + 4096);
    out += "\r\nNamed Object: \"" + objectName + "\"\r\n";
    // Lines end at CR LF, CR or LF (our templates may have been edited anywhere).
    // The next CR and the next LF are each looked for again only once passed.
    std::size_t cr = skeleton.find('\r'), lf = skeleton.find('\n');
    for (std::size_t start = 0; start < skeleton.size();) {
        if (cr < start) cr = skeleton.find('\r', start);
        if (lf < start) lf = skeleton.find('\n', start);
        std::size_t end = std::min(cr, lf);
        std::size_t next = skeleton.size();
        if (end == std::string_view::npos) {
            end = skeleton.size();
        } else {
            next = end + 1;
            if (skeleton[end] == '\r' && next < skeleton.size() && skeleton[next] == '\n') ++next;
        }
        const std::string_view line = skeleton.substr(start, end - start);
        const bool last = next >= skeleton.size();
        start = next;
        if (!last && IsSkeletonVertexLine(line)) {
            const VertexFields fields = SplitVertexLine(line);
            int column = 0, row = 0;
            if (CellOfVertex(kPieceLattice, VertexX(fields), VertexY(fields), column, row)) {
                AppendVertexLine(line, fields, grid.Z(column, row), out);
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

Outcome WritePieceFile(const MeshFileNames& names, const PieceGrid& grid) {
    std::string skeleton;
    Outcome read = ReadFileBytes(names.skeleton, kPieceFileCap, skeleton);
    if (!read) return Outcome::Fail("The skeleton template is missing or unreadable. " + read.message());
    if (skeleton.empty()) return Outcome::Fail("The skeleton template " + names.skeleton + " is empty.");
    return WriteFileWithBackup(names.target, BuildPieceFileText(skeleton, grid, names.objectName));
}

}  // namespace gw
