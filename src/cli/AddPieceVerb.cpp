// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/terrain/AddPiece.h"

namespace gw::cli {

namespace {

const VerbRules kAddPiece{"add-piece",
                          "Usage: gridwright-cli add-piece BASE.asc PIECE.asc --at \"X, Y, Z, Scale\" -o OUT.asc\n\n"
                          "Adds a track piece onto an ASC257 terrain as National > Add to ASC257 does.\n"
                          "--at takes the text of the Add box: X and Y of the piece's lower-left corner\n"
                          "(-128 to 112; a G after a number means track-editor tile numbers, 1 to 16),\n"
                          "then Z (empty: follow the terrain) and Scale (empty: .67), for example\n"
                          "\"3g, 3g,,.8\". OUT.asc is written through skelasc257.txt; a previous OUT\n"
                          "keeps its content in OUT.bak (T.v2.asc keeps T.v2.bak). OUT may not be an input;\n"
                          "-o - writes the terrain to standard output.\n",
                          {{"--at", ValueKind::Text}, {"-o", ValueKind::Text}}};

}  // namespace

int RunAddPiece(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kAddPiece, args, context, parsed); end >= 0) return end;
    const std::vector<std::string>& files = parsed.operands;
    if (files.size() != 2 || !parsed.Has("--at") || !parsed.Has("-o"))
        return UsageError(kAddPiece, "expected BASE.asc PIECE.asc --at \"X, Y, Z, Scale\" -o OUT.asc", context);
    const AddAnswer answer = ParseAddAnswer(parsed.Value("--at"));
    if (!answer.ok) return UsageError(kAddPiece, "--at: " + answer.message, context);
    const std::string out = parsed.Value("-o");
    if (!CanWriteOutputs("add-piece", {out}, files, context)) return 1;
    NationalGrid grid;
    if (!LoadTerrain("add-piece", files[0], grid, context)) return 1;
    PieceGrid piece;
    if (!LoadPiece("add-piece", files[1], piece, context)) return 1;
    const AddPieceCount count =
        AddPieceToASC257(answer.xText, answer.yText, answer.zText, answer.scaleText, piece, grid);
    if (count.cellsNotFinite > 0) {
        context.err << "gridwright-cli add-piece: " << NotFiniteCellsText(count.cellsNotFinite) << "\n";
    }
    return SaveTerrain("add-piece", out, grid, context) ? 0 : 1;
}

}  // namespace gw::cli
