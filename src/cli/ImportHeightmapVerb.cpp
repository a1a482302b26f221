// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/heightmap/HeightmapFile.h"
#include "core/heightmap/HeightmapGrid.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"

namespace gw::cli {

namespace {

constexpr const char* kVerb = "gridwright-cli import-heightmap: ";

const VerbRules kImport{"import-heightmap",
                        "Usage: gridwright-cli import-heightmap IN.png|IN.r16 -o OUT.asc --size 17|257\n"
                        "                                       [--min Z] [--max Z]\n\n"
                        "Makes a piece (--size 17) or a terrain (--size 257, an ASC257) from a heightmap\n"
                        "and writes it through the skeleton template; a previous OUT.asc is kept as its\n"
                        ".bak, and -o - writes it to standard output. The picture, square or not and up\n"
                        "to 8192 x 8192, is resampled to 17 x 17 or 257 x 257 by bilinear interpolation\n"
                        "with its corners on the grid's corners. Its top row is the north edge (highest\n"
                        "Y), its left column the west edge (lowest X), as in the displacement maps.\n\n"
                        "  IN.png   a PNG; 16-bit grey is read as it is, 8-bit and colour pictures as\n"
                        "           their grey value (a note says so)\n"
                        "  IN.r16   raw 16-bit little-endian samples (also .raw); it must be a square,\n"
                        "           whose side is taken from the file's size\n"
                        "  --min Z  the height of black (0)\n"
                        "  --max Z  the height of white (65535)\n"
                        "           Without them, the heights that export-heightmap recorded in the PNG,\n"
                        "           else 0 and 20. A terrain cannot hold heights below 0.\n\n"
                        "Says OUT's path, the picture's size and the heights of black and white on stderr.\n",
                        {{"-o", ValueKind::Text},
                         {"--size", ValueKind::Choice, false, "17|257"},
                         {"--min", ValueKind::Number},
                         {"--max", ValueKind::Number}}};

struct ImportArguments {
    std::string input;
    std::string output;
    bool terrain = false;
    GivenHeights given;
};

// Empty when the arguments are sound, else the one-line complaint.
std::string ReadImportArguments(const ParsedOptions& parsed, ImportArguments& arguments) {
    if (parsed.operands.size() != 1 || !parsed.Has("-o") || !parsed.Has("--size"))
        return "expected IN.png|IN.r16 -o OUT.asc --size 17|257";
    if (HeightmapFormatOf(parsed.operands[0]) == HeightmapFormat::Unknown)
        return "the heightmap must end in .png, .r16 or .raw";
    arguments.input = parsed.operands[0];
    arguments.output = parsed.Value("-o");
    arguments.terrain = parsed.Value("--size") == "257";
    if (const GivenOption* lowest = parsed.Find("--min")) arguments.given.lowest = lowest->number;
    if (const GivenOption* highest = parsed.Find("--max")) arguments.given.highest = highest->number;
    return std::string();
}

}  // namespace

int RunImportHeightmap(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kImport, args, context, parsed); end >= 0) return end;
    ImportArguments arguments;
    if (const std::string complaint = ReadImportArguments(parsed, arguments); !complaint.empty())
        return UsageError(kImport, complaint, context);
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
                                         : SavePiece("import-heightmap", arguments.output, piece, context);
    if (!saved) return 1;
    const int side = arguments.terrain ? NationalGrid::kSize : 17;
    context.Status() << arguments.output << ": " << side << " x " << side << " from " << read.map.width << " x "
                     << read.map.height << ", heights " << ExactNumberText(heights.lowest) << " to "
                     << ExactNumberText(heights.highest) << "\n";
    return 0;
}

}  // namespace gw::cli
