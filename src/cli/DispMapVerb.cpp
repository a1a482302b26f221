#include <ostream>

#include "cli/CliProgress.h"
#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/dispmap/DisplacementMap.h"
#include "core/dispmap/DisplacementMapTexts.h"
#include "core/image/TgaFile.h"

namespace gw::cli {

namespace {

const char kName[] = "gridwright-cli dispmap: ";

struct DispMapArgs {
    std::string input;
    std::string size;
    std::string output;
    std::string maxZ;
    bool maxZGiven = false;
};

// Fills parsed from args; false (with the reason in error) on a usage error.
bool ParseDispMapArgs(const Args& args, DispMapArgs& parsed, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--size" || arg == "-o" || arg == "--max-z") {
            if (!hasValue) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (arg == "--size") parsed.size = value;
            if (arg == "-o") parsed.output = value;
            if (arg == "--max-z") {
                parsed.maxZ = value;
                parsed.maxZGiven = true;
            }
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return false;
        } else if (parsed.input.empty()) {
            parsed.input = arg;
        } else {
            error = "expected one input file";
            return false;
        }
    }
    if (parsed.input.empty() || parsed.size.empty() || parsed.output.empty()) {
        error = "expected FILE.asc --size 17|257|513 -o OUT.tga";
        return false;
    }
    if (parsed.size != "17" && parsed.size != "257" && parsed.size != "513") {
        error = "--size must be 17, 257 or 513";
        return false;
    }
    if (parsed.size == "17" && parsed.maxZGiven) {
        error = "--max-z applies to --size 257 and 513 only";
        return false;
    }
    return true;
}

void PrintDispMapHelp(std::ostream& out) {
    out << "Usage: gridwright-cli dispmap FILE.asc --size 17|257|513 [--max-z Z] -o OUT.tga\n\n"
           "Writes a displacement map: a grey TGA picture of the heights, black at the\n"
           "bottom of the scale, white at its top.\n\n"
           "  --size 17    FILE.asc is a piece; the map is 16 x 16, its scale runs from the\n"
           "               piece's lowest to its highest point\n"
           "  --size 257   FILE.asc is a terrain (ASC257); 257 x 257, scale from 0 to Z or\n"
           "               to the highest point when that is higher\n"
           "  --size 513   the same at twice the resolution, 513 x 513\n"
           "  --max-z Z    the height drawn white on the terrain maps (default 20)\n"
           "  -o OUT.tga   the picture to write\n";
}

// The terrain maps: the ASC257 read, its map computed with the given Max Z
// (the menu's default without one) and saved.
int RunTerrainMap(const DispMapArgs& parsed, CliContext& context) {
    NationalGrid grid;
    if (!LoadTerrain("dispmap", parsed.input, grid, context)) return 1;
    const std::string maxZ = parsed.maxZGiven ? parsed.maxZ : kMaxZDefault;
    TerminalProgress progress(context.err, context.showProgress);
    const DisplacementMap map = parsed.size == "257" ? MakeDisplacementMap257(grid, maxZ, progress)
                                                     : MakeDisplacementMap513(grid, maxZ, progress);
    progress.Finish();
    if (Outcome saved = WriteTgaFile(parsed.output, map.image); !saved) {
        context.err << kName << saved.message() << "\n";
        return 1;
    }
    context.out << DispMapDoneText(map.top) << "\n";
    return 0;
}

}  // namespace

int RunDispMap(const Args& args, CliContext& context) {
    if (IsHelpRequest(args)) {
        PrintDispMapHelp(context.out);
        return 0;
    }
    DispMapArgs parsed;
    std::string error;
    if (!ParseDispMapArgs(args, parsed, error)) {
        context.err << kName << error << " (try --help)\n";
        return 2;
    }
    if (!CanWriteOutputs("dispmap", {parsed.output}, {parsed.input}, context)) return 1;
    if (parsed.size != "17") return RunTerrainMap(parsed, context);
    PieceGrid grid;
    if (!LoadPiece("dispmap", parsed.input, grid, context)) return 1;
    NullStatusSink quiet;
    const DisplacementMap map = MakeDisplacementMap17(grid, quiet);
    if (Outcome saved = WriteTgaFile(parsed.output, map.image); !saved) {
        context.err << kName << saved.message() << "\n";
        return 1;
    }
    context.out << kStatusAllDone << "\n";
    return 0;
}

}  // namespace gw::cli
