// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/terrain/Statistics.h"
#include "core/terrain/TerrainTexts.h"

namespace gw::cli {

namespace {

// Beyond 129 points the bands of opposite borders meet in the middle.
const VerbRules kSlopeEdges{
    "slope-edges",
    "Usage: gridwright-cli slope-edges IN.asc [--edge E] [--points N] -o OUT.asc\n\n"
    "Blends a band of N rows and columns along the four borders of an ASC257\n"
    "terrain towards the edge height E: the outermost line takes E, the band's\n"
    "inner end keeps almost its own height.\n\n"
    "  --edge E    the edge height, a number (default: the border's average height)\n"
    "  --points N  the band's width, a whole number from 1 to 129 (default 10)\n"
    "  -o OUT.asc  the terrain to write, through skelasc257.txt; a previous OUT\n"
    "              keeps its content in OUT.bak (T.v2.asc keeps T.v2.bak). OUT may\n"
    "              not be IN; -o - writes the terrain to standard output.\n",
    {{"--edge", ValueKind::Number}, {"--points", ValueKind::Count, false, "", 1, 129}, {"-o", ValueKind::Text}}};

}  // namespace

int RunSlopeEdges(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kSlopeEdges, args, context, parsed); end >= 0) return end;
    if (parsed.operands.size() != 1 || !parsed.Has("-o"))
        return UsageError(kSlopeEdges, "expected IN.asc and -o OUT.asc", context);
    const std::string& in = parsed.operands[0];
    const std::string out = parsed.Value("-o");
    if (!CanWriteOutputs("slope-edges", {out}, {in}, context)) return 1;
    NationalGrid grid;
    if (!LoadTerrain("slope-edges", in, grid, context)) return 1;
    const Asc257Statistics statistics = ComputeASC257Statistics(grid);
    NullStatusSink quiet;
    const SlopeEdgesResult sloped = SlopeASC257Edges(parsed.Value("--edge", DefaultEdgeValueText(statistics)),
                                                     parsed.Value("--points", DefaultPointsText()), grid, quiet);
    if (sloped.cellsNotFinite > 0) {
        context.err << "gridwright-cli slope-edges: " << NotFiniteCellsText(sloped.cellsNotFinite) << "\n";
    }
    return SaveTerrain("slope-edges", out, grid, context) ? 0 : 1;
}

}  // namespace gw::cli
