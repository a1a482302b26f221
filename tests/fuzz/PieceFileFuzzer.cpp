// SPDX-License-Identifier: GPL-3.0-or-later
// The ASC piece reader on any bytes, and the writer with those bytes as its
// skeleton template (a user may replace the file in the program's folder).
#include <algorithm>
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "core/piece/PieceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
    return 0;
}
