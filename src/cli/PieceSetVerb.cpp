#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/TerrainCliFiles.h"
#include "cli/Verbs.h"
#include "core/ProgramFolder.h"
#include "core/piece/PiecePath.h"
#include "core/piece/PieceSet.h"
#include "core/text/FieldString.h"

namespace gw::cli {

namespace {

constexpr const char* kVerbName = "gridwright-cli piece-set";

void PrintPieceSetHelp(std::ostream& out) {
    out << "Usage: gridwright-cli piece-set PIECE.asc -o DIR [--kind N|NS|NSEW] [--name NAME]\n\n"
           "Writes the piece's whole file set into the folder DIR: the north file as the\n"
           "piece stands and the other directions turned a quarter counterclockwise at a\n"
           "time, each through the skeleton template and with a .bak of its old version.\n\n"
           "  --kind N     four files: NAME + N, W, S, E\n"
           "  --kind NS    two files: NAME + NS, EW\n"
           "  --kind NSEW  one file: NAME + NSEW\n"
           "Without --kind the kind is the piece file name's suffix, or N when it has none.\n"
           "  --name NAME  the set's name; without it, the piece file's name less its suffix.\n"
           "The files keep the piece file's extension (asc when it has none).\n"
           "Prints each file written, one per line.\n";
}

struct PieceSetArguments {
    std::string input;
    std::string folder;
    std::string kind;
    std::string name;
    bool haveName = false;
};

std::string ParsePieceSetArguments(const Args& args, PieceSetArguments& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o") {
            if (!parsed.folder.empty()) return "-o given twice";
            if (!hasValue || args[i + 1].empty()) return "-o needs a folder";
            parsed.folder = args[++i];
        } else if (arg == "--kind") {
            if (!parsed.kind.empty()) return "--kind given twice";
            const std::string kind = hasValue ? UpperAscii(args[++i]) : std::string();
            if (kind != "N" && kind != "NS" && kind != "NSEW") return "--kind needs N, NS or NSEW";
            parsed.kind = kind;
        } else if (arg == "--name") {
            if (parsed.haveName) return "--name given twice";
            if (!hasValue) return "--name needs a name";
            parsed.name = args[++i];
            if (parsed.name.empty() || parsed.name.find_first_of("/\\") != std::string::npos)
                return "--name needs a file name without folders";
            parsed.haveName = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else {
            if (!parsed.input.empty()) return "expected one piece file, got '" + parsed.input + "' and '" + arg + "'";
            parsed.input = arg;
        }
    }
    if (parsed.input.empty()) return "expected a piece file";
    if (parsed.folder.empty()) return "expected -o DIR";
    return std::string();
}

}  // namespace

int RunPieceSet(const Args& args, CliContext& context) {
    if (IsHelpRequest(args)) {
        PrintPieceSetHelp(context.out);
        return 0;
    }
    PieceSetArguments parsed;
    const std::string complaint = ParsePieceSetArguments(args, parsed);
    if (!complaint.empty()) {
        context.err << kVerbName << ": " << complaint << " (try --help)\n";
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(parsed.folder, ec)) {
        context.err << kVerbName << ": " << parsed.folder << " is not an existing folder\n";
        return 1;
    }
    PieceGrid grid;
    if (!LoadPiece("piece-set", parsed.input, grid, context)) return 1;

    const PiecePathParts parts = SplitPiecePath(parsed.input);
    const PieceSetKind kind = PieceSetKindOf(parsed.kind.empty() ? parts.kind : parsed.kind);
    const std::string name = parsed.haveName ? parsed.name : parts.name;
    const std::string extension = parts.extension.empty() ? "asc" : parts.extension;
    std::vector<std::string> outputs;
    for (const PieceSetFile& file : PieceSetFiles(parsed.folder, name, extension, kind)) outputs.push_back(file.path);
    if (!CanWriteOutputs("piece-set", outputs, {parsed.input}, context)) return 1;
    NullStatusSink quiet;
    const PieceSetSaveResult result = SavePieceFileSet(grid, parsed.folder, name, extension, kind,
                                                       JoinPath(context.programFolder, "skelasc.txt"), quiet);
    for (const std::string& path : result.written) context.out << path << "\n";
    for (const PieceSetFailure& failure : result.failures)
        context.err << kVerbName << ": " << failure.path << ": " << failure.reason << "\n";
    return result.ok() ? 0 : 1;
}

}  // namespace gw::cli
