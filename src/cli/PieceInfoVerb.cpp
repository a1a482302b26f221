// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/piece/RangeText.h"

namespace gw::cli {

namespace {

const VerbRules kPieceInfo{"piece-info",
                           "Usage: gridwright-cli piece-info FILE.asc\n\n"
                           "Prints the piece's heights as 17 lines, grid row 1 (the top, Y = 24) first;\n"
                           "each line holds the 17 cell texts of that row separated by a TAB.\n",
                           {}};

}  // namespace

int RunPieceInfo(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kPieceInfo, args, context, parsed); end >= 0) return end;
    if (parsed.operands.size() != 1) return UsageError(kPieceInfo, "expected one piece file", context);
    PieceGrid grid;
    if (!LoadPiece("piece-info", parsed.operands[0], grid, context)) return 1;
    // The editor copies a range in the same form, so the two cannot drift apart.
    context.out << RangeText(grid);
    return 0;
}

}  // namespace gw::cli
