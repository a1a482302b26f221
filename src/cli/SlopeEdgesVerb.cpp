#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/terrain/Statistics.h"
#include "core/terrain/TerrainTexts.h"

namespace gw::cli {

int RunSlopeEdges(const Args& args, CliContext& context) {
    const ParsedArgs parsed = ParseVerbArgs(args, {"--edge", "--points", "-o"});
    if (parsed.help) {
        context.out << "Usage: gridwright-cli slope-edges IN.asc [--edge E] [--points N] -o OUT.asc\n\n"
                       "Blends a band of N rows and columns along the four borders of an ASC257\n"
                       "terrain towards the edge height E: the outermost line takes E, the band's\n"
                       "inner end keeps almost its own height. E and N are read as the Slope Edges\n"
                       "dialog reads them; E defaults to the border's average height, N to 10.\n"
                       "OUT.asc is written through skelasc257.txt; a previous OUT keeps its content\n"
                       "in OUT.bak (T.v2.asc keeps T.v2.bak). OUT may not be IN.\n";
        return 0;
    }
    const auto out = parsed.values.find("-o");
    if (!parsed.error.empty() || parsed.files.size() != 1 || out == parsed.values.end()) {
        context.err << "gridwright-cli slope-edges: "
                    << (parsed.error.empty() ? "expected IN.asc and -o OUT.asc" : parsed.error) << " (try --help)\n";
        return 2;
    }
    if (!CanWriteOutputs("slope-edges", {out->second}, {parsed.files[0]}, context)) return 1;
    NationalGrid grid;
    if (!LoadTerrain("slope-edges", parsed.files[0], grid, context)) return 1;
    const Asc257Statistics statistics = ComputeASC257Statistics(grid);
    const auto edge = parsed.values.find("--edge");
    const auto points = parsed.values.find("--points");
    NullStatusSink quiet;
    const SlopeEdgesResult sloped =
        SlopeASC257Edges(edge == parsed.values.end() ? DefaultEdgeValueText(statistics) : edge->second,
                         points == parsed.values.end() ? DefaultPointsText() : points->second, grid, quiet);
    if (sloped.cellsNotFinite > 0) {
        context.err << "gridwright-cli slope-edges: " << NotFiniteCellsText(sloped.cellsNotFinite) << "\n";
    }
    return SaveTerrain("slope-edges", out->second, grid, context) ? 0 : 1;
}

}  // namespace gw::cli
