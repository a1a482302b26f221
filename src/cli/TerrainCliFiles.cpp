#include "cli/TerrainCliFiles.h"

#include <algorithm>
#include <ostream>

#include "core/ProgramFolder.h"
#include "core/io/WriteTargets.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"

namespace gw::cli {

ParsedArgs ParseVerbArgs(const Args& args, const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flagOptions) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (std::find(valueOptions.begin(), valueOptions.end(), arg) != valueOptions.end()) {
            if (i + 1 >= args.size()) {
                parsed.error = "option " + arg + " needs a value";
                return parsed;
            }
            parsed.values[arg] = args[++i];
        } else if (std::find(flagOptions.begin(), flagOptions.end(), arg) != flagOptions.end()) {
            parsed.flags.insert(arg);
        } else if (arg.size() > 1 && arg[0] == '-') {
            parsed.error = "unknown option " + arg;
            return parsed;
        } else {
            parsed.files.push_back(arg);
        }
    }
    return parsed;
}

bool LoadPiece(const std::string& verb, const std::string& path, PieceGrid& grid, CliContext& context) {
    const PieceReadReport report = ReadPieceFile(path, grid);
    const std::string prefix = "gridwright-cli " + verb + ": ";
    if (!report.opened) {
        context.err << prefix << report.opened.message() << "\n";
        return false;
    }
    for (const std::string& problem : report.problems) context.err << prefix << path << ": " << problem << "\n";
    if (report.verticesStored == 0 && report.problemCount == 0) {
        context.err << prefix << path << ": " << kNoVertexLineWarning << "\n";
    }
    return true;
}

bool LoadTerrain(const std::string& verb, const std::string& path, NationalGrid& grid, CliContext& context) {
    NullStatusSink quiet;
    const Asc257ReadResult result = ReadASC257(path, grid, quiet);
    if (result.ok() && result.cutShort) {
        context.err << "gridwright-cli " << verb << ": " << path << ": the file ends inside its vertex list (cut short?); "
                    << result.verticesStored << " of " << NationalGrid::kSize * NationalGrid::kSize
                    << " heights were read\n";
    }
    if (result.ok()) return true;
    context.err << "gridwright-cli " << verb << ": ";
    if (result.end == Asc257ReadEnd::NegativeValue) context.err << path << ": ";
    context.err << result.message << "\n";
    return false;
}

bool CanWriteOutputs(const std::string& verb, const std::vector<std::string>& outputs,
                     const std::vector<std::string>& inputs, CliContext& context) {
    std::string refusal;
    for (const std::string& output : outputs) {
        if (refusal.empty()) refusal = WriteTargetRefusal(output);
    }
    if (refusal.empty()) refusal = InputOverwriteRefusal(outputs, inputs);
    if (refusal.empty()) return true;
    context.err << "gridwright-cli " << verb << ": " << refusal << "\n";
    return false;
}

bool SaveTerrain(const std::string& verb, const std::string& path, const NationalGrid& grid, CliContext& context) {
    NullStatusSink quiet;
    const Asc257SaveNames names = MakeAsc257SaveNames(path);
    const Outcome written =
        WriteASC257(JoinPath(context.programFolder, "skelasc257.txt"), names.target, names.objectName, grid, quiet);
    if (written) return true;
    context.err << "gridwright-cli " << verb << ": " << written.message() << "\n";
    return false;
}

}  // namespace gw::cli
