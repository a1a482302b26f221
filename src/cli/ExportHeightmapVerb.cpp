// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "cli/TerrainCliFiles.h"
#include "cli/VerbOptions.h"
#include "cli/Verbs.h"
#include "core/heightmap/HeightmapFile.h"
#include "core/heightmap/HeightmapGrid.h"
#include "core/io/BlockLineReader.h"
#include "core/io/InputFile.h"
#include "core/io/VertexLine.h"
#include "core/piece/PieceFile.h"

namespace gw::cli {

namespace {

constexpr const char* kVerb = "gridwright-cli export-heightmap: ";
constexpr long long kPieceVertices = 17 * 17;

const VerbRules kExport{"export-heightmap",
                        "Usage: gridwright-cli export-heightmap IN.asc -o OUT.png|OUT.r16\n\n"
                        "Writes the heights of a piece or a terrain as a 16-bit greyscale heightmap for\n"
                        "terrain tools: the lowest height becomes 0 (black), the highest 65535 (white);\n"
                        "a flat grid is all black. The top row is the north edge (highest Y), the left\n"
                        "column the west edge (lowest X), as in the displacement maps.\n\n"
                        "IN.asc is a piece (17 x 17 pixels) when it holds at most 289 vertices, and a\n"
                        "terrain (ASC257, 257 x 257 pixels) when it holds more.\n\n"
                        "  -o OUT.png   a 16-bit greyscale PNG; the lowest and highest heights are kept\n"
                        "               in it (text chunks MinZ and MaxZ), so import-heightmap restores\n"
                        "               them by itself\n"
                        "  -o OUT.r16   raw 16-bit little-endian samples, row after row (also .raw);\n"
                        "               give the stated heights to import-heightmap as --min and --max\n"
                        "The format is OUT's extension, so OUT cannot be standard output.\n\n"
                        "Says OUT's path, its size and the heights drawn black and white on stderr.\n",
                        {{"-o", ValueKind::Text}}};

// A piece holds 17 x 17 vertices; a file with more is a terrain. Only the head
// of a terrain is read to tell: the count stops after the piece's number.
Outcome IsTerrainFile(const std::string& path, bool& terrain) {
    BlockLineReader lines;
    if (Outcome opened = lines.Open(path, kTerrainFileCap); !opened) return opened;
    long long vertices = 0;
    TextLine line;
    while (vertices <= kPieceVertices && lines.Next(line)) {
        if (IsSkeletonVertexLine(line.text)) ++vertices;
    }
    terrain = vertices > kPieceVertices;
    return lines.readError();
}

// The heightmap of the piece or terrain in the file; false (with the message
// written) when it cannot be read.
bool ExportFile(const std::string& path, HeightmapExport& exported, CliContext& context) {
    bool terrain = false;
    if (Outcome told = IsTerrainFile(path, terrain); !told) {
        context.err << kVerb << told.message() << "\n";
        return false;
    }
    if (terrain) {
        NationalGrid grid;
        if (!LoadTerrain("export-heightmap", path, grid, context)) return false;
        exported = TerrainHeightmap(grid);
        return true;
    }
    PieceGrid grid;
    const PieceReadReport report = ReadPieceFile(path, grid);
    if (!report.opened) {
        context.err << kVerb << report.opened.message() << "\n";
        return false;
    }
    for (const std::string& problem : report.problems) context.err << kVerb << path << ": " << problem << "\n";
    exported = PieceHeightmap(grid);
    return true;
}

}  // namespace

int RunExportHeightmap(const Args& args, CliContext& context) {
    ParsedOptions parsed;
    if (const int end = ParseVerbOptions(kExport, args, context, parsed); end >= 0) return end;
    const std::string output = parsed.Value("-o");
    if (parsed.operands.size() != 1 || output.empty())
        return UsageError(kExport, "expected IN.asc -o OUT.png|OUT.r16", context);
    if (StandardOutputRefused("export-heightmap", output, "a heightmap: its format is OUT's extension", context))
        return 2;
    if (HeightmapFormatOf(output) == HeightmapFormat::Unknown)
        return UsageError(kExport, "the heightmap must end in .png, .r16 or .raw", context);
    const std::string& input = parsed.operands[0];
    if (!CanWriteOutputs("export-heightmap", {output}, {input}, context)) return 1;
    HeightmapExport exported;
    if (!ExportFile(input, exported, context)) return 1;
    if (Outcome written = WriteHeightmapFile(output, exported.map, exported.heights); !written) {
        context.err << kVerb << written.message() << "\n";
        return 1;
    }
    context.Status() << output << ": " << exported.map.width << " x " << exported.map.height << ", heights "
                     << ExactNumberText(exported.heights.lowest) << " to " << ExactNumberText(exported.heights.highest)
                     << " as 0 to 65535\n";
    return 0;
}

}  // namespace gw::cli
