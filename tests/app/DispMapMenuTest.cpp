// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFixture.h"
#include "app/DisplacementWindow.h"
#include "core/image/TgaFile.h"

namespace gw::test {
namespace {

class DispMapMenuTest : public AppFixture {
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
};

TEST_F(DispMapMenuTest, PieceMapNeedsAnOpenPieceAndLandsBesideIt) {
    StartWindow();
    Trigger("itmDispMapMakeDisplacementMapforASC17");
    EXPECT_EQ(prompter.Messages(), Texts{"Please open an SX ASC file"});
    PieceGrid grid;
    grid.Z(1, 16) = 12;  // the tallest cell, in the lowest row the 16 x 16 file keeps
    grid.Z(2, 16) = 6;
    ASSERT_TRUE(WritePieceFile({SkeletonPath(), dir.File("rampN.asc"), "ramp"}, grid));
    ASSERT_TRUE(window->OpenPieceFile(dir.File("rampN.asc")));
    Trigger("itmDispMapMakeDisplacementMapforASC17");
    const RgbImage map = Map("rampDispMap17.tga", 16);
    EXPECT_EQ(map.Rgb(0, 15), 0xffffffu);  // 12 of 12: 256, clipped to white
    EXPECT_EQ(map.Rgb(1, 15), 0x808080u);  // 6 of 12: 128
    EXPECT_TRUE(Preview().isVisible());
    EXPECT_EQ(Preview().windowTitle(), "Displacement Map");
    EXPECT_EQ(TextOf(FindIn(Preview(), "lblStatus")), "All Done - saved as " + PathToQ(dir.File("rampDispMap17.tga")));
    EXPECT_EQ(Preview().picture().pixel(1, 15), qRgb(128, 128, 128));
}

TEST_F(DispMapMenuTest, TerrainMapsAskMaxZAndTheFile) {
    StartWindow();
    state.national.At(10, 0) = 10;
    MakeTerrainMap("itmDispMapMake257DisplacementMapforASC257", "terrain257.tga");
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].request.title, "Save Displacement Map 257");
    EXPECT_EQ(Map("terrain257.tga", 257).Rgb(10, 256), 0x808080u);  // 10 of 20 at the bottom row
    // Both status lines name the file written.
    const QString done = "DispMap Done - Max Z =  20 - saved as " + PathToQ(dir.File("terrain257.tga"));
    EXPECT_EQ(TextOf(FindIn(Preview(), "lblStatus")), done);
    EXPECT_EQ(Status(), done);

    // After a conversion the box proposes the track's name in its output folder.
    state.currentTerFile = "C:\\MCM\\Tracks\\Dunes\\Dunes.TER";
    state.nationalFolder = dir.path().string() + "/";
    MakeTerrainMap("itmDispMapMake513DisplacementMapforASC257", "terrain513.tga");
    EXPECT_EQ(prompter.shown.back().request.fileName, "DunesDispMap513.tga");
    EXPECT_EQ(prompter.shown.back().request.initialFolder, state.nationalFolder);
    Map("terrain513.tga", 513);
    EXPECT_EQ(Preview().picture().size(), QSize(513, 513));
    // A smaller map replaces the larger one whole, not in its corner.
    MakeTerrainMap("itmDispMapMake257DisplacementMapforASC257", "again257.tga");
    EXPECT_EQ(Preview().picture().size(), QSize(257, 257));
    MakeTerrainMap("itmDispMapMake513DisplacementMapforASC257", "");
    EXPECT_EQ(Status(), "Make Displacement Map cancelled");
}

}  // namespace
}  // namespace gw::test
