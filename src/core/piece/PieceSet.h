// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file set of a piece: its north file as the grid stands and the other
// directions written by quarter turns of the grid, each file with its backup.
#include <string>
#include <string_view>
#include <vector>

#include "core/Interfaces.h"
#include "core/piece/PieceGrid.h"

namespace gw {

enum class PieceSetKind {
    N,     // four files: N, W, S, E
    NS,    // two files: NS, EW
    NSEW,  // one file
};

// "NSEW" and "NS" (in any letter case) name their kinds; anything else is N.
PieceSetKind PieceSetKindOf(std::string_view kindText);
const char* PieceKindText(PieceSetKind kind);

struct PieceSetFile {
    std::string suffix;      // "N", "W", "S", "E", "NS", "EW" or "NSEW"
    std::string path;        // folder + name + suffix + "." + extension
    std::string backupPath;  // its previous version: BackupPathOf(path)
    int quarterTurns = 0;    // counterclockwise quarter turns of the grid it holds
};

// Where a piece's file set lies and what its files are called.
struct PieceSetNames {
    std::string folder;
    std::string name;       // the base name less the kind suffix; the files' object name
    std::string extension;  // without its period
    PieceSetKind kind = PieceSetKind::N;
};

// The files of the set in the order they are written.
std::vector<PieceSetFile> PieceSetFiles(const PieceSetNames& set);

struct PieceSetFailure {
    std::string path;
    std::string reason;
};

struct PieceSetSaveResult {
    std::string northPath;             // the first file of the set, written or not
    std::vector<std::string> written;  // every file now holding the grid
    std::vector<PieceSetFailure> failures;
    bool ok() const { return failures.empty(); }
};

// Writes every file of the set with WritePieceFile (object name = name), turning
// the whole grid a quarter counterclockwise between files and back to its start
// after the last: the grid ends exactly as it started, whatever failed. A file
// that cannot be written does not stop the others; every failure is listed. The
// turns show their status texts; a save with failures ends with the status
// "Save failed: F of T files not written" instead of the last turn's "All Done".
PieceSetSaveResult SavePieceFileSet(PieceGrid& grid, const PieceSetNames& set, const std::string& skeletonPath,
                                    StatusSink& status);

// One line per failed file, "path: reason", after a first line saying the piece
// was not saved; empty when nothing failed.
std::string PieceSetFailureText(const PieceSetSaveResult& result);

}  // namespace gw
