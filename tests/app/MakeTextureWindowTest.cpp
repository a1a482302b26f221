// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "app/ImagePicture.h"
#include "app/MakeTextureWindow.h"
#include "app/WidgetPrompter.h"
#include "support/RecordingStatusSink.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace gw::test {
namespace {

constexpr std::uint32_t kRed = 0xD00000;
constexpr std::uint32_t kBlue = 0x0000D0;

class MakeTextureWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MakeTextureWindow>(ProgramFolder(), trackFolder, prompter, mainStatus);
        track.fileSets = {"Red.tga", "Blue.tga"};
        WriteTile(track.File("Reda.tga"), SolidTile(kRed));
        // Blue with a red mark in its top-left quarter.
        WriteTile(track.File("Bluea.tga"), MarkedTile(kBlue, kRed));
        track.FillCells(256, [](int n) { return n % 2 == 1 ? 1 : 2; });
        track.trackKeys = {{"Orient_02", "2"}};
        track.Write();
    }
    void TearDown() override { window->close(); }

    QString Status() const { return window->findChild<QLabel*>("lblStatus")->text(); }
    QAction* Action(const char* name) const { return window->findChild<QAction*>(name); }

    TempDir dir;
    TextureTrack track{dir.path().string(), "Dunes"};
    std::string trackFolder = "/remembered/";
    ScriptedPrompter prompter;
    RecordingStatusSink mainStatus;
    std::unique_ptr<MakeTextureWindow> window;
};

TEST_F(MakeTextureWindowTest, ControlsAndMenu) {
    EXPECT_EQ(window->objectName(), "frmMakeTexture");
    EXPECT_EQ(window->windowTitle(), "Make Texture");
    EXPECT_EQ(window->findChild<ImagePicture*>("picMap")->size(), QSize(320, 320));
    auto* file = window->findChild<QMenu*>("mnuFile");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    const QList<QAction*> items = file->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->objectName(), "itmFileOpen");
    EXPECT_EQ(items[0]->text(), "&Open");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[1]->objectName(), "itmFileSep1");
    EXPECT_EQ(items[2]->objectName(), "itmFileExit");
    EXPECT_EQ(items[2]->text(), "E&xit");
}

TEST_F(MakeTextureWindowTest, FileOpenComposesTheChosenTrack) {
    window->show();
    prompter.fileAnswers = {track.terPath()};
    Action("itmFileOpen")->trigger();
    EXPECT_EQ(Status(), "All Done");
    EXPECT_TRUE(prompter.Messages().empty());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].request.filter, "TER file|*.ter|All Files|*.*");
    EXPECT_EQ(prompter.shown[0].request.initialFolder, "");
    EXPECT_TRUE(mainStatus.texts.empty());
    EXPECT_TRUE(Exists(track.File("DunesUnRendered.tga")));

    // The preview shows the finished skeleton at 320 x 320.
    const QImage& shown = window->findChild<ImagePicture*>("picMap")->shown();
    ASSERT_EQ(shown.size(), QSize(320, 320));
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF, kRed);
    EXPECT_EQ(shown.pixel(20 + 5, 5) & 0xFFFFFF, kBlue);
    // As a person sees it (saved with GRIDWRIGHT_SCREENSHOT_DIR set).
    QApplication::processEvents();
    const QPixmap picture = window->grab();
    EXPECT_FALSE(picture.isNull());
    const QString folder = qEnvironmentVariable("GRIDWRIGHT_SCREENSHOT_DIR");
    if (!folder.isEmpty()) picture.save(QDir(folder).filePath("make-texture.png"));

    // A cancelled box has nothing to do; it opened in TrackFolder, now that a .TER folder is remembered.
    Action("itmFileOpen")->trigger();
    EXPECT_EQ(Status(), "Nothing to do");
    EXPECT_EQ(prompter.shown.back().request.initialFolder, "/remembered/");
}

TEST_F(MakeTextureWindowTest, JobsOpenTheWindowAndReportToTheMainWindow) {
    // Without quotes around the .TER the job only opens the window.
    window->StartTextureBuilder(track.terPath() + "," + dir.File("out"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(window->lastRun());

    std::filesystem::create_directories(dir.File("out"));
    window->StartTextureBuilder("\"" + track.terPath() + "\",\"" + dir.File("out") + "\"");
    const std::string finished = "Finished converting " + track.terPath();
    EXPECT_EQ(Status().toStdString(), finished);
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{finished});
    EXPECT_TRUE(Exists(dir.File("out") + "/DunesUnRendered.tga"));
    Action("itmFileExit")->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MakeTextureWindowTest, UnreadableTilesAreListedInOneRealBoxNamesAsTheyAre) {
    WidgetPrompter boxes;
    MakeTextureWindow builder(ProgramFolder(), trackFolder, boxes, mainStatus);
    track.fileSets = {"Red.tga", "D\xc3\xbcne.tga"};  // a UTF-8 name
    std::filesystem::remove(track.File("Reda.tga"));
    track.Write();
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    closer.start(10);
    builder.StartTextureBuilder("\"" + track.terPath() + "\",\"" + dir.path().string() + "\"");
    closer.stop();
    const QString missing = ": No such file or directory (nor beside the .TER, in any letter case)";
    EXPECT_EQ(shown, QStringList{"Error opening 2 texture files; their pieces keep the skeleton's ground:\n"
                                 "Cannot open Reda.tga" +
                                 missing + "\nCannot open D\u00fcnea.tga" + missing});
    const QString closing = "256 of 256 pieces have no texture: 2 texture files could not be read";
    EXPECT_EQ(builder.findChild<QLabel*>("lblStatus")->text(), closing);
    EXPECT_EQ(mainStatus.texts, std::vector<std::string>{closing.toStdString()});
    builder.close();
}

}  // namespace
}  // namespace gw::test
