// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/Paths.h"
#include "core/terrain/Asc257File.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/io/BlockLineReader.h"
#include "core/io/ReplaceFile.h"
#include "core/io/VertexLine.h"
#include "core/text/FieldString.h"
#include "core/text/NumberText.h"

namespace gw {

namespace {

// Terrain vertices lie 1 apart, from -128 to 128 both ways; the grid's indices
// run from 0 to 256, coordinate + 128.
constexpr int kCentre = 128;
constexpr VertexLattice kTerrainLattice{1.0, false, kCentre, kCentre, 1, NationalGrid::kSize};

// The status shows progress once per this many vertices while reading.
constexpr long long kReadStatusEvery = 512;

// A skeleton line longer than this cannot be part of a mesh template.
constexpr std::size_t kLongestSkeletonLine = std::size_t{1} << 20;

// A vertex line is under 100 characters; only the start of a longer line is
// kept (it is skipped as no vertex line), so no line can fill the memory.
constexpr std::size_t kLongestTerrainLine = std::size_t{4} << 10;

// Output is handed to the file in pieces of about this size.
constexpr std::size_t kWriteChunk = std::size_t{1} << 20;

// The first vertex line decides where the lattice lies: its X (field 3 of the
// line as it stands, blanks not collapsed) below 0 means coordinates centred on
// the terrain (-128 to 128), anything else coordinates from a corner (0 to 256).
bool IsCentredConvention(std::string_view firstVertexLine) {
    return RoundHalfEven(ValueOfText(GetElement(firstVertexLine, " ", 3))) < 0;
}

bool IsFaceListStart(std::string_view line) { return line.substr(0, 3) == "Fac"; }

class Asc257Reader {
public:
    Asc257Reader(NationalGrid& grid, StatusSink& status, Asc257ReadResult& result)
        : grid_(grid), status_(status), result_(result) {}

    // False when reading must stop here.
    bool Handle(const TextLine& line) {
        if (!started_) {
            if (line.overlong || line.text.find("Vertex 0:") == std::string_view::npos) return true;
            started_ = true;
            centred_ = IsCentredConvention(line.text);
        }
        if (IsFaceListStart(line.text)) {
            faceList_ = true;
            return false;
        }
        // The file's last line is never a vertex (it belongs to the face list).
        if (line.last) return false;
        if (line.overlong || !HasVertexCoordinates(line.text)) {
            ++result_.linesSkipped;
            return true;
        }
        return HandleVertex(SplitVertexLine(line.text));
    }

    bool started() const { return started_; }
    bool reachedFaceList() const { return faceList_; }

    // Puts back every height the file overwrote, last first, so a read that
    // fails part-way leaves the terrain exactly as it was.
    void Undo() {
        for (auto it = overwritten_.rbegin(); it != overwritten_.rend(); ++it) *it->cell = it->height;
        overwritten_.clear();
    }

private:
    bool HandleVertex(const VertexFields& fields) {
        ++vertexCount_;
        double x = VertexX(fields);
        double y = VertexY(fields);
        if (!centred_) {
            x -= kCentre;
            y -= kCentre;
        }
        int ix = 0, iy = 0;
        if (CellOfVertex(kTerrainLattice, x, y, ix, iy)) {
            const double z = VertexZ(fields);
            double& cell = grid_.At(ix, iy);
            overwritten_.push_back({&cell, cell});
            cell = z;
            ++result_.verticesStored;
            if (z < 0) {
                status_.Status(kAsc257NegativeStatus);
                result_.end = Asc257ReadEnd::NegativeValue;
                result_.message = kAsc257NegativeMessage;
                return false;
            }
        } else {
            ++result_.verticesOutside;
        }
        if ((vertexCount_ - 1) % kReadStatusEvery == 0) status_.Status("Row: " + PaddedNumberText(RoundHalfEven(y)));
        return true;
    }

