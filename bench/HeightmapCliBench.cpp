// SPDX-License-Identifier: GPL-3.0-or-later
// Heightmap export and import of a 257 terrain, each as a whole run of the
// command-line tool, as a user meets them (budget: 50 ms each). The tool's bare
// start (--version) is measured in the same run as the baseline. The work is
// done by the child process, so the times are wall-clock times.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "core/terrain/Asc257File.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs the tool with its output thrown away; its exit status, or -1.
int RunTool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), GRIDWRIGHT_CLI);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, GRIDWRIGHT_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Rolling hills with heights written to six decimals, like converted terrains;
// exported once in each format as the imports' input.
struct Files {
    fs::path dir = fs::temp_directory_path() / "gridwright-bench-heightmap";
    std::string terrain = (dir / "hills.asc").string();
    Files() {
        fs::create_directories(dir);
        gw::NationalGrid grid;
        for (int y = 0; y < gw::NationalGrid::kSize; ++y)
            for (int x = 0; x < gw::NationalGrid::kSize; ++x)
                grid.At(x, y) = std::round((20 + 8 * std::sin(x * 0.05) * std::cos(y * 0.07)) * 1e6) / 1e6;
        gw::NullStatusSink quiet;
        gw::WriteASC257({std::string(GRIDWRIGHT_BIN_DIR) + "/skelasc257.txt", terrain, "hills"}, grid, quiet);
        for (const char* extension : {".png", ".r16"}) RunTool({"export-heightmap", terrain, "-o", Map(extension)});
    }
    ~Files() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    std::string Map(const std::string& extension) const { return (dir / ("hills" + extension)).string(); }
};

Files& TheFiles() {
    static Files files;
    return files;
}

const char* Extension(const benchmark::State& state) { return state.range(0) == 0 ? ".png" : ".r16"; }

void Run(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        if (RunTool(arguments) != 0) state.SkipWithError("the tool failed");
    }
}

void BM_HeightmapCliStartBaseline(benchmark::State& state) { Run(state, {"--version"}); }
BENCHMARK(BM_HeightmapCliStartBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void BM_ExportHeightmap257Process(benchmark::State& state) {
    const Files& files = TheFiles();
    state.SetLabel(Extension(state));
    Run(state, {"export-heightmap", "-q", files.terrain, "-o", (files.dir / "out").string() + Extension(state)});
}
BENCHMARK(BM_ExportHeightmap257Process)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_ImportHeightmap257Process(benchmark::State& state) {
    const Files& files = TheFiles();
    state.SetLabel(Extension(state));
    Run(state, {"import-heightmap", "-q", files.Map(Extension(state)), "-o", (files.dir / "imported.asc").string(),
                "--size", "257", "--max", "30"});
}
BENCHMARK(BM_ImportHeightmap257Process)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
