#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/terrain/AddPiece.h"

namespace gw::cli {

int RunAddPiece(const Args& args, CliContext& context) {
    const ParsedArgs parsed = ParseVerbArgs(args, {"--at", "-o"});
    if (parsed.help) {
        context.out << "Usage: gridwright-cli add-piece BASE.asc PIECE.asc --at \"X, Y, Z, Scale\" -o OUT.asc\n\n"
                       "Adds a track piece onto an ASC257 terrain as National > Add to ASC257 does.\n"
                       "--at takes the text of the Add box: X and Y of the piece's lower-left corner\n"
                       "(-128 to 112; a G after a number means track-editor tile numbers, 1 to 16),\n"
                       "then Z (empty: follow the terrain) and Scale (empty: .67), for example\n"
                       "\"3g, 3g,,.8\". OUT.asc is written through skelasc257.txt; a previous OUT\n"
                       "keeps its content in OUT.bak (T.v2.asc keeps T.v2.bak). OUT may not be an input.\n";
        return 0;
    }
    const auto at = parsed.values.find("--at");
    const auto out = parsed.values.find("-o");
    if (!parsed.error.empty() || parsed.files.size() != 2 || at == parsed.values.end() || out == parsed.values.end()) {
        context.err << "gridwright-cli add-piece: "
                    << (parsed.error.empty() ? "expected BASE.asc PIECE.asc --at \"X, Y, Z, Scale\" -o OUT.asc"
                                             : parsed.error)
                    << " (try --help)\n";
        return 2;
    }
    const AddAnswer answer = ParseAddAnswer(at->second);
    if (!answer.ok) {
        context.err << "gridwright-cli add-piece: " << answer.message << "\n";
        return 2;
    }
    if (!CanWriteOutputs("add-piece", {out->second}, parsed.files, context)) return 1;
    NationalGrid grid;
    if (!LoadTerrain("add-piece", parsed.files[0], grid, context)) return 1;
    PieceGrid piece;
    if (!LoadPiece("add-piece", parsed.files[1], piece, context)) return 1;
    const AddPieceCount count = AddPieceToASC257(answer.xText, answer.yText, answer.zText, answer.scaleText, piece, grid);
    if (count.cellsNotFinite > 0) {
        context.err << "gridwright-cli add-piece: " << NotFiniteCellsText(count.cellsNotFinite) << "\n";
    }
    return SaveTerrain("add-piece", out->second, grid, context) ? 0 : 1;
}

}  // namespace gw::cli
