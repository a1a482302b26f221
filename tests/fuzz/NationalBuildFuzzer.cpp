// SPDX-License-Identifier: GPL-3.0-or-later
// The SX conversion's reading of a track: any bytes as the .TER, beside two
// piece files (their vertex lines). Every one of the 256 places is either added or reported,
// and the report stays short whatever the file holds.
#include <string>

#include "FuzzSupport.h"
#include "core/convert/BuildNational.h"
#include "core/piece/PieceFile.h"
#include "core/piece/SkeletonText.h"

namespace {

// Two pieces the .TER may name: bump.asc (written the game's way, any case
// of the name finds it) and flat.asc.
void WritePieces() {
    const std::string skeleton = gw::MakeSkeletonText(gw::kPieceLattice);
    gw::PieceGrid bump;
    for (int row = 1; row <= 17; ++row) {
        for (int column = 1; column <= 17; ++column) bump.Z(column, row) = (column * row) % 5 * 0.75;
    }
    gw::fuzz::WriteScratchFile(gw::fuzz::ScratchPath("bump.asc"),
                               gw::fuzz::VertexLinesOnly(gw::BuildPieceFileText(skeleton, bump, "bump")));
    gw::fuzz::WriteScratchFile(gw::fuzz::ScratchPath("flat.asc"),
                               gw::fuzz::VertexLinesOnly(gw::BuildPieceFileText(skeleton, gw::PieceGrid(), "flat")));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool written = (WritePieces(), true);
    (void)written;
    const std::string ter = gw::fuzz::ScratchPath("track.ter");
    gw::fuzz::WriteScratchFile(ter, gw::fuzz::AsText(data, size));

    static gw::NationalGrid grid;
    gw::fuzz::Zero(grid.values);
    gw::NullStatusSink status;
    const gw::NationalBuild build = gw::BuildNationalFromTer(ter, "5.411765", "0.67", grid, status);
    GW_FUZZ_CHECK(build.terRead.ok());
    GW_FUZZ_CHECK(build.piecesAdded + static_cast<int>(build.notAdded.size()) == gw::kTrackPieces);
    GW_FUZZ_CHECK(build.vertexProblems >= 0);
    GW_FUZZ_CHECK(gw::fuzz::AllFinite(grid.values));
    for (const gw::PieceNotAdded& piece : build.notAdded) {
        GW_FUZZ_CHECK(piece.number >= 1 && piece.number <= gw::kTrackPieces && !piece.reason.empty());
    }

    const std::string problems = gw::NationalBuildProblemsText(build, 5);
    std::size_t lines = problems.empty() ? 0 : 1;
    for (char c : problems) lines += c == '\n';
    GW_FUZZ_CHECK(lines <= 5 + 3);
    GW_FUZZ_CHECK(build.ok() == problems.empty() || build.vertexProblems > 0 || build.cellsNotFinite > 0);
    return 0;
}
