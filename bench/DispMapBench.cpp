// SPDX-License-Identifier: GPL-3.0-or-later
// Displacement map and texture pipeline (budgets: a 513 x 513 map computed and
// saved under 30 ms; 256 tiles placed, resized to 1016, sharpened and saved
// under 250 ms).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Interfaces.h"
#include "core/dispmap/DisplacementMap.h"
#include "core/image/ImageOps.h"
#include "core/image/TgaFile.h"

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder() {
    const fs::path dir = fs::temp_directory_path() / "gridwright-bench-images";
    fs::create_directories(dir);
    return dir;
}

// Rolling hills up to about 24 high, with some ground below 0.
gw::NationalGrid Hills() {
    gw::NationalGrid grid;
    for (int y = 0; y < gw::NationalGrid::kSize; ++y)
        for (int x = 0; x < gw::NationalGrid::kSize; ++x)
            grid.At(x, y) = 12 + 10 * std::sin(x * 0.07) * std::cos(y * 0.05) + (x % 16) * 0.1 - 1;
    return grid;
}

// Counts the status texts the way a label would receive them.
class CountingStatus final : public gw::StatusSink {
public:
    void Status(const std::string& text) override { characters += text.size(); }
    std::size_t characters = 0;
};

void BM_DispMap513ComputeAndSave(benchmark::State& state) {
    const gw::NationalGrid grid = Hills();
    const std::string path = (BenchFolder() / "HillsDispMap513.tga").string();
    CountingStatus status;
    for (auto _ : state) {
        const gw::DisplacementMap map = gw::MakeDisplacementMap513(grid, "20", status);
        if (gw::Outcome saved = gw::WriteTgaFile(path, map.image); !saved) state.SkipWithError(saved.message().c_str());
    }
    benchmark::DoNotOptimize(status.characters);
}
BENCHMARK(BM_DispMap513ComputeAndSave)->Unit(benchmark::kMillisecond);

void BM_DispMap513ComputeOnly(benchmark::State& state) {
    const gw::NationalGrid grid = Hills();
    gw::NullStatusSink quiet;
    for (auto _ : state) {
        const gw::DisplacementMap map = gw::MakeDisplacementMap513(grid, "20", quiet);
        benchmark::DoNotOptimize(map.image.data());
    }
}
BENCHMARK(BM_DispMap513ComputeOnly)->Unit(benchmark::kMillisecond);

std::vector<gw::RgbImage> Tiles(int count) {
    std::vector<gw::RgbImage> tiles(static_cast<std::size_t>(count));
    for (int t = 0; t < count; ++t) {
        tiles[t].Create(62, 62);
        for (int y = 0; y < 62; ++y)
            for (int x = 0; x < 62; ++x)
                tiles[t].SetPixel(x, y, static_cast<std::uint8_t>(x * 4 + t), static_cast<std::uint8_t>(y * 4),
                                  static_cast<std::uint8_t>(t * 29));
    }
    return tiles;
}

// The texture builder's image work: each of the 256 tiles turned as its
// orientation says and placed on the 992 x 992 skeleton, the skeleton enlarged to
// 1016 x 1016, sharpened with strength 5 and saved.
void ComposeAndSave(const std::vector<gw::RgbImage>& tiles, const std::string& output, benchmark::State& state,
                    const std::vector<std::string>* tileFiles) {
    gw::RgbImage skeleton;
    skeleton.Create(992, 992);
    for (int n = 0; n < 256; ++n) {
        gw::RgbImage tile;
        if (tileFiles) {
            if (!gw::ReadTgaFile((*tileFiles)[n % tileFiles->size()], tile)) state.SkipWithError("tile read failed");
        } else {
            tile = tiles[static_cast<std::size_t>(n) % tiles.size()];
        }
        const int orientation = n % 5 - 1;  // -1 (no turn) and codes 0..3
        if (orientation > -1) gw::RotateImage(tile, orientation);
        gw::OverlayImage(skeleton, tile, (n % 16) * 62, (n / 16) * 62);
    }
    gw::RgbImage enlarged;
    if (!gw::ResizeImage(skeleton, 1016, 1016, enlarged)) state.SkipWithError("resize failed");
    const gw::RgbImage result = gw::SharpenImage(enlarged, gw::kTextureSharpenStrength);
    if (gw::Outcome saved = gw::WriteTgaFile(output, result); !saved) state.SkipWithError(saved.message().c_str());
}

void BM_TextureTilesResizeSharpenSave(benchmark::State& state) {
    const std::vector<gw::RgbImage> tiles = Tiles(16);
    const std::string output = (BenchFolder() / "BenchUnRendered.tga").string();
    for (auto _ : state) ComposeAndSave(tiles, output, state, nullptr);
}
BENCHMARK(BM_TextureTilesResizeSharpenSave)->Unit(benchmark::kMillisecond);

// The same with every tile read from a TGA file, as the builder does.
void BM_TextureTilesFromFilesResizeSharpenSave(benchmark::State& state) {
    const std::vector<gw::RgbImage> tiles = Tiles(16);
    std::vector<std::string> files;
    for (std::size_t t = 0; t < tiles.size(); ++t) {
        files.push_back((BenchFolder() / ("tile" + std::to_string(t) + "a.tga")).string());
        gw::WriteTgaFile(files.back(), tiles[t]);
    }
    const std::string output = (BenchFolder() / "BenchUnRendered.tga").string();
    for (auto _ : state) ComposeAndSave(tiles, output, state, &files);
}
BENCHMARK(BM_TextureTilesFromFilesResizeSharpenSave)->Unit(benchmark::kMillisecond);

void BM_Resize992To1016(benchmark::State& state) {
    gw::RgbImage skeleton;
    skeleton.Create(992, 992);
    gw::RgbImage enlarged;
    for (auto _ : state) gw::ResizeImage(skeleton, 1016, 1016, enlarged);
}
BENCHMARK(BM_Resize992To1016)->Unit(benchmark::kMillisecond);

void BM_Sharpen1016(benchmark::State& state) {
    gw::RgbImage image;
    image.Create(1016, 1016);
    for (auto _ : state) benchmark::DoNotOptimize(gw::SharpenImage(image, 5).data());
}
BENCHMARK(BM_Sharpen1016)->Unit(benchmark::kMillisecond);

}  // namespace
