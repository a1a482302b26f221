// SPDX-License-Identifier: GPL-3.0-or-later
// ASC257 reading and writing against plain file work in the same run:
//   read  <= 3 x counting the file's lines
//   write <= 4 x copying the skeleton file (both flushed to the disk)
// The paired benchmarks time both sides in every iteration and report the
// ratios as counters, so the figures hold on a busy machine: ratio on the wall
// clock, cpu_ratio on the thread's processor time (user and system), which
// leaves out waiting for other processes and for the disk cache to drain.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/io/SystemFiles.h"
#include "core/terrain/Asc257File.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::string kSkeleton = std::string(GRIDWRIGHT_BIN_DIR) + "/skelasc257.txt";

// Rolling hills with heights written to six decimals, like converted terrains.
gw::NationalGrid HillyGrid() {
    gw::NationalGrid grid;
    for (int y = 0; y < gw::NationalGrid::kSize; ++y) {
        for (int x = 0; x < gw::NationalGrid::kSize; ++x) {
            const double h = 20 + 8 * std::sin(x * 0.05) * std::cos(y * 0.07) + (x * 31 + y * 17) % 7 * 0.37;
            grid.At(x, y) = std::round(h * 1e6) / 1e6;
        }
    }
    return grid;
}

struct Files {
    fs::path dir = fs::temp_directory_path() / "gridwright-bench-asc257";
    std::string terrain = (dir / "hills.asc").string();
    std::string target = (dir / "out.asc").string();
    std::string copy = (dir / "copy.txt").string();
    Files() {
        fs::create_directories(dir);
        gw::NullStatusSink quiet;
        gw::WriteASC257({kSkeleton, terrain, "hills"}, HillyGrid(), quiet);
    }
    ~Files() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

Files& TheFiles() {
    static Files files;
    return files;
}

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

long long CountLines(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"), &std::fclose);
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::vector<char> block(std::size_t{1} << 20);
    long long lines = 0;
    std::size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), file.get())) > 0) {
        lines += std::count(block.data(), block.data() + got, '\n');
    }
    return lines;
}

void CopyFile(const std::string& from, const std::string& to) {
    FilePtr in(std::fopen(from.c_str(), "rb"), &std::fclose);
    FilePtr out(std::fopen(to.c_str(), "wb"), &std::fclose);
    std::setvbuf(in.get(), nullptr, _IONBF, 0);
    std::vector<char> block(std::size_t{1} << 20);
    std::size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in.get())) > 0)
        std::fwrite(block.data(), 1, got, out.get());
    // The writer puts its file on the disk before renaming it into place; so
    // does the copy it is measured against.
    gw::sys::SyncFile(out.get());
}

void WriteSmallFile(const std::string& path) {
    FilePtr out(std::fopen(path.c_str(), "wb"), &std::fclose);
    std::fputs("previous\r\n", out.get());
}

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Wall and processor time of the baseline and of the work, summed over the
// iterations, reported per iteration with their ratios.
struct PairedTimes {
    double baseline = 0, work = 0, baselineCpu = 0, workCpu = 0;

    template <typename Baseline, typename Work>
    void Measure(Baseline&& baselineStep, Work&& workStep) {
        const double c0 = CpuSeconds();
        const auto t0 = Clock::now();
        baselineStep();
        const auto t1 = Clock::now();
        const double c1 = CpuSeconds();
        workStep();
        const auto t2 = Clock::now();
        const double c2 = CpuSeconds();
        baseline += Seconds(t0, t1);
        work += Seconds(t1, t2);
        baselineCpu += c1 - c0;
        workCpu += c2 - c1;
    }

    void Report(benchmark::State& state, const char* baselineName, const char* workName) const {
        const double n = static_cast<double>(state.iterations());
        state.counters[baselineName] = 1e3 * baseline / n;
        state.counters[workName] = 1e3 * work / n;
        state.counters["ratio"] = work / baseline;
        state.counters["cpu_ratio"] = workCpu / baselineCpu;
    }
};

void BM_Asc257ReadVsLineCount(benchmark::State& state) {
    Files& files = TheFiles();
    gw::NullStatusSink quiet;
    PairedTimes times;
    for (auto _ : state) {
        gw::Asc257ReadResult result;
        times.Measure([&] { benchmark::DoNotOptimize(CountLines(files.terrain)); },
                      [&] {
                          gw::NationalGrid grid;
                          result = gw::ReadASC257(files.terrain, grid, quiet);
                      });
        if (!result.ok() || result.verticesStored != 66049) state.SkipWithError("the terrain did not read back");
    }
    times.Report(state, "count_lines_ms", "read_ms");
}
BENCHMARK(BM_Asc257ReadVsLineCount)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_Asc257WriteVsSkeletonCopy(benchmark::State& state) {
    Files& files = TheFiles();
    const gw::NationalGrid grid = HillyGrid();
    gw::NullStatusSink quiet;
    const std::string bak = (files.dir / "out.bak").string();
    PairedTimes times;
    for (auto _ : state) {
        // Both sides start alike: no earlier copy, a small previous target to
        // keep and no old backup. Freeing the pages of a large file that was
        // written a moment ago is the kernel's bookkeeping, not this work.
        std::error_code ignored;
        fs::remove(files.copy, ignored);
        fs::remove(bak, ignored);
        WriteSmallFile(files.target);
        gw::Outcome written = gw::Outcome::Ok();
        times.Measure([&] { CopyFile(kSkeleton, files.copy); },
                      [&] {
                          written = gw::WriteASC257({kSkeleton, files.target, "out"}, grid, quiet);
                      });
        if (!written) state.SkipWithError(written.message().c_str());
    }
    times.Report(state, "copy_ms", "write_ms");
}
BENCHMARK(BM_Asc257WriteVsSkeletonCopy)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
