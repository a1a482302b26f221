// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every verb of gridwright-cli is one function that parses its arguments, calls the
// core and returns the exit status. Standard output carries data only (a piece's
// heights, statistics, a file written to "-"); errors, warnings and status lines
// go to err, one line each.
#include <iosfwd>
#include <string>
#include <vector>

namespace gw::cli {

struct CliContext {
    std::string programFolder;  // where skelasc.txt and the other data lie
    std::ostream& out;
    std::ostream& err;
    // stderr is a terminal: long work shows a progress line there.
    bool showProgress = false;
    // -q: no status lines (errors and warnings are still written).
    bool quiet = false;

    // Where status lines go: err, or nowhere under -q.
    std::ostream& Status();
};

using Args = std::vector<std::string>;

int RunPieceInfo(const Args& args, CliContext& context);
int RunEdit(const Args& args, CliContext& context);
int RunPieceSet(const Args& args, CliContext& context);
int RunDispMap(const Args& args, CliContext& context);
int RunStats(const Args& args, CliContext& context);
int RunSlopeEdges(const Args& args, CliContext& context);
int RunAddPiece(const Args& args, CliContext& context);
int RunConvert(const Args& args, CliContext& context);
int RunTexture(const Args& args, CliContext& context);
int RunExportHeightmap(const Args& args, CliContext& context);
int RunImportHeightmap(const Args& args, CliContext& context);

// Dispatches argv[1] to its verb; handles --help and --version.
int RunCli(const Args& args, CliContext& context);

}  // namespace gw::cli
