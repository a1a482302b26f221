#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/ProgramFolder.h"
#include "core/heightmap/HeightmapFile.h"
#include "core/heightmap/HeightmapGrid.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"

namespace gw::cli {

namespace {

constexpr const char* kVerb = "gridwright-cli import-heightmap: ";

void PrintImportHelp(std::ostream& out) {
    out << "Usage: gridwright-cli import-heightmap IN.png|IN.r16 -o OUT.asc --size 17|257\n"
           "                                       [--min Z] [--max Z]\n\n"
           "Makes a piece (--size 17) or a terrain (--size 257, an ASC257) from a heightmap\n"
           "and writes it through the skeleton template; a previous OUT.asc is kept as its\n"
           ".bak. The picture, square or not and up to 8192 x 8192, is resampled to\n"
           "17 x 17 or 257 x 257 by bilinear interpolation with its corners on the grid's\n"
           "corners. Its top row is the north edge (highest Y), its left column the west\n"
           "edge (lowest X), as in the displacement maps.\n\n"
           "  IN.png   a PNG; 16-bit grey is read as it is, 8-bit and colour pictures as\n"
           "           their grey value (a note says so)\n"
           "  IN.r16   raw 16-bit little-endian samples (also .raw); it must be a square,\n"
           "           whose side is taken from the file's size\n"
           "  --min Z  the height of black (0)\n"
           "  --max Z  the height of white (65535)\n"
           "           Without them, the heights that export-heightmap recorded in the PNG,\n"
           "           else 0 and 20. A terrain cannot hold heights below 0.\n\n"
           "Prints OUT's path, the picture's size and the heights of black and white.\n";
}

struct ImportArguments {
    std::string input;
    std::string output;
    bool terrain = false;
    GivenHeights given;
};

// A height from the command line: the whole argument must be a number.
std::string ParseHeight(const ParsedArgs& parsed, const std::string& option, std::optional<double>& height) {
    const auto given = parsed.values.find(option);
    if (given == parsed.values.end()) return std::string();
    double value = 0;
    if (!ParseExactNumber(given->second, value)) return option + " needs a number, not '" + given->second + "'";
    height = value;
    return std::string();
}

// Empty when the arguments are sound, else the one-line complaint.
std::string ParseImportArguments(const Args& args, ImportArguments& arguments, bool& help) {
    const ParsedArgs parsed = ParseVerbArgs(args, {"-o", "--size", "--min", "--max"});
    help = parsed.help;
    if (!parsed.error.empty()) return parsed.error;
    const auto output = parsed.values.find("-o");
    const auto size = parsed.values.find("--size");
    if (parsed.files.size() != 1 || output == parsed.values.end() || size == parsed.values.end()) {
        return "expected IN.png|IN.r16 -o OUT.asc --size 17|257";
    }
    if (size->second != "17" && size->second != "257") return "--size must be 17 or 257";
    if (HeightmapFormatOf(parsed.files[0]) == HeightmapFormat::Unknown) {
        return "the heightmap must end in .png, .r16 or .raw";
    }
    arguments.input = parsed.files[0];
    arguments.output = output->second;
    arguments.terrain = size->second == "257";
    if (std::string bad = ParseHeight(parsed, "--min", arguments.given.lowest); !bad.empty()) return bad;
    return ParseHeight(parsed, "--max", arguments.given.highest);
}

// Writes the grid through the skeleton, with the companion names every save uses.
bool SavePiece(const std::string& path, const PieceGrid& grid, CliContext& context) {
    const Asc257SaveNames names = MakeAsc257SaveNames(path);
    const Outcome written =
        WritePieceFile(JoinPath(context.programFolder, "skelasc.txt"), names.target, names.objectName, grid);
    if (!written) context.err << kVerb << written.message() << "\n";
    return written.ok();
}

}  // namespace

int RunImportHeightmap(const Args& args, CliContext& context) {
    ImportArguments arguments;
    bool help = false;
    const std::string complaint = ParseImportArguments(args, arguments, help);
    if (help) {
        PrintImportHelp(context.out);
        return 0;
    }
    if (!complaint.empty()) {
        context.err << kVerb << complaint << " (try --help)\n";
        return 2;
    }
    if (!CanWriteOutputs("import-heightmap", {arguments.output}, {arguments.input}, context)) return 1;
    const HeightmapRead read = ReadHeightmapFile(arguments.input);
    if (!read.outcome) {
        context.err << kVerb << read.outcome.message() << "\n";
        return 1;
    }
    if (!read.note.empty()) context.err << kVerb << read.note << "\n";
    const HeightRange heights = ImportHeights(arguments.given, read.recorded);
    PieceGrid piece;
    NationalGrid terrain;
    const Outcome made = arguments.terrain ? TerrainFromHeightmap(read.map, heights, terrain)
                                           : PieceFromHeightmap(read.map, heights, piece);
    if (!made) {
        context.err << kVerb << arguments.input << ": " << made.message() << "\n";
        return 1;
    }
    const bool saved = arguments.terrain ? SaveTerrain("import-heightmap", arguments.output, terrain, context)
                                         : SavePiece(arguments.output, piece, context);
    if (!saved) return 1;
    const int side = arguments.terrain ? NationalGrid::kSize : 17;
    context.out << arguments.output << ": " << side << " x " << side << " from " << read.map.width << " x "
                << read.map.height << ", heights " << ExactNumberText(heights.lowest) << " to "
                << ExactNumberText(heights.highest) << "\n";
    return 0;
}

}  // namespace gw::cli
