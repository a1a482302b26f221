// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>

#include "app/AppFixture.h"
#include "app/DisplacementWindow.h"
#include "app/QtText.h"
#include "core/image/TgaFile.h"
#include "core/piece/PieceFile.h"

namespace gw::test {
namespace {

using DispMapMenuTest = AppFixture;

TEST_F(DispMapMenuTest, PieceMapNeedsAnOpenPieceAndLandsBesideIt) {
    StartWindow();
    Action("itmDispMapMakeDisplacementMapforASC17")->trigger();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0], "Please open an SX ASC file");

    PieceGrid grid;
    grid.Z(1, 16) = 12;  // the tallest cell, in the lowest row the 16 x 16 file keeps
    grid.Z(2, 16) = 6;
    const std::string path = dir.File("rampN.asc");
    ASSERT_TRUE(WritePieceFile({SkeletonPath(), path, "ramp"}, grid));
    ASSERT_TRUE(window->OpenPieceFile(path));
    Action("itmDispMapMakeDisplacementMapforASC17")->trigger();
    RgbImage map;
    ASSERT_TRUE(ReadTgaFile(dir.File("rampDispMap17.tga"), map));
    EXPECT_EQ(map.width(), 16);
    EXPECT_EQ(map.Rgb(0, 15), 0xffffffu);  // 12 of 12: 256, clipped to white
    EXPECT_EQ(map.Rgb(1, 15), 0x808080u);  // 6 of 12: 128
    DisplacementWindow& preview = window->DisplacementPreviewWindow();
    EXPECT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.windowTitle(), "Displacement Map");
    EXPECT_EQ(preview.findChild<QLabel*>("lblStatus")->text(),
              "All Done - saved as " + PathToQ(dir.File("rampDispMap17.tga")));
    EXPECT_EQ(preview.picture().pixel(1, 15), qRgb(128, 128, 128));
}

TEST_F(DispMapMenuTest, TerrainMapsAskMaxZAndTheFile) {
    StartWindow();
    state.national.At(10, 0) = 10;
    prompter.inputAnswers.push_back("20");
    prompter.fileAnswers.push_back(dir.File("terrain257.tga"));
    Action("itmDispMapMake257DisplacementMapforASC257")->trigger();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].request.title, "Save Displacement Map 257");
    RgbImage map;
    ASSERT_TRUE(ReadTgaFile(dir.File("terrain257.tga"), map));
    EXPECT_EQ(map.width(), 257);
    EXPECT_EQ(map.Rgb(10, 256), 0x808080u);  // 10 of 20 at the bottom row
    // Both status lines name the file written.
    const QString done = "DispMap Done - Max Z =  20 - saved as " + PathToQ(dir.File("terrain257.tga"));
    EXPECT_EQ(window->DisplacementPreviewWindow().findChild<QLabel*>("lblStatus")->text(), done);
    EXPECT_EQ(Find<QLabel>("lblStatus")->text(), done);

    // After a conversion the box proposes the track's name in its output folder.
    state.currentTerFile = "C:\\MCM\\Tracks\\Dunes\\Dunes.TER";
    state.nationalFolder = dir.path().string() + "/";
    prompter.inputAnswers.push_back("20");
    prompter.fileAnswers.push_back(dir.File("terrain513.tga"));
    Action("itmDispMapMake513DisplacementMapforASC257")->trigger();
    EXPECT_EQ(prompter.shown.back().request.fileName, "DunesDispMap513.tga");
    EXPECT_EQ(prompter.shown.back().request.initialFolder, state.nationalFolder);
    ASSERT_TRUE(ReadTgaFile(dir.File("terrain513.tga"), map));
    EXPECT_EQ(map.width(), 513);
    EXPECT_EQ(window->DisplacementPreviewWindow().picture().size(), QSize(513, 513));
    // A smaller map replaces the larger one whole, not in its corner.
    prompter.inputAnswers.push_back("20");
    prompter.fileAnswers.push_back(dir.File("again257.tga"));
    Action("itmDispMapMake257DisplacementMapforASC257")->trigger();
    EXPECT_EQ(window->DisplacementPreviewWindow().picture().size(), QSize(257, 257));

    prompter.inputAnswers.push_back("20");
    prompter.fileAnswers.push_back("");
    Action("itmDispMapMake513DisplacementMapforASC257")->trigger();
    EXPECT_EQ(Find<QLabel>("lblStatus")->text(), "Make Displacement Map cancelled");
}

TEST_F(DispMapMenuTest, MakeTextureOpensTheBuilderEmpty) {
    StartWindow();
    Action("itmTextureMakeTexture")->trigger();
    auto* builder = window->findChild<QWidget*>("frmMakeTexture");
    ASSERT_NE(builder, nullptr);
    EXPECT_TRUE(builder->isVisible());
    EXPECT_EQ(builder->windowTitle(), "Make Texture");
    EXPECT_TRUE(prompter.shown.empty());  // nothing is asked until File > Open
}

}  // namespace
}  // namespace gw::test
