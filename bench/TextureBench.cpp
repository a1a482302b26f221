// SPDX-License-Identifier: GPL-3.0-or-later
// The texture builder end to end (budget: 256 tiles placed, resized to 1016,
// sharpened and saved under 250 ms): a track on disk with its .TER, .TRK and
// tile files, composed through the same run the builder window uses.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/Interfaces.h"
#include "core/image/TgaFile.h"
#include "core/io/ReplaceFile.h"
#include "core/texture/TextureRun.h"

namespace {

namespace fs = std::filesystem;

class QuietPrompter final : public gw::Prompter {
public:
    void Message(const std::string& text, const std::string&) override { last = text; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string Input(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::string OpenFileName(const gw::FileBoxRequest&) override { return {}; }
    std::string SaveFileName(const gw::FileBoxRequest&) override { return {}; }
    std::string last;
};

// Counts what a window would be asked to show.
class CountingView final : public gw::TextureView {
public:
    void Status(const std::string& text) override { characters += text.size(); }
    void DrawPreview(const gw::RgbImage& skeleton) override { characters += skeleton.byteCount() > 0; }
    std::size_t characters = 0;
};

gw::RgbImage Tile(int t) {
    gw::RgbImage tile;
    tile.Create(62, 62);
    for (int y = 0; y < 62; ++y)
        for (int x = 0; x < 62; ++x)
            tile.SetPixel(x, y, static_cast<std::uint8_t>(x * 4 + t), static_cast<std::uint8_t>(y * 4),
                          static_cast<std::uint8_t>(t * 29));
    return tile;
}

void WriteText(const std::string& path, const std::string& text) { (void)gw::ReplaceFileContents(path, text); }

// A track of 256 placements over `textures` tile files, every piece turned by
// the .TRK (orientations 0 to 3 in turn, every fifth piece "NONE").
std::string MakeTrack(const fs::path& folder, int textures) {
    fs::create_directories(folder);
    std::string ter = "[TerrainPalette]\r\nTotalFileSets=" + std::to_string(textures) + "\r\n";
    for (int t = 1; t <= textures; ++t) {
        ter += "FileSet_" + std::to_string(t) + "=Tex" + std::to_string(t) + ".tga\r\n";
        (void)gw::WriteTgaFile((folder / ("Tex" + std::to_string(t) + "a.tga")).string(), Tile(t));
    }
    std::string trk = "[Track]\r\n";
    for (int n = 1; n <= 256; ++n) {
        const int column = (n - 1) % 16;
        const int row = (n - 1) / 16;
        ter += "\r\n[TexturePlacement_" + std::to_string(n) + "]\r\nMapID=" + std::to_string((n - 1) % textures + 1) +
               "\r\nXIndex=" + std::to_string(column * 16) + "\r\nYIndex=" + std::to_string(240 - row * 16) +
               "\r\nTransform=" + (n % 5 == 0 ? "NONE" : "0") + "\r\n";
        trk += (n < 10 ? "Orient_0" : "Orient_") + std::to_string(n) + "=" + std::to_string(n % 4) + "\r\n";
    }
    WriteText((folder / "Bench.ter").string(), ter);
    WriteText((folder / "Bench.trk").string(), trk);
    return (folder / "Bench.ter").string();
}

void RunTexture(benchmark::State& state, int textures) {
    const fs::path folder = fs::temp_directory_path() / ("gridwright-bench-texture-" + std::to_string(textures));
    const std::string ter = MakeTrack(folder, textures);
    CountingView view;
    gw::NullStatusSink mainStatus;
    QuietPrompter prompter;
    for (auto _ : state) {
        const gw::TextureRunResult run =
            gw::RunTextureForConversion(ter, folder.string(), GRIDWRIGHT_BIN_DIR, view, mainStatus, prompter);
        if (!run.ok() || run.tilesPlaced != 256) {
            state.SkipWithError(("texture run failed: " + run.outcome.message() + prompter.last).c_str());
            break;
        }
    }
    benchmark::DoNotOptimize(view.characters);
}

// A usual track: a dozen textures shared by the 256 pieces.
void BM_TextureRun12Textures(benchmark::State& state) { RunTexture(state, 12); }
BENCHMARK(BM_TextureRun12Textures)->Unit(benchmark::kMillisecond);

// Every piece with its own texture file.
void BM_TextureRun256Textures(benchmark::State& state) { RunTexture(state, 256); }
BENCHMARK(BM_TextureRun256Textures)->Unit(benchmark::kMillisecond);

}  // namespace
