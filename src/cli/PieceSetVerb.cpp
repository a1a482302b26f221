// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/io/Paths.h"
#include "core/piece/PiecePath.h"
#include "core/piece/PieceSet.h"

namespace gw::cli {

namespace {

constexpr const char* kVerbName = "gridwright-cli piece-set";

const VerbRules kPieceSet{
    "piece-set",
    "Usage: gridwright-cli piece-set PIECE.asc -o DIR [--kind N|NS|NSEW] [--name NAME]\n\n"
    "Writes the piece's whole file set into the folder DIR: the north file as the\n"
    "piece stands and the other directions turned a quarter counterclockwise at a\n"
    "time, each through the skeleton template and with a .bak of its old version.\n\n"
    "  --kind N     four files: NAME + N, W, S, E\n"
    "  --kind NS    two files: NAME + NS, EW\n"
    "  --kind NSEW  one file: NAME + NSEW\n"
    "Without --kind the kind is the piece file name's suffix, or N when it has none.\n"
    "  --name NAME  the set's name; without it, the piece file's name less its suffix.\n"
    "The files keep the piece file's extension (asc when it has none).\n"
    "Says each file written on stderr, one per line.\n",
    {{"-o", ValueKind::Text}, {"--kind", ValueKind::Choice, false, "N|NS|NSEW"}, {"--name", ValueKind::Text}}};

}  // namespace

int RunPieceSet(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kPieceSet, args, context, parsed); end >= 0) return end;
    if (parsed.operands.size() > 1)
        return UsageError(kPieceSet,
                          "expected one piece file, got '" + parsed.operands[0] + "' and '" + parsed.operands[1] + "'",
                          context);
    if (parsed.operands.empty()) return UsageError(kPieceSet, "expected a piece file", context);
    const std::string folder = parsed.Value("-o");
    if (folder.empty()) return UsageError(kPieceSet, "expected -o DIR", context);
    if (parsed.Has("--name") &&
        (parsed.Value("--name").empty() || parsed.Value("--name").find_first_of("/\\") != std::string::npos))
        return UsageError(kPieceSet, "--name needs a file name without folders", context);
    if (StandardOutputRefused("piece-set", folder, "a set of files (-o names their folder)", context)) return 2;
    const std::string& input = parsed.operands[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        context.err << kVerbName << ": " << folder << " is not an existing folder\n";
        return 1;
    }
    PieceGrid grid;
    if (!LoadPiece("piece-set", input, grid, context)) return 1;

    const PiecePathParts parts = SplitPiecePath(input);
    const PieceSetKind kind = PieceSetKindOf(parsed.Value("--kind", parts.kind));
    const std::string name = parsed.Value("--name", parts.name);
    const std::string extension = parts.extension.empty() ? "asc" : parts.extension;
    std::vector<std::string> outputs;
    for (const PieceSetFile& file : PieceSetFiles({folder, name, extension, kind})) outputs.push_back(file.path);
    if (!CanWriteOutputs("piece-set", outputs, {input}, context)) return 1;
    NullStatusSink quiet;
    const PieceSetSaveResult result =
        SavePieceFileSet(grid, {folder, name, extension, kind}, JoinPath(context.programFolder, "skelasc.txt"), quiet);
    for (const std::string& path : result.written) context.Status() << path << "\n";
    for (const PieceSetFailure& failure : result.failures)
        context.err << kVerbName << ": " << failure.path << ": " << failure.reason << "\n";
    return result.ok() ? 0 : 1;
}

}  // namespace gw::cli
