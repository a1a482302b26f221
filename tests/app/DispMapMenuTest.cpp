#include <QLabel>

#include "app/AppFixture.h"
#include "app/DisplacementWindow.h"
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
    ASSERT_TRUE(WritePieceFile(SkeletonPath(), path, "ramp", grid));
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
    EXPECT_EQ(preview.findChild<QLabel*>("lblStatus")->text(), "All Done");
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
    const QString done = window->DisplacementPreviewWindow().findChild<QLabel*>("lblStatus")->text();
    EXPECT_TRUE(done.startsWith("DispMap Done - Max Z = "));
    EXPECT_EQ(Find<QLabel>("lblStatus")->text(), done);

    prompter.inputAnswers.push_back("20");
    prompter.fileAnswers.push_back(dir.File("terrain513.tga"));
    Action("itmDispMapMake513DisplacementMapforASC257")->trigger();
    ASSERT_TRUE(ReadTgaFile(dir.File("terrain513.tga"), map));
    EXPECT_EQ(map.width(), 513);

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
