// SPDX-License-Identifier: GPL-3.0-or-later
// The ASC piece reader on any bytes, and the writer with those bytes as its
// skeleton template (a user may replace the file in the program's folder). A
// piece read is written through the real skeleton and reads back the same:
// every height to the 15 digits the file keeps, in its own cell.

#include "FuzzSupport.h"
#include "core/piece/PieceFile.h"
#include "core/piece/SkeletonText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string skeleton = gw::MakeSkeletonText(gw::kPieceLattice);
    const std::string_view input = gw::fuzz::AsText(data, size);

    gw::PieceGrid grid;
    const gw::PieceReadReport report = gw::ReadPieceText(input, grid);
    GW_FUZZ_CHECK(report.opened.ok());
    GW_FUZZ_CHECK(report.verticesStored >= 0 && report.problemCount >= 0);
    GW_FUZZ_CHECK(report.problems.size() == static_cast<std::size_t>(std::min<long long>(
                                                report.problemCount, gw::PieceReadReport::kMaxProblems)));
    for (const std::string& problem : report.problems) GW_FUZZ_CHECK(problem.size() < 200);
    for (double z : grid.values) GW_FUZZ_CHECK(std::isfinite(z));
    (void)gw::BuildPieceFileText(input, grid, "fuzz");
    if (report.verticesStored == 0) return 0;

    gw::PieceGrid back;
    const gw::PieceReadReport reread = gw::ReadPieceText(gw::BuildPieceFileText(skeleton, grid, "fuzz"), back);
    GW_FUZZ_CHECK(reread.verticesStored == 17 * 17);
    GW_FUZZ_CHECK(reread.problemCount == 0);
    for (int row = gw::PieceGrid::kFirst; row <= gw::PieceGrid::kLast; ++row) {
        for (int column = gw::PieceGrid::kFirst; column <= gw::PieceGrid::kLast; ++column) {
            GW_FUZZ_CHECK(gw::fuzz::SameToFileDigits(grid.Z(column, row), back.Z(column, row)));
        }
    }
    return 0;
}
