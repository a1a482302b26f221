#pragma once
// Every verb of gridwright-cli is one function that parses its arguments, calls the
// core and returns the exit status. Errors go to err as one line.
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
};

using Args = std::vector<std::string>;

// True when the verb's only argument asks for its help text.
inline bool IsHelpRequest(const Args& args) {
    return args.size() == 1 && (args[0] == "--help" || args[0] == "-h");
}

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
