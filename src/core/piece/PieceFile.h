// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ASC piece files: the reader that loads a piece's vertex heights into the
// PieceGrid and the writer that puts the grid's heights into a copy of the
// skeleton mesh.
#include <string>
#include <string_view>
#include <vector>

#include "core/Outcome.h"
#include "core/io/Paths.h"
#include "core/piece/PieceGrid.h"

namespace gw {

struct PieceReadReport {
    Outcome opened = Outcome::Ok();  // failure to open or read the file
    int verticesStored = 0;
    // One text per vertex that could not be stored (outside the grid and the like),
    // at most kMaxProblems of them; problemCount counts all.
    std::vector<std::string> problems;
    long long problemCount = 0;
    static constexpr std::size_t kMaxProblems = 20;
};

// Said of a piece file without a single vertex line: nothing of it was read.
inline constexpr const char* kNoVertexLineWarning = "it holds no vertex line, so it was read as a flat piece";

// Reads the file at path into grid. Cells for which the file has no vertex keep
// their values. Never touches anything but the grid. Only a regular file of at
// most kPieceFileCap is read.
PieceReadReport ReadPieceFile(const std::string& path, PieceGrid& grid);
// The same on bytes already in memory (the fuzzers and tests use it).
PieceReadReport ReadPieceText(std::string_view bytes, PieceGrid& grid);

// Builds the text of a piece file: an empty line, the object line, then the
// skeleton's lines with the grid's heights in the vertex lines. CR LF line ends.
std::string BuildPieceFileText(std::string_view skeleton, const PieceGrid& grid, const std::string& objectName);

// Writes the piece through the skeleton to a temporary .out file beside the
// target, then keeps the old target as its .bak (BackupPathOf) and gives the new
// file the target's name (WriteFileWithBackup). A missing skeleton or any failed
// write leaves the target and its backup untouched.
Outcome WritePieceFile(const MeshFileNames& names, const PieceGrid& grid);

}  // namespace gw