    NationalGrid& grid_;
    StatusSink& status_;
    Asc257ReadResult& result_;
    bool started_ = false;
    bool centred_ = false;
    bool faceList_ = false;
    long long vertexCount_ = 0;
    struct Overwritten {
        double* cell;
        double height;
    };
    std::vector<Overwritten> overwritten_;
};

}  // namespace

Asc257ReadResult ReadASC257(const std::string& path, NationalGrid& grid, StatusSink& status) {
    Asc257ReadResult result;
    BlockLineReader lines(kLongestTerrainLine);
    const Outcome opened = lines.Open(path, kTerrainFileCap);
    if (!opened) {
        result.end = Asc257ReadEnd::CannotRead;
        result.message = opened.message();
        return result;
    }
    Asc257Reader reader(grid, status, result);
    TextLine line;
    while (lines.Next(line)) {
        if (!reader.Handle(line)) break;
    }
    if (result.end == Asc257ReadEnd::AllDone && !lines.readError().ok()) {
        result.end = Asc257ReadEnd::CannotRead;
        result.message = lines.readError().message();
    }
    if (result.end != Asc257ReadEnd::AllDone) {
        reader.Undo();
        return result;
    }
    if (!reader.started()) {
        result.end = Asc257ReadEnd::NoVertexList;
        result.message =
            "Cannot load " + path + ": it holds no vertex list (no \"Vertex 0:\" line). Nothing was loaded.";
        return result;
    }
    result.cutShort = !reader.reachedFaceList();
    status.Status("All done");
    return result;
}

namespace {

// The terrain's text from the opened skeleton, handed to write in chunks.
Outcome EmitASC257(BlockLineReader& skeleton, const std::string& skeleton257Path, const std::string& objectName,
                   const NationalGrid& grid, StatusSink& status, const std::function<void(std::string_view)>& write) {
    std::string chunk;
    // Room for one chunk, or for what a small template can make: a long vertex
    // height at most doubles a line.
    chunk.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(kWriteChunk, 2 * skeleton.fileSize()) + 4096));
    chunk += "\r\nNamed Object: \"" + objectName + "\"\r\n";
    Outcome failure = Outcome::Ok();
    bool anyLine = false;
    bool anyRow = false;
    double lastRow = 0;
    TextLine line;
    bool afterVertex = false;
    for (;;) {
        // Lines without an "X:" (the face list) are copied in bulk. Within the
        // vertex list the next line is a vertex line too and is not looked for.
        const std::string_view copied = afterVertex ? std::string_view() : skeleton.TakeCrLfLinesWithout("X:");
        if (!copied.empty()) {
            anyLine = true;
            write(chunk);
            chunk.clear();
            write(copied);
            continue;
        }
        if (!skeleton.Next(line)) break;
        anyLine = true;
        if (line.overlong) {
            failure = Outcome::Fail("The skeleton template " + skeleton257Path +
                                    " is not a mesh template: it has a line of more than " +
                                    std::to_string(kLongestSkeletonLine) + " characters.");
            break;
        }
        // The template's last line is copied as it stands, whatever it holds.
        afterVertex = !line.last && IsSkeletonVertexLine(line.text);
        if (afterVertex) {
            const VertexFields fields = SplitVertexLine(line.text);
            int ix = 0, iy = 0;
            // A template vertex off the terrain has no height to write.
            if (!CellOfVertex(kTerrainLattice, VertexX(fields), VertexY(fields), ix, iy)) continue;
            AppendVertexLine(line.text, fields, grid.At(ix, iy), chunk);
            const double row = iy - static_cast<double>(kCentre);
            if (!anyRow || row != lastRow) {
                status.Status("Saving Row: " + PaddedNumberText(row));
                lastRow = row;
                anyRow = true;
            }
        } else {
            chunk += line.text;
            chunk += "\r\n";
        }
        if (chunk.size() >= kWriteChunk) {
            write(chunk);
            chunk.clear();
        }
    }
    if (failure.ok() && !skeleton.readError().ok()) {
        failure = Outcome::Fail("The skeleton template could not be read. " + skeleton.readError().message());
    }
    if (failure.ok() && !anyLine) failure = Outcome::Fail("The skeleton template " + skeleton257Path + " is empty.");
    if (!failure.ok()) return failure;
    write(chunk);
    return Outcome::Ok();
}

}  // namespace

Outcome WriteASC257(const MeshFileNames& names, const NationalGrid& grid, StatusSink& status) {
    BlockLineReader skeleton(kLongestSkeletonLine);
    const Outcome opened = skeleton.Open(names.skeleton, kTerrainFileCap);
    if (!opened) return Outcome::Fail("The skeleton template is missing or unreadable. " + opened.message());
    FileReplacement out(names.target, KeepBackup::Yes);
    if (Outcome created = out.Begin(); !created) return created;
    const Outcome emitted = EmitASC257(skeleton, names.skeleton, names.objectName, grid, status,
                                       [&out](std::string_view bytes) { out.Write(bytes); });
    if (!emitted) return emitted;  // the temporary goes with out
    if (Outcome committed = out.Commit(); !committed) return committed;
    status.Status("All Done");
    return Outcome::Ok();
}

Outcome StreamASC257(const std::string& skeleton257Path, const std::string& objectName, const NationalGrid& grid,
                     StatusSink& status, const std::function<void(std::string_view)>& write) {
    BlockLineReader skeleton(kLongestSkeletonLine);
    const Outcome opened = skeleton.Open(skeleton257Path, kTerrainFileCap);
    if (!opened) return Outcome::Fail("The skeleton template is missing or unreadable. " + opened.message());
    const Outcome emitted = EmitASC257(skeleton, skeleton257Path, objectName, grid, status, write);
    if (emitted) status.Status("All Done");
    return emitted;
}

std::string DefaultAsc257SaveName(const std::string& currentTerFile, const std::string& lastAsc257File) {
    if (!currentTerFile.empty()) return GetBaseName(currentTerFile) + ".asc";
    if (!lastAsc257File.empty()) return GetBaseName(lastAsc257File) + ".asc";
    return "SX2Nat.ASC";
}

Asc257SaveNames MakeAsc257SaveNames(const std::string& target) {
    return {target, BackupPathOf(target), GetBaseName(target)};
}

}  // namespace gw
