// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the 768 piece keys of an SX track's .TER (the conversion reads Name,
// BaseX and BaseY of 256 ElevationFile sections) and writing a National .TER.
// Part of the SX conversion's budget (under 100 ms in all); the baseline reads
// the file's bytes as often as the one-shot reads do.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/io/FileText.h"
#include "core/io/ReplaceFile.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/TrackFiles.h"

namespace {

namespace fs = std::filesystem;
const std::string kBin = GRIDWRIGHT_BIN_DIR;

// A .TER laid out like an SX track's: the elevation data, 256 ElevationFile and
// 256 TexturePlacement sections.
std::string SxTerText() {
    std::string text = "[ElevationData]\r\nElevationPath=C:\\MCM\\Tracks\\Dunes\\\r\nGridResolutionInFeet=3.0\r\n\r\n";
    for (int n = 1; n <= 256; ++n) {
        const int x = (n - 1) % 16 * 16, y = (n - 1) / 16 * 16;
        text += "[ElevationFile_" + std::to_string(n) + "]\r\nName=piece" + std::to_string(n % 40) +
                "N.asc\r\nBaseX=" + std::to_string(x) + "\r\nBaseY=" + std::to_string(y) + "\r\n\r\n";
    }
    for (int n = 1; n <= 256; ++n) {
        text += "[TexturePlacement_" + std::to_string(n) + "]\r\nMapID=" + std::to_string(n % 12 + 1) +
                "\r\nXIndex=0\r\nYIndex=0\r\nTransform=NONE\r\n\r\n";
    }
    return text;
}

struct BenchFolder {
    BenchFolder() : path(fs::temp_directory_path() / "gridwright-bench-profile") {
        fs::create_directories(path / "nat");
        ter = (path / "Dunes.ter").string();
        gw::ReplaceFileContents(ter, SxTerText());
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
    std::string ter;
};

void BM_ReadFileBytes768Times(benchmark::State& state) {
    BenchFolder folder;
    std::string bytes;
    for (auto _ : state) {
        for (int i = 0; i < 768; ++i) {
            gw::ReadFileBytes(folder.ter, gw::kTrackFileCap, bytes);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(BM_ReadFileBytes768Times)->Unit(benchmark::kMillisecond);

void BM_ReadPrivateValue768Keys(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state) {
        for (int n = 1; n <= 256; ++n) {
            const std::string section = "ElevationFile_" + std::to_string(n);
            benchmark::DoNotOptimize(gw::ReadPrivateValue(section, "Name", "Not found", folder.ter));
            benchmark::DoNotOptimize(gw::ReadPrivateValue(section, "BaseX", "0", folder.ter));
            benchmark::DoNotOptimize(gw::ReadPrivateValue(section, "BaseY", "0", folder.ter));
        }
    }
}
BENCHMARK(BM_ReadPrivateValue768Keys)->Unit(benchmark::kMillisecond);

void BM_ProfileDocument768Keys(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state) {
        gw::ProfileDocument document;
        gw::ProfileDocument::Load(folder.ter, document);
        for (int n = 1; n <= 256; ++n) {
            const std::string section = "ElevationFile_" + std::to_string(n);
            benchmark::DoNotOptimize(document.Get(section, "Name", "Not found"));
            benchmark::DoNotOptimize(document.Get(section, "BaseX", "0"));
            benchmark::DoNotOptimize(document.Get(section, "BaseY", "0"));
        }
    }
}
BENCHMARK(BM_ProfileDocument768Keys)->Unit(benchmark::kMillisecond);

void BM_WriteTerrainFileNational(benchmark::State& state) {
    BenchFolder folder;
    const std::string out = (folder.path / "nat").string();
    for (auto _ : state) {
        gw::Outcome written = gw::WriteTerrainFile("National", "3.0", {out, folder.ter, kBin});
        if (!written) state.SkipWithError(written.message().c_str());
    }
}
BENCHMARK(BM_WriteTerrainFileNational)->Unit(benchmark::kMillisecond);

}  // namespace
