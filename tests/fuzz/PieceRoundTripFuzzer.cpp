// SPDX-License-Identifier: GPL-3.0-or-later
// A piece read from any bytes and written through the real skeleton reads back
// the same: every height to the 15 digits the file keeps, in its own cell.
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "core/piece/PieceFile.h"
#include "core/piece/SkeletonText.h"

namespace {

bool SameToFileDigits(double written, double read) {
    return written == read || std::fabs(written - read) <= 1e-14 * std::fabs(written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string skeleton = gw::MakeSkeletonText(gw::kPieceLattice);
    gw::PieceGrid grid;
    if (gw::ReadPieceText(gw::fuzz::AsText(data, size), grid).verticesStored == 0) return 0;

    const std::string text = gw::BuildPieceFileText(skeleton, grid, "fuzz");
    gw::PieceGrid back;
    const gw::PieceReadReport reread = gw::ReadPieceText(text, back);
    GW_FUZZ_CHECK(reread.verticesStored == 17 * 17);
    GW_FUZZ_CHECK(reread.problemCount == 0);
    for (int row = gw::PieceGrid::kFirst; row <= gw::PieceGrid::kLast; ++row) {
        for (int column = gw::PieceGrid::kFirst; column <= gw::PieceGrid::kLast; ++column) {
            GW_FUZZ_CHECK(SameToFileDigits(grid.Z(column, row), back.Z(column, row)));
        }
    }
    return 0;
}
