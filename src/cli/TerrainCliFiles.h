// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the verbs share: the loading of a piece and the loading and saving of
// a piece or an ASC257 (to a file, or to standard output as "-"), with one-line
// errors and warnings.
#include <string>
#include <vector>

#include "cli/Verbs.h"
#include "core/piece/PieceGrid.h"
#include "core/terrain/NationalGrid.h"

namespace gw::cli {

// "-" as an output: standard output.
inline constexpr const char* kStandardOutput = "-";
inline bool IsStandardOutput(const std::string& path) { return path == kStandardOutput; }

// Reads a piece file into grid; on failure writes "gridwright-cli VERB: reason"
// to err and returns false. Vertices that could not be stored, and a file
// without a single vertex line (read as a flat piece), are warned about.
bool LoadPiece(const std::string& verb, const std::string& path, PieceGrid& grid, CliContext& context);

// Reads an ASC257 into grid; on failure writes "gridwright-cli VERB: reason" to
// err and returns false. A terrain cut short is read and warned about.
bool LoadTerrain(const std::string& verb, const std::string& path, NationalGrid& grid, CliContext& context);

// False (with "gridwright-cli VERB: reason" on err) when an output would be
// refused by its writer (WriteTargetRefusal) or is one of the run's inputs:
// checked before the run, so a run with several outputs writes none of them.
// Standard output ("-") is never refused here.
bool CanWriteOutputs(const std::string& verb, const std::vector<std::string>& outputs,
                     const std::vector<std::string>& inputs, CliContext& context);

// Writes grid to path through the program folder's skelasc257.txt, keeping the
// previous file as its .bak, as Save ASC257 does; "-" sends the text to
// standard output (named "terrain" in its object line).
bool SaveTerrain(const std::string& verb, const std::string& path, const NationalGrid& grid, CliContext& context);

// The same for a piece, through skelasc.txt ("piece" on standard output).
bool SavePiece(const std::string& verb, const std::string& path, const PieceGrid& grid, CliContext& context);

// True (with "gridwright-cli VERB: ... cannot take WHAT" on err) when output
// is "-": for outputs that are folders or come with companion files.
bool StandardOutputRefused(const std::string& verb, const std::string& output, const std::string& what,
                           CliContext& context);

}  // namespace gw::cli
