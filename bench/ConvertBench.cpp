// SPDX-License-Identifier: GPL-3.0-or-later
// The SX conversion of the sample track (budgets: the whole command-line
// conversion under 0.5 s; the 256 pieces into the NationalGrid under 100 ms).
// The whole conversion is measured twice: the real gridwright-cli run as a
// process, exactly as a user runs it, and the same core calls in this process;
// starting the tool alone is the baseline for the process's own cost.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/EditorState.h"
#include "core/Interfaces.h"
#include "core/convert/BuildNational.h"
#include "core/convert/SXConversion.h"
#include "core/terrain/Asc257File.h"

namespace {

namespace fs = std::filesystem;

const std::string kBinDir = GRIDWRIGHT_BIN_DIR;
const std::string kSampleTer = kBinDir + "/samples/Dunes/Dunes.TER";

std::string BenchFolder() {
    const fs::path dir = fs::temp_directory_path() / "gridwright-bench-convert";
    fs::create_directories(dir);
    return dir.string();
}

class QuietPreview final : public gw::DisplacementPreview {
public:
    void ShowPreview() override {}
    void DrawMap(const gw::RgbImage&) override {}
    void Status(const std::string&) override {}
};

class QuietPrompter final : public gw::Prompter {
public:
    void Message(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string Input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string OpenFileName(const gw::FileBoxRequest&) override { return {}; }
    std::string SaveFileName(const gw::FileBoxRequest&) override { return {}; }
};

// Counts the status texts the way a label would receive them.
class CountingStatus final : public gw::StatusSink {
public:
    void Status(const std::string& text) override { characters += text.size(); }
    std::size_t characters = 0;
};

void RunTool(benchmark::State& state, const std::string& arguments) {
    const std::string command = kBinDir + "/gridwright-cli " + arguments + " >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
    }
}

// Baseline: starting the tool and letting it print its version.
void BM_CliStartOnly(benchmark::State& state) { RunTool(state, "--version"); }
BENCHMARK(BM_CliStartOnly)->Unit(benchmark::kMillisecond);

// 256 pieces, the ASC257 saved, the 513 map, the texture, the .TER and .SCN.
void BM_ConvertSampleTrackCli(benchmark::State& state) {
    RunTool(state, "convert " + kSampleTer + " -o " + BenchFolder() + "/cli");
}
BENCHMARK(BM_ConvertSampleTrackCli)->Unit(benchmark::kMillisecond);

// The same work through the same core calls, without the process.
void BM_ConvertSampleTrackCore(benchmark::State& state) {
    const std::string out = BenchFolder() + "/core";
    fs::create_directories(out);
    const gw::Asc257SaveNames names = gw::MakeAsc257SaveNames(out + "/Dunes.asc");
    CountingStatus status;
    QuietPreview preview;
    QuietPrompter prompter;
    gw::SXConversionOptions options;
    options.terFile = kSampleTer;
    options.outputFolder = out;
    options.writeTer = options.writeScn = options.dispMap = options.texture = true;
    for (auto _ : state) {
        gw::EditorState editor;
        editor.programFolder = kBinDir;
        gw::ConversionSurroundings surroundings{status, preview, prompter, "", {}};
        const gw::SXConversionResult result =
            gw::RunSXConversion(options, editor.programFolder, editor.national, surroundings);
        const gw::Outcome saved =
            gw::WriteASC257({kBinDir + "/skelasc257.txt", names.target, names.objectName}, result.terrain, status);
        if (!result.ok() || !saved) {
            state.SkipWithError((result.FailureText() + saved.message()).c_str());
            break;
        }
    }
    benchmark::DoNotOptimize(status.characters);
}
BENCHMARK(BM_ConvertSampleTrackCore)->Unit(benchmark::kMillisecond);

// The piece loop alone: one read of the .TER, 256 pieces found and added.
void BM_BuildNationalFromSampleTer(benchmark::State& state) {
    CountingStatus status;
    for (auto _ : state) {
        gw::NationalGrid grid;
        const gw::NationalBuild build = gw::BuildNationalFromTer(kSampleTer, "5.411765", "0.67", grid, status);
        if (!build.ok()) {
            state.SkipWithError(gw::NationalBuildProblemsText(build).c_str());
            break;
        }
        benchmark::DoNotOptimize(grid.values.data());
    }
    benchmark::DoNotOptimize(status.characters);
}
BENCHMARK(BM_BuildNationalFromSampleTer)->Unit(benchmark::kMillisecond);

}  // namespace
