// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ASC257 files: a whole National or Quarry terrain as one ASC mesh of 257 x 257
// vertices. The reader loads the vertex heights into the NationalGrid; the
// writer puts the grid's heights into a copy of the terrain skeleton.
#include <functional>
#include <string>
#include <string_view>

#include "core/Interfaces.h"
#include "core/Outcome.h"
#include "core/io/Paths.h"
#include "core/terrain/NationalGrid.h"

namespace gw {

// The message box and the status text of a file that holds a negative height.
inline constexpr const char* kAsc257NegativeMessage = "ASC file contains negative values. ASC not loaded";
inline constexpr const char* kAsc257NegativeStatus = "Error: ASC contains negative values";

enum class Asc257ReadEnd {
    AllDone,        // read to the face list or the end; status "All done" shown
    NegativeValue,  // stopped at a negative height; the GUI shows kAsc257NegativeMessage
    NoVertexList,   // no "Vertex 0:" line: nothing was read
    CannotRead,     // the file could not be opened, or reading failed part-way
};

struct Asc257ReadResult {
    Asc257ReadEnd end = Asc257ReadEnd::AllDone;
    // For every end but AllDone: the text to show in a message box.
    std::string message;
    long long verticesStored = 0;
    // Vertex lines whose cell lies outside the grid; they are skipped.
    long long verticesOutside = 0;
    // Lines inside the vertex list that are not vertex lines (page breaks,
    // blank lines, garbage); they are skipped.
    long long linesSkipped = 0;
    // The vertex list ran to the end of the file, without the face list that
    // closes a whole terrain: the file was cut short. What it held was read.
    bool cutShort = false;

    bool ok() const { return end == Asc257ReadEnd::AllDone; }
};

// Reads the ASC257 file at path into grid. Cells the file does not name keep
// their values. A read that fails (a negative height, a file that cannot be
// opened or read to its end, no vertex list) leaves grid exactly as it was, so
// a half-read terrain can never be saved by mistake. Shows "Row: " + the row's Y for the 1st, 513th, 1025th ...
// vertex, then "All done" (or kAsc257NegativeStatus). The caller keeps
// LastASC257File.
Asc257ReadResult ReadASC257(const std::string& path, NationalGrid& grid, StatusSink& status);

// Writes grid through the skeleton template to a temporary .out file beside the
// target, then keeps the old target as its .bak (BackupPathOf) and gives the new
// file the target's name, as every safe writer does (FileReplacement). Shows
// "Saving Row: " + Y once per row of the template and "All Done" at the end. A
// refused target, a missing skeleton or a failed write leaves the target and its
// backup untouched and says why.
Outcome WriteASC257(const MeshFileNames& names, const NationalGrid& grid, StatusSink& status);

// The same text handed to write in chunks instead of a file (a terrain sent
// to standard output); the skeleton's failures are said as WriteASC257 says them.
Outcome StreamASC257(const std::string& skeleton257Path, const std::string& objectName, const NationalGrid& grid,
                     StatusSink& status, const std::function<void(std::string_view)>& write);

// The name that Save ASC257 proposes: the base name of the SX track's .TER, else
// of the ASC257 last read, with ".asc"; else "SX2Nat.ASC".
std::string DefaultAsc257SaveName(const std::string& currentTerFile, const std::string& lastAsc257File);

// The files of one Save ASC257: the .bak lies in the target's folder, named by
// the file name up to its last period (BackupPathOf); the object line carries the
// base name (up to the first period).
struct Asc257SaveNames {
    std::string target;
    std::string bakName;
    std::string objectName;
};
Asc257SaveNames MakeAsc257SaveNames(const std::string& target);

}  // namespace gw
