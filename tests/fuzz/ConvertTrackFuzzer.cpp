// SPDX-License-Identifier: GPL-3.0-or-later
// A whole conversion of a small track folder, as the tool's convert runs it: the
// track is only read, each of the 256 places is added or reported (briefly), no
// height is anything but a finite number, and what was written reads back.
// Input: the .TER, a zero byte, the piece odd.asc beside it, a zero byte, the
// .SCN. Beside them lie bump.asc and flat.asc, every 16th vertex line of each.

#include "FuzzSupport.h"
#include "core/convert/BuildNational.h"
#include "core/convert/SXConversion.h"
#include "core/piece/PieceFile.h"
#include "core/piece/SkeletonText.h"
#include "core/terrain/Asc257File.h"
#include "core/trackfiles/ProfileFile.h"

namespace {

struct Folders {
    std::string program = gw::fuzz::ScratchPath("program");
    std::string track = gw::fuzz::ScratchPath("track");
    std::string out = gw::fuzz::ScratchPath("out");
};

// The program's stock files, small, and a terrain template of a few vertices.
const Folders& MakeFolders() {
    static const Folders folders = [] {
        Folders made;
        for (const std::string& folder : {made.program, made.track, made.out})
            std::filesystem::create_directory(folder);
        auto write = [](const std::string& path, const std::string& text) { gw::fuzz::WriteScratchFile(path, text); };
        write(made.program + "/national.ter", "[ElevationData]\r\nGridResolutionInFeet=3.0\r\n[ElevationFile_1]\r\n");
        write(made.program + "/national.scn", "[SceneInfo]\r\nSceneName=stock\r\n[Environment]\r\n");
        write(made.program + "/flat.asc", "Vertex 0: X: -128 Y: -128 Z: 0\r\nFace list:\r\n");
        write(made.program + "/skelasc257.txt",
              "Tri-mesh, Vertices: 3     Faces: 1\r\nVertex list:\r\nVertex 0: X: -128 Y: -128 Z: 0\r\n"
              "Vertex 1: X: 0 Y: 0 Z: 0\r\nVertex 2: X: 128 Y: 128 Z: 0\r\nFace list:\r\nFace 0: A:0 B:1 C:2\r\n");
        gw::PieceGrid bump;
        for (int row = 1; row <= 17; ++row)
            for (int column = 1; column <= 17; ++column) bump.Z(column, row) = (column + row) % 4 * 0.5;
        const std::string skeleton = gw::MakeSkeletonText(gw::kPieceLattice);
        for (const auto& [name, piece] : {std::pair{"bump", bump}, {"flat", gw::PieceGrid()}})
            write(made.track + "/" + name + ".asc",
                  gw::fuzz::VertexLinesOnly(gw::BuildPieceFileText(skeleton, piece, name), 16));
        return made;
    }();
    return folders;
}

struct NoPreview final : gw::DisplacementPreview {
    void ShowPreview() override {}
    void DrawMap(const gw::RgbImage&) override {}
    void Status(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folders& folders = MakeFolders();
    const auto fields = gw::fuzz::SplitFields(gw::fuzz::AsText(data, size), 2);
    const std::string ter = folders.track + "/Track.ter";
    gw::fuzz::WriteScratchFile(ter, fields[0]);
    gw::fuzz::WriteScratchFile(folders.track + "/odd.asc", fields[1]);
    gw::fuzz::WriteScratchFile(folders.track + "/Track.SCN", fields[2]);

    // A flat terrain, as the tool's without --base, in one grid kept between runs.
    static gw::NationalGrid terrain;
    gw::fuzz::Zero(terrain.values);
    gw::SXConversionOptions options;
    options.terFile = ter;
    options.outputFolder = folders.out;
    options.writeTer = options.writeScn = true;
    gw::NullStatusSink status;
    NoPreview preview;
    gw::fuzz::QuietPrompter prompter;
    gw::ConversionSurroundings surroundings{status, preview, prompter, "", {}};
    const gw::SXConversionResult result = gw::RunSXConversionInPlace(options, folders.program, terrain, surroundings);

    // The track is only read.
    GW_FUZZ_CHECK(result.refusal.empty());
    std::string terAfter;
    GW_FUZZ_CHECK(gw::ReadFileBytes(ter, gw::kTerrainFileCap, terAfter).ok() && terAfter == fields[0]);
    const gw::NationalBuild& build = result.build;
    if (!build.terRead) {
        GW_FUZZ_CHECK(result.steps.empty() && !result.ok());
        return 0;
    }
    GW_FUZZ_CHECK(build.piecesAdded + static_cast<int>(build.notAdded.size()) == gw::kTrackPieces);
    GW_FUZZ_CHECK(build.piecesOffTerrain >= 0 && build.piecesOffTerrain <= build.piecesAdded);
    GW_FUZZ_CHECK(build.vertexProblems >= 0);
    GW_FUZZ_CHECK(gw::fuzz::AllFinite(terrain.values));
    for (const gw::PieceNotAdded& piece : build.notAdded)
        GW_FUZZ_CHECK(piece.number >= 1 && piece.number <= gw::kTrackPieces && !piece.reason.empty());
    const std::string problems = gw::NationalBuildProblemsText(build, 5);
    GW_FUZZ_CHECK(std::count(problems.begin(), problems.end(), '\n') + !problems.empty() <= 5 + 3);
    GW_FUZZ_CHECK(build.ok() == problems.empty() || build.vertexProblems > 0 || build.cellsNotFinite > 0);

    // The chosen files, each written whole or reported.
    GW_FUZZ_CHECK(result.steps.size() == 3);
    for (const gw::ConversionStep& step : result.steps) {
        GW_FUZZ_CHECK(step.outcome.ok());
        gw::ProfileDocument written;
        if (step.what != "flat.asc") GW_FUZZ_CHECK(gw::ProfileDocument::Load(step.path, written).ok());
    }
    GW_FUZZ_CHECK(result.ok() == build.ok());

    // The terrain saved as the tool saves it, and read back.
    const gw::Asc257SaveNames names = gw::MakeAsc257SaveNames(folders.out + "/Track.asc");
    GW_FUZZ_CHECK(
        gw::WriteASC257({folders.program + "/skelasc257.txt", names.target, names.objectName}, terrain, status).ok());
    static gw::NationalGrid read;
    const gw::Asc257ReadResult back = gw::ReadASC257(names.target, read, status);
    // The template's three vertices; reading stops at a negative height.
    GW_FUZZ_CHECK(back.ok() == (terrain.At(0, 0) >= 0 && terrain.At(128, 128) >= 0 && terrain.At(256, 256) >= 0));
    if (back.ok()) GW_FUZZ_CHECK(back.verticesStored == 3 && !back.cutShort);
    return 0;
}
