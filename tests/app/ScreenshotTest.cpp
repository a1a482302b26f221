// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window the way a person sees it. With GRIDWRIGHT_SCREENSHOT_DIR
// set, the pictures are saved there as PNG files to be looked at.
#include <QDir>
#include <cmath>

#include "app/AppFixture.h"
#include "app/Display3DWindow.h"
#include "app/DisplacementWindow.h"

namespace gw::test {
namespace {

void Keep(QWidget* widget, const char* name) {
    QApplication::processEvents();
    const QPixmap picture = widget->grab();
    EXPECT_FALSE(picture.isNull()) << name;
    const QString folder = qEnvironmentVariable("GRIDWRIGHT_SCREENSHOT_DIR");
    if (!folder.isEmpty()) picture.save(QDir(folder).filePath(QString(name) + ".png"));
}

using ScreenshotTest = AppFixture;

TEST_F(ScreenshotTest, EveryWindow) {
    MainWindow& w = StartWindow();
    ASSERT_TRUE(w.OpenPieceFile(SamplePiecePath()));
    Grid()->SetSelection({3, 9, 2, 8});
    SetValue("2");
    Click("btnDisplace");
    Keep(&w, "main-window");
    Keep(Find<QWidget>("frmAbout"), "about-box");
    Trigger("itmView3D");
    Keep(w.display3D(), "display-3d");
    Grid()->SetCurrentCell(1, 1);
    AnswerModal([](QWidget* dialog) {
        Keep(dialog, "curve-dialog");
        ClickIn(*dialog, "btnApply");
    });
    Click("Command1");

    state.national.values.assign(state.national.values.size(), 7.5);
    Trigger("itmNationalSlopeEdges");
    Keep(Find<QWidget>("dlgStatistics"), "statistics-slope");
    // A terrain with a hill and a ramp, mapped at 257 x 257.
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x)
            state.national.At(x, y) = 12 * std::exp(-((x - 128) * (x - 128) + (y - 90) * (y - 90)) / 900.0) + y / 64.0;
    prompter.inputAnswers = {"20"};
    prompter.fileAnswers = {dir.File("shot257.tga")};
    Trigger("itmDispMapMake257DisplacementMapforASC257");
    Keep(&w.DisplacementPreviewWindow(), "displacement-257");
    Trigger("itmNationalShowTerrain");
    Keep(Find<QWidget>("frmTerrain"), "terrain");

    // The texture builder opens empty: nothing is asked until its File > Open.
    const std::size_t asked = prompter.shown.size();
    Trigger("itmTextureMakeTexture");
    auto* builder = Find<QWidget>("frmMakeTexture");
    ASSERT_NE(builder, nullptr);
    EXPECT_TRUE(builder->isVisible());
    EXPECT_EQ(builder->windowTitle(), "Make Texture");
    EXPECT_EQ(prompter.shown.size(), asked);

    // The conversion dialog on the sample track, cancelled once seen.
    prompter.yesNoAnswers = {true, true};  // the edited piece may be emptied, the terrain added to
    prompter.fileAnswers = {ProgramFolder() + "/samples/Dunes/Dunes.TER"};
    QString shown;
    AnswerModal([&](QWidget* dialog) {
        shown = dialog->objectName();
        Keep(dialog, "convert-dialog");
        ClickIn(*dialog, "CancelButton");
    });
    Trigger("itmNationalCreateFromSX");
    EXPECT_EQ(shown, "dlgConvertSX");
    EXPECT_EQ(prompter.Messages(), Texts{"Convert SX cancelled"});
}

}  // namespace
}  // namespace gw::test
