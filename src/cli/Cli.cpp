// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <streambuf>
#include <string>

#include "cli/Verbs.h"

namespace gw::cli {

namespace {

struct Verb {
    const char* name;
    const char* summary;
    int (*run)(const Args&, CliContext&);
};

const Verb kVerbs[] = {
    {"piece-info", "print a piece's 17 x 17 heights as the editor's grid shows them", &RunPieceInfo},
    {"edit", "apply range operations (set, scale, mirror, rotate, slope, shift) to a piece", &RunEdit},
    {"piece-set", "write a piece's file set (N, W, S, E; NS, EW; or NSEW) with backups", &RunPieceSet},
    {"dispmap", "write a displacement map (grey TGA of the heights) of a piece or terrain", &RunDispMap},
    {"stats", "print an ASC257 terrain's lowest, highest and average heights", &RunStats},
    {"slope-edges", "blend an ASC257 terrain's borders towards an edge height", &RunSlopeEdges},
    {"add-piece", "add a track piece onto an ASC257 terrain at X, Y, Z, Scale", &RunAddPiece},
    {"convert", "convert an SX track (.TER) into a National or Quarry terrain and its files", &RunConvert},
    {"texture", "compose a terrain's texture from its track's piece textures, with its log", &RunTexture},
    {"export-heightmap", "write a piece or terrain as a 16-bit heightmap (PNG or raw .r16)", &RunExportHeightmap},
    {"import-heightmap", "make a piece or terrain from a heightmap (PNG or raw .r16), resampled bilinear",
     &RunImportHeightmap},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: gridwright-cli VERB [OPTIONS] [FILES]\n"
           "       gridwright-cli --help | --version\n\n"
           "Edits and converts Motocross Madness terrain files without the editor window.\n\n"
           "Verbs:\n";
    std::size_t width = 0;
    for (const Verb& verb : kVerbs) width = std::max(width, std::string(verb.name).size());
    for (const Verb& verb : kVerbs) {
        out << "  " << verb.name << std::string(width + 2 - std::string(verb.name).size(), ' ') << verb.summary << "\n";
    }
    out << "\nRun 'gridwright-cli VERB --help' for a verb's arguments. Every verb takes\n"
           "--opt VALUE and --opt=VALUE, ends its options at --, and keeps standard\n"
           "output for data: status lines go to stderr, and -q silences them.\n";
}

// Swallows everything: the status lines under -q.
class NullBuffer final : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// Data written to standard output that never arrived (a full disk, a closed
// pipe) is a failure, said once after the verb has run.
int CheckedOutput(const std::string& who, int status, CliContext& context) {
    errno = 0;
    context.out.flush();
    if (context.out) return status;
    const int reason = errno;
    context.err << who << ": cannot write to standard output";
    if (reason != 0) context.err << ": " << std::strerror(reason);
    context.err << "\n";
    return status == 0 ? 1 : status;
}

}  // namespace

std::ostream& CliContext::Status() {
    static NullBuffer nowhere;
    static std::ostream silent(&nowhere);
    return quiet ? silent : err;
}

int RunCli(const Args& args, CliContext& context) {
    if (args.empty()) {
        PrintUsage(context.err);
        return 2;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintUsage(context.out);
        return CheckedOutput("gridwright-cli", 0, context);
    }
    if (first == "--version") {
        context.out << "gridwright-cli " << GRIDWRIGHT_VERSION << "\n";
        return CheckedOutput("gridwright-cli", 0, context);
    }
    for (const Verb& verb : kVerbs) {
        if (first == verb.name) {
            const int status = verb.run(Args(args.begin() + 1, args.end()), context);
            return CheckedOutput(std::string("gridwright-cli ") + verb.name, status, context);
        }
    }
    context.err << "gridwright-cli: unknown verb '" << first << "' (try --help)\n";
    return 2;
}

}  // namespace gw::cli
