// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing one piece file (budget: both together under 1 ms).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/piece/PieceFile.h"

namespace {

const std::string kBin = GRIDWRIGHT_BIN_DIR;

void BM_ReadPieceFile(benchmark::State& state) {
    gw::PieceGrid grid;
    for (auto _ : state) {
        auto report = gw::ReadPieceFile(kBin + "/samples/tabletopN.asc", grid);
        benchmark::DoNotOptimize(report.verticesStored);
    }
}
BENCHMARK(BM_ReadPieceFile)->Unit(benchmark::kMicrosecond);

void BM_ReadAndWritePieceFile(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "gridwright-bench-piece";
    std::filesystem::create_directories(dir);
    const std::string target = (dir / "benchN.asc").string();
    gw::PieceGrid grid;
    for (auto _ : state) {
        gw::ReadPieceFile(kBin + "/samples/tabletopN.asc", grid);
        auto outcome = gw::WritePieceFile({kBin + "/skelasc.txt", target, "bench"}, grid);
        if (!outcome) state.SkipWithError(outcome.message().c_str());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReadAndWritePieceFile)->Unit(benchmark::kMicrosecond);

}  // namespace
