// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "app/AppFixture.h"
#include "app/DisplacementWindow.h"
#include "core/image/TgaFile.h"

namespace gw::test {
namespace {

class MapImagesTest : public AppFixture {
protected:
    // Reads a written map, whose side must be side.
    RgbImage Map(const std::string& name, int side) {
        RgbImage map;
        EXPECT_TRUE(ReadTgaFile(dir.File(name), map)) << name;
        EXPECT_EQ(map.width(), side) << name;
        return map;
    }
    // Answers Max Z with 20 and the file box with name, then makes the map.
    void MakeTerrainMap(const char* item, const std::string& name) {
        prompter.inputAnswers = {"20"};
        prompter.fileAnswers = {name.empty() ? "" : dir.File(name)};
        Trigger(item);
    }
    DisplacementWindow& Preview() { return window->DisplacementPreviewWindow(); }
    // Notes the main window and the preview, and each of the preview's pixels asked for.
    void SeeMap(const std::string& step, std::vector<QPoint> pixels = {}) {
        See(step);
        Note("preview", Preview().windowTitle() + (Preview().isVisible() ? " shown " : " hidden ") +
                            QString::number(Preview().picture().width()) + "; " + TextIn(Preview(), "lblStatus"));
        for (QPoint p : pixels) Note("pixel", QString::number(Preview().picture().pixel(p), 16));
    }
    // Imports path answering heights, or what the box proposes (learnt by a first, refused run); returns the proposal.
    std::string Import(const char* item, const std::string& path, const std::string& heights = "") {
        prompter.fileAnswers = {path};
        prompter.inputAnswers = {"?"};
        Trigger(item);
        const std::string proposed = prompter.shown[prompter.shown.size() - 2].proposed;
        prompter.fileAnswers = {path};
        prompter.inputAnswers = {heights.empty() ? proposed : heights};
        Trigger(item);
        return proposed;
    }
};

TEST_F(MapImagesTest, MapsAndHeightmapsThroughRealFiles) {
    StartWindow();
    Trigger("itmDispMapMakeDisplacementMapforASC17");
    See("no piece");
    PieceGrid grid;
    grid.Z(1, 16) = 12;  // the tallest cell, in the lowest row the 16 x 16 file keeps
    grid.Z(2, 16) = 6;
    ASSERT_TRUE(WritePieceFile({SkeletonPath(), dir.File("rampN.asc"), "ramp"}, grid));
    ASSERT_TRUE(window->OpenPieceFile(dir.File("rampN.asc")));
    Trigger("itmDispMapMakeDisplacementMapforASC17");
    const RgbImage map = Map("rampDispMap17.tga", 16);
    EXPECT_EQ(map.Rgb(0, 15), 0xffffffu);  // 12 of 12: 256, clipped to white
    EXPECT_EQ(map.Rgb(1, 15), 0x808080u);  // 6 of 12: 128
    SeeMap("piece map", {{1, 15}});

    // Both status lines name the file; after a conversion the track's name is proposed; a smaller map replaces all.
    state.national.At(10, 0) = 10;
    MakeTerrainMap("itmDispMapMake257DisplacementMapforASC257", "terrain257.tga");
    EXPECT_EQ(Map("terrain257.tga", 257).Rgb(10, 256), 0x808080u);  // 10 of 20 at the bottom row
    SeeMap("257");
    state.currentTerFile = "C:\\MCM\\Tracks\\Dunes\\Dunes.TER";
    state.nationalFolder = dir.path().string() + "/";
    MakeTerrainMap("itmDispMapMake513DisplacementMapforASC257", "terrain513.tga");
    Map("terrain513.tga", 513);
    SeeMap("513");
    MakeTerrainMap("itmDispMapMake257DisplacementMapforASC257", "again257.tga");
    SeeMap("257 again");
    MakeTerrainMap("itmDispMapMake513DisplacementMapforASC257", "");
    See("cancelled");
    // Export then import through real files gives back every height to one step of 1/65535 of the range; each import is
    // one step that undo takes back. A file that is not a heightmap, or heights that cannot be, are said in a warning
    // box and change nothing.
    WriteAll(dir.File("junk.png"), "not a picture at all");
    WriteAll(dir.File("odd.r16"), std::string(6, '\x01'));   // three samples: no square
    WriteAll(dir.File("good.r16"), std::string(8, '\x10'));  // 2 x 2
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"itmFileImportHeightmap", "junk.png", ""},          {"itmNationalImportHeightmap", "odd.r16", ""},
        {"itmFileImportHeightmap", "good.r16", "low, high"}, {"itmNationalImportHeightmap", "good.r16", "20, 0"},
        {"itmNationalImportHeightmap", "good.r16", "-5, 3"},
    };
    for (const auto& [item, file, heights] : cases) {
        prompter.fileAnswers = {dir.File(file)};
        prompter.inputAnswers = {heights};
        Trigger(item);
        See(std::string(item) + " " + file + " " + heights);
    }
    OpenDistinct("roundN.asc");
    const PieceGrid piece = state.piece;
    prompter.fileAnswers = {dir.File("round.png")};
    Trigger("itmFileExportHeightmap");
    Trigger("itmFileNew");
    EXPECT_EQ(Import("itmFileImportHeightmap", dir.File("round.png")), "1.01, 17.17") << "as the PNG recorded";
    See("piece imported");
    const double step = (17.17 - 1.01) / 65535;
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_NEAR(state.piece.Z(c, r), piece.Z(c, r), step) << c << "," << r;
    Trigger("itmEditUndo");
    EXPECT_EQ(state.piece, PieceGrid{});
    See("piece undone");

    // A raw file records no heights: 0 and 20 are proposed, the terrain's own 0 and 19 given.
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x) state.national.At(x, y) = (x * 7 + y * 3) % 20;
    const NationalGrid terrain = state.national;
    prompter.fileAnswers = {dir.File("land.r16")};
    Trigger("itmNationalExportHeightmap");
    state.national.Clear();
    EXPECT_EQ(Import("itmNationalImportHeightmap", dir.File("land.r16"), "0, 19"), "0, 20");
    See("terrain imported");
    double worst = 0;
    for (std::size_t i = 0; i < terrain.values.size(); ++i)
        worst = std::max(worst, std::fabs(state.national.values[i] - terrain.values[i]));
    EXPECT_LE(worst, 19.0 / 65535);
    Trigger("itmEditUndo");
    EXPECT_EQ(state.national, NationalGrid{});
    See("terrain undone");
    ExpectTranscript("heightmaps.txt");
}

}  // namespace
}  // namespace gw::test
