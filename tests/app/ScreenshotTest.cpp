// Renders every window the way a person sees it. With GRIDWRIGHT_SCREENSHOT_DIR
// set, the pictures are saved there as PNG files to be looked at.
#include <QDir>
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
}

}  // namespace
}  // namespace gw::test
