#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/terrain/Statistics.h"

namespace gw::cli {

int RunStats(const Args& args, CliContext& context) {
    const ParsedArgs parsed = ParseVerbArgs(args, {});
    if (parsed.help) {
        context.out << "Usage: gridwright-cli stats FILE.asc\n\n"
                       "Prints the statistics of an ASC257 terrain as the Display Statistics list\n"
                       "shows them: its lowest, highest and average height and the average height\n"
                       "of its outer border, one line each.\n";
        return 0;
    }
    if (!parsed.error.empty() || parsed.files.size() != 1) {
        context.err << "gridwright-cli stats: "
                    << (parsed.error.empty() ? "expected one ASC257 file" : parsed.error) << " (try --help)\n";
        return 2;
    }
    NationalGrid grid;
    if (!LoadTerrain("stats", parsed.files[0], grid, context)) return 1;
    for (const std::string& line : StatisticsLines(ComputeASC257Statistics(grid))) context.out << line << "\n";
    return 0;
}

}  // namespace gw::cli
