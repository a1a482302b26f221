// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line tool's outputs: every verb refuses what no writer may write
// before it writes anything, and parallel runs never cross.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <map>
#include <string>
#include <vector>

#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::FilesIn;
using test::RunCli;
using test::TempDir;

// Every file under folder with its content.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files[entry.path().string()] = entry.is_regular_file() ? test::ReadAll(entry.path().string()) : "";
    }
    return files;
}

std::string InputRefusal(const std::string& output, const std::string& input) {
    return "Cannot write " + output + ": it is " + input + ", an input of this run; nothing was written\n";
}

TEST(SafeWriteCli, EveryVerbRefusesBadTargetsAndItsOwnInputsBeforeWriting) {
    TempDir dir;
    const std::string track = dir.File("Dunes"), ter = track + "/Dunes.TER";
    fs::copy(test::ProgramFolder() + "/samples/Dunes", track);
    const std::string piece = dir.File("hillN.asc"), terrain = dir.File("T.asc"), base = dir.File("nat/Dunes.asc");
    fs::copy_file(test::SamplePiecePath(), piece);
    fs::create_directories(dir.path() / "nat");
    fs::create_directories(dir.path() / "folder");
    for (const std::string& path : {terrain, base}) test::WriteAll(path, "Vertex 0: X: -128 Y: -128 Z: 1\r\n");
    std::error_code noLinks;  // MinGW's runtime makes no symbolic links
    fs::create_symlink("hillN.asc", dir.path() / "link.asc", noLinks);
    const std::string folder = dir.File("folder"), isFolder = "Cannot write " + folder + ": Is a directory\n";
    const std::string companion = ": names ending in .out or .bak are kept for the temporary and backup files\n";
    std::vector<std::pair<std::string, std::string>> cases = {
        {"edit " + piece + " --set 1 -o " + folder, isFolder},
        {"dispmap " + terrain + " --size 257 -o " + folder, isFolder},
        {"texture " + ter + " -o " + folder, isFolder},
        {"slope-edges " + terrain + " -o " + dir.File("t.out"), "Cannot write " + dir.File("t.out") + companion},
        {"add-piece " + terrain + " " + piece + " --at 1,1 -o " + dir.File("T.BAK"),
         "Cannot write " + dir.File("T.BAK") + companion},
        {"convert " + ter + " --open-only --save-asc " + dir.File("T.Out"),
         "Cannot write " + dir.File("T.Out") + companion},
        {"piece-set " + piece + " -o " + dir.path().string(), InputRefusal(piece, piece)},
        {"dispmap " + piece + " --size 17 -o " + piece, InputRefusal(piece, piece)},
        {"slope-edges " + terrain + " -o " + dir.File("./T.asc"), InputRefusal(dir.File("./T.asc"), terrain)},
        {"add-piece " + terrain + " " + piece + " --at 1,1 -o " + piece, InputRefusal(piece, piece)},
        {"convert " + ter + " --open-only --save-asc " + ter, InputRefusal(ter, ter)},
        {"convert " + ter + " --open-only --save-asc " + track + "/Dunes.SCN",
         InputRefusal(track + "/Dunes.SCN", track + "/Dunes.SCN")},
        {"convert " + ter + " --open-only --save-asc " + track + "/BermN.asc",
         InputRefusal(track + "/BermN.asc", track + "/BermN.asc")},
        {"convert " + ter + " -o " + dir.File("nat") + " --base " + base, InputRefusal(base, base)},
        {"texture " + ter + " -o " + track + "/Dirta.tga", InputRefusal(track + "/Dirta.tga", track + "/Dirta.tga")},
    };
    if (!noLinks) {
        cases.push_back(
            {"edit " + piece + " --set 1 -o " + dir.File("link.asc"), InputRefusal(dir.File("link.asc"), piece)});
    }
    const auto before = Snapshot(dir.path());
    for (const auto& [arguments, error] : cases) {
        const CliRun result = RunCli(arguments);
        EXPECT_EQ(result.status, 1) << arguments;
        EXPECT_EQ(result.err, "gridwright-cli " + arguments.substr(0, arguments.find(' ')) + ": " + error);
        EXPECT_EQ(result.out, "") << arguments;
    }
    EXPECT_EQ(Snapshot(dir.path()), before);
}

// Sixteen runs at once, four on sibling targets and four on one shared target
// for each of two verbs. Each sibling holds its own job's data; the shared
// target and its backup are complete files of two different jobs.
TEST(SafeWriteCli, ParallelRunsNeverCross) {
    TempDir dir;
    NullStatusSink quiet;
    const std::string base = dir.File("base.asc");
    ASSERT_TRUE(WriteASC257({test::Skeleton257Path(), base, "base"}, NationalGrid(), quiet));
    struct Job {
        std::string arguments, output;
        int value;
    };
    std::vector<Job> jobs;
    for (int i = 0; i < 4; ++i) {
        const std::string v = std::to_string(i);
        for (const auto& [value, output] : {std::pair{10 + i, "p.v" + v + ".asc"}, {20 + i, std::string("p.asc")}}) {
            jobs.push_back(
                {"edit -q " + test::SamplePiecePath() + " --set " + std::to_string(value) + " -o " + dir.File(output),
                 output, value});
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
}  // namespace gw
