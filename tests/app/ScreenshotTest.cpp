// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window the way a person sees it. With GRIDWRIGHT_SCREENSHOT_DIR
// set, the pictures are saved there as PNG files to be looked at.
#include <QDir>
#include <cmath>

#include "app/DisplacementWindow.h"
#include <QPushButton>
#include <QTimer>

#include "app/AppFixture.h"
#include "app/Display3DWindow.h"

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
    Find<QLineEdit>("txtNewVal")->setText("2");
    Find<QPushButton>("btnDisplace")->click();
    Keep(&w, "main-window");
    Keep(Find<QWidget>("frmAbout"), "about-box");
    Action("itmView3D")->trigger();
    Keep(w.display3D(), "display-3d");
    Grid()->SetCurrentCell(1, 1);
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        Keep(dialog, "curve-dialog");
        dialog->findChild<QPushButton*>("btnApply")->click();
    });
    Find<QPushButton>("Command1")->click();

    state.national.values.assign(state.national.values.size(), 7.5);
    Action("itmNationalSlopeEdges")->trigger();
    Keep(Find<QWidget>("dlgStatistics"), "statistics-slope");

    // A terrain with a hill and a ramp, mapped at 257 x 257.
    for (int y = 0; y < 257; ++y)
        for (int x = 0; x < 257; ++x)
            state.national.At(x, y) = 12 * std::exp(-((x - 128) * (x - 128) + (y - 90) * (y - 90)) / 900.0) + y / 64.0;
    prompter.inputAnswers.push_back("20");
    prompter.fileAnswers.push_back(dir.File("shot257.tga"));
    Action("itmDispMapMake257DisplacementMapforASC257")->trigger();
    Keep(&w.DisplacementPreviewWindow(), "displacement-257");
    Action("itmNationalShowTerrain")->trigger();
    Keep(Find<QWidget>("frmTerrain"), "terrain");

    // The conversion dialog on the sample track, cancelled once seen.
    prompter.yesNoAnswers = {true, true};  // the edited piece may be emptied, the terrain added to
    prompter.fileAnswers.push_back(ProgramFolder() + "/samples/Dunes/Dunes.TER");
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "dlgConvertSX");
        Keep(dialog, "convert-dialog");
        dialog->findChild<QPushButton*>("CancelButton")->click();
    });
    Action("itmNationalCreateFromSX")->trigger();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0], "Convert SX cancelled");
}

}  // namespace
}  // namespace gw::test
