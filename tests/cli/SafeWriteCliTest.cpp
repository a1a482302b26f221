// SPDX-License-Identifier: GPL-3.0-or-later
// Parallel runs of the command-line tool never cross.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <vector>

#include "cli/CliScene.h"
#include "core/piece/PieceFile.h"

namespace gw::test {
namespace {

// Sixteen runs at once, four on sibling targets and four on one shared target
// for each of two verbs. Each sibling holds its own job's data; the shared
// target and its backup are complete files of two different jobs.
TEST(SafeWriteCli, ParallelRunsNeverCross) {
    TempDir dir;
    const std::string base = dir.File("base.asc");
    WriteTerrain(base, NationalGrid());
    struct Job {
        std::string arguments, output;
        int value;
    };
    std::vector<Job> jobs;
    for (int i = 0; i < 4; ++i) {
        const std::string v = std::to_string(i);
        for (const auto& [value, output] : {std::pair{10 + i, "p.v" + v + ".asc"}, {20 + i, std::string("p.asc")}}) {
            jobs.push_back(
                {"edit -q " + SamplePiecePath() + " --set " + std::to_string(value) + " -o " + dir.File(output), output,
                 value});
        }
        for (const auto& [value, output] : {std::pair{30 + i, "T.v" + v + ".asc"}, {40 + i, std::string("T.asc")}}) {
            jobs.push_back(
                {"slope-edges " + base + " --edge " + std::to_string(value) + " --points 1 -o " + dir.File(output),
                 output, value});
        }
    }
    std::vector<std::future<CliRun>> runs;
    for (const Job& job : jobs) runs.push_back(std::async(std::launch::async, RunCli, job.arguments));
    for (std::size_t j = 0; j < jobs.size(); ++j) {
        const CliRun result = runs[j].get();
        EXPECT_EQ(result.status, 0) << jobs[j].arguments << ": " << result.err;
        EXPECT_EQ(result.err, "") << jobs[j].arguments;
    }
    // The one height every cell of a piece holds, or the corner of a terrain
    // (its border takes the edge height); -1 for a file not complete.
    auto valueOf = [](const std::string& path) -> double {
        if (fs::path(path).filename().string()[0] == 'p') {
            PieceGrid grid;
            const bool complete = ReadPieceFile(path, grid).verticesStored == 289;
            const HeightRange range = PieceHeightRange(grid);
            return complete && range.lowest == range.highest ? range.lowest : -1;
        }
        NationalGrid grid;
        NullStatusSink none;
        const Asc257ReadResult read = ReadASC257(path, grid, none);
        return read.ok() && read.verticesStored == 66049 && grid.At(256, 256) == grid.At(0, 0) ? grid.At(0, 0) : -1;
    };
    std::map<std::string, std::set<double>> shared;
    for (const Job& job : jobs) {
        if (job.output.find(".v") != std::string::npos) {
            EXPECT_EQ(valueOf(dir.File(job.output)), job.value) << job.output;
        } else {
            shared[job.output].insert(job.value);
        }
    }
    for (const auto& [output, values] : shared) {
        const std::string backup = output.substr(0, output.size() - 3) + "bak";
        const double now = valueOf(dir.File(output)), before = valueOf(dir.File(backup));
        EXPECT_EQ(values.count(now), 1u) << output << " holds " << now;
        EXPECT_EQ(values.count(before), 1u) << backup << " holds " << before;
        EXPECT_NE(now, before) << output;
    }
    EXPECT_EQ(FilesIn(dir),
              (std::set<std::string>{"base.asc", "p.asc", "p.bak", "p.v0.asc", "p.v1.asc", "p.v2.asc", "p.v3.asc",
                                     "T.asc", "T.bak", "T.v0.asc", "T.v1.asc", "T.v2.asc", "T.v3.asc"}));
}

}  // namespace
}  // namespace gw::test
