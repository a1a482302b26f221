#include <ostream>

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
    out << "Usage: gridwright-cli VERB [ARGUMENTS]\n"
           "       gridwright-cli --help | --version\n\n"
           "Edits and converts Motocross Madness terrain files without the editor window.\n\n"
           "Verbs:\n";
    for (const Verb& verb : kVerbs) out << "  " << verb.name << "\t" << verb.summary << "\n";
    out << "\nRun 'gridwright-cli VERB --help' for a verb's arguments.\n";
}

}  // namespace

int RunCli(const Args& args, CliContext& context) {
    if (args.empty()) {
        PrintUsage(context.err);
        return 2;
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintUsage(context.out);
        return 0;
    }
    if (first == "--version") {
        context.out << "gridwright-cli " << GRIDWRIGHT_VERSION << "\n";
        return 0;
    }
    for (const Verb& verb : kVerbs) {
        if (first == verb.name) return verb.run(Args(args.begin() + 1, args.end()), context);
    }
    context.err << "gridwright-cli: unknown verb '" << first << "' (try --help)\n";
    return 2;
}

}  // namespace gw::cli
