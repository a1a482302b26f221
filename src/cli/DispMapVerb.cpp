// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/CliProgress.h"
#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/dispmap/DisplacementMap.h"
#include "core/dispmap/DisplacementMapTexts.h"
#include "core/image/TgaFile.h"

namespace gw::cli {

namespace {

const char kName[] = "gridwright-cli dispmap: ";

const VerbRules kDispMap{
    "dispmap",
    "Usage: gridwright-cli dispmap FILE.asc --size 17|257|513 [--max-z Z] -o OUT.tga\n\n"
    "Writes a displacement map: a grey TGA picture of the heights, black at the\n"
    "bottom of the scale, white at its top.\n\n"
    "  --size 17    FILE.asc is a piece; the map is 16 x 16, its scale runs from the\n"
    "               piece's lowest to its highest point\n"
    "  --size 257   FILE.asc is a terrain (ASC257); 257 x 257, scale from 0 to Z or\n"
    "               to the highest point when that is higher\n"
    "  --size 513   the same at twice the resolution, 513 x 513\n"
    "  --max-z Z    the height drawn white on the terrain maps, above 0 (default 20)\n"
    "  -o OUT.tga   the picture to write; -o - writes it to standard output\n\n"
    "Says \"All Done\" (or the terrain map's scale) on stderr.\n",
    {{"--size", ValueKind::Choice, false, "17|257|513"}, {"--max-z", ValueKind::Positive}, {"-o", ValueKind::Text}}};

// The picture to its file, or to standard output (an empty picture is
// refused by the file writer either way).
bool SaveMap(const std::string& output, const DisplacementMap& map, CliContext& context) {
    if (IsStandardOutput(output) && !map.image.empty()) {
        context.out << EncodeTga(map.image);
        return true;
    }
    if (Outcome saved = WriteTgaFile(output, map.image); !saved) {
        context.err << kName << saved.message() << "\n";
        return false;
    }
    return true;
}

// The terrain maps: the ASC257 read, its map computed with the given Max Z
// (the menu's default without one) and saved.
int RunTerrainMap(const ParsedOptions& parsed, CliContext& context) {
    NationalGrid grid;
    if (!LoadTerrain("dispmap", parsed.operands[0], grid, context)) return 1;
    const std::string maxZ = parsed.Value("--max-z", kMaxZDefault);
    TerminalProgress progress(context.err, context.showProgress && !context.quiet);
    const DisplacementMap map = parsed.Value("--size") == "257" ? MakeDisplacementMap257(grid, maxZ, progress)
                                                                : MakeDisplacementMap513(grid, maxZ, progress);
    progress.Finish();
    if (!SaveMap(parsed.Value("-o"), map, context)) return 1;
    context.Status() << DispMapDoneText(map.top) << "\n";
    return 0;
}

}  // namespace

int RunDispMap(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kDispMap, args, context, parsed); end >= 0) return end;
    if (parsed.operands.size() > 1) return UsageError(kDispMap, "expected one input file", context);
    if (parsed.operands.empty() || !parsed.Has("--size") || !parsed.Has("-o"))
        return UsageError(kDispMap, "expected FILE.asc --size 17|257|513 -o OUT.tga", context);
    if (parsed.Value("--size") == "17" && parsed.Has("--max-z"))
        return UsageError(kDispMap, "--max-z applies to --size 257 and 513 only", context);
    const std::string& input = parsed.operands[0];
    if (!CanWriteOutputs("dispmap", {parsed.Value("-o")}, {input}, context)) return 1;
    if (parsed.Value("--size") != "17") return RunTerrainMap(parsed, context);
    PieceGrid grid;
    if (!LoadPiece("dispmap", input, grid, context)) return 1;
    NullStatusSink quiet;
    if (!SaveMap(parsed.Value("-o"), MakeDisplacementMap17(grid, quiet), context)) return 1;
    context.Status() << kStatusAllDone << "\n";
    return 0;
}

}  // namespace gw::cli
