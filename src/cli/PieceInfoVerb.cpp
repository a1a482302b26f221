#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/piece/RangeText.h"

namespace gw::cli {

int RunPieceInfo(const Args& args, CliContext& context) {
    if (IsHelpRequest(args)) {
        context.out << "Usage: gridwright-cli piece-info FILE.asc\n\n"
                       "Prints the piece's heights as 17 lines, grid row 1 (the top, Y = 24) first;\n"
                       "each line holds the 17 cell texts of that row separated by a TAB.\n";
        return 0;
    }
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        context.err << "gridwright-cli piece-info: expected one piece file (try --help)\n";
        return 2;
    }
    PieceGrid grid;
    if (!LoadPiece("piece-info", args[0], grid, context)) return 1;
    // The editor copies a range in the same form, so the two cannot drift apart.
    context.out << RangeText(grid);
    return 0;
}

}  // namespace gw::cli
