// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TerrainCliFiles.h"

#include <algorithm>
#include <ostream>

#include "core/io/FileText.h"
#include "core/io/Paths.h"
#include "core/io/WriteTargets.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"

namespace gw::cli {

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
        context.err << "gridwright-cli " << verb << ": " << path
                    << ": the file ends inside its vertex list (cut short?); " << result.verticesStored << " of "
                    << NationalGrid::kSize * NationalGrid::kSize << " heights were read\n";
    }
    if (result.ok()) return true;
    context.err << "gridwright-cli " << verb << ": ";
    if (result.end == Asc257ReadEnd::NegativeValue) context.err << path << ": ";
    context.err << result.message << "\n";
    return false;
}

bool CanWriteOutputs(const std::string& verb, const std::vector<std::string>& outputs,
                     const std::vector<std::string>& inputs, CliContext& context) {
    std::vector<std::string> files;
    for (const std::string& output : outputs) {
        if (!IsStandardOutput(output)) files.push_back(output);
    }
    std::string refusal;
    for (const std::string& file : files) {
        if (refusal.empty()) refusal = WriteTargetRefusal(file);
    }
    if (refusal.empty()) refusal = InputOverwriteRefusal(files, inputs);
    if (refusal.empty()) return true;
    context.err << "gridwright-cli " << verb << ": " << refusal << "\n";
    return false;
}

bool SaveTerrain(const std::string& verb, const std::string& path, const NationalGrid& grid, CliContext& context) {
    NullStatusSink quiet;
    const std::string skeleton = JoinPath(context.programFolder, "skelasc257.txt");
    Outcome written = Outcome::Ok();
    if (IsStandardOutput(path)) {
        written = StreamASC257(skeleton, "terrain", grid, quiet, [&context](std::string_view bytes) {
            context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        });
    } else {
        const Asc257SaveNames names = MakeAsc257SaveNames(path);
        written = WriteASC257({skeleton, names.target, names.objectName}, grid, quiet);
    }
    if (written) return true;
    context.err << "gridwright-cli " << verb << ": " << written.message() << "\n";
    return false;
}

bool SavePiece(const std::string& verb, const std::string& path, const PieceGrid& grid, CliContext& context) {
    const std::string skeletonPath = JoinPath(context.programFolder, "skelasc.txt");
    Outcome written = Outcome::Ok();
    if (IsStandardOutput(path)) {
        std::string skeleton;
        written = ReadFileBytes(skeletonPath, kPieceFileCap, skeleton);
        if (!written) {
            written = Outcome::Fail("The skeleton template is missing or unreadable. " + written.message());
        } else if (skeleton.empty()) {
            written = Outcome::Fail("The skeleton template " + skeletonPath + " is empty.");
        } else {
            context.out << BuildPieceFileText(skeleton, grid, "piece");
        }
    } else {
        const Asc257SaveNames names = MakeAsc257SaveNames(path);
        written = WritePieceFile({skeletonPath, names.target, names.objectName}, grid);
    }
    if (written) return true;
    context.err << "gridwright-cli " << verb << ": " << written.message() << "\n";
    return false;
}

bool StandardOutputRefused(const std::string& verb, const std::string& output, const std::string& what,
                           CliContext& context) {
    if (!IsStandardOutput(output)) return false;
    context.err << "gridwright-cli " << verb << ": standard output (-) cannot take " << what << " (try --help)\n";
    return true;
}

}  // namespace gw::cli
