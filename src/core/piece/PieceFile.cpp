// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/piece/PieceFile.h"

#include <cmath>
#include <cstdint>

#include "core/io/FileText.h"
#include "core/io/ReplaceFile.h"
#include "core/io/OutputFile.h"
#include "core/text/FastNumbers.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

// A first line longer than this marks a file written with LF line ends.
constexpr std::size_t kLongestFirstLine = 256;

// Appends text with its leading blanks dropped and every other run of blanks
// collapsed to one, without a heap allocation per line.
void AppendCompressed(std::string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    char* to = out.data() + start;
    bool blank = true;  // drops the leading run
    for (const char c : text) {
        if (c == ' ') {
            if (blank) continue;
            blank = true;
        } else {
            blank = false;
        }
        *to++ = c;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

class PieceReader {
public:
    PieceReader(PieceGrid& grid, PieceReadReport& report) : grid_(grid), report_(report) {}

    void Handle(std::string_view line) {
        if (line.find("X:") == std::string_view::npos) return;
        // Fields 3, 5 and 7 of the line: X, Y and Z.
        const LineFields<8> fields = SplitAtBlankRuns<8>(line);
        const double x = ValueOfField(fields.field[3]);
        const double y = ValueOfField(fields.field[5]);
        std::int64_t ix = 0, iy = 0;
        if (!RoundToIndex(std::fabs(x) / 1.5, ix) || !RoundToIndex(std::fabs(y) / 1.5, iy)) {
            Problem(line, "its X or Y is not a usable number");
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
            Problem(line, "it lies outside the piece grid");
            return;
        }
        grid_.Z(static_cast<int>(column), static_cast<int>(row)) = ValueOfField(fields.field[7]);
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

bool IsSkeletonVertexLine(std::string_view line) {
    return line.find("Vertex") != std::string_view::npos && line.find("X:") != std::string_view::npos;
}

void AppendVertexLine(std::string_view line, const LineFields<7>& fields, double z, std::string& out) {
    // Collapsing blanks neither makes nor breaks a "Z:", so the label is found
    // in the line as it stands.
    const std::size_t label = line.find("Z:");
    const std::string_view labelField = fields.field[6];
    if (label != std::string_view::npos && !labelField.empty() &&
        label == static_cast<std::size_t>(labelField.data() - line.data())) {
        // The usual line, whose seventh field is the label: the six fields
        // before it, one blank after each.
        for (int i = 0; i < 6; ++i) {
            out += fields.field[i];
            out += ' ';
        }
    } else if (label == std::string_view::npos) {
        AppendCompressed(line, out);
        if (!out.empty() && out.back() == ' ') out.pop_back();  // the trimmed line end
    } else {
        AppendCompressed(line.substr(0, label), out);
    }
    out += "Z: ";
    AppendPaddedNumberText(out, z);
    out += "\r\n";
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
            const LineFields<7> fields = SplitAtBlankRuns<7>(line);
            std::int64_t column = 0, row = 0;
            if (RoundToIndex(std::fabs(ValueOfField(fields.field[3])) / 1.5 + 1, column) &&
                RoundToIndex(18 - (1 + std::fabs(ValueOfField(fields.field[5])) / 1.5), row) &&
                PieceGrid::InStorage(column, row)) {
                AppendVertexLine(line, fields, grid.Z(static_cast<int>(column), static_cast<int>(row)), out);
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

Outcome WritePieceFile(const std::string& skeletonPath, const std::string& targetPath, const std::string& objectName,
                       const PieceGrid& grid) {
    std::string skeleton;
    Outcome read = ReadFileBytes(skeletonPath, kPieceFileCap, skeleton);
    if (!read) return Outcome::Fail("The skeleton template is missing or unreadable. " + read.message());
    if (skeleton.empty()) return Outcome::Fail("The skeleton template " + skeletonPath + " is empty.");
    return WriteFileWithBackup(targetPath, BuildPieceFileText(skeleton, grid, objectName));
}

}  // namespace gw
