// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/terrain/Statistics.h"

namespace gw::cli {

namespace {

const VerbRules kStats{"stats",
                       "Usage: gridwright-cli stats FILE.asc\n\n"
                       "Prints the statistics of an ASC257 terrain as the Display Statistics list\n"
                       "shows them: its lowest, highest and average height and the average height\n"
                       "of its outer border, one line each.\n",
                       {}};

}  // namespace

int RunStats(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kStats, args, context, parsed); end >= 0) return end;
    if (parsed.operands.size() != 1) return UsageError(kStats, "expected one ASC257 file", context);
    NationalGrid grid;
    if (!LoadTerrain("stats", parsed.operands[0], grid, context)) return 1;
    for (const std::string& line : StatisticsLines(ComputeASC257Statistics(grid))) context.out << line << "\n";
    return 0;
}

}  // namespace gw::cli
