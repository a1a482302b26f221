// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMessageBox>

#include "app/AppFixture.h"
#include "app/ImagePicture.h"
#include "app/MakeTextureWindow.h"
#include "app/WidgetPrompter.h"
#include "support/RecordingStatusSink.h"
#include "support/TextureTrack.h"

namespace gw::test {
namespace {

constexpr std::uint32_t kRed = 0xD00000;
constexpr std::uint32_t kBlue = 0x0000D0;

class MakeTextureWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        track.fileSets = {"Red.tga", "Blue.tga"};
        WriteTile(track.File("Reda.tga"), SolidTile(kRed));
        WriteTile(track.File("Bluea.tga"), MarkedTile(kBlue, kRed));  // blue, its top-left quarter marked red
        track.FillCells(256, [](int n) { return n % 2 == 1 ? 1 : 2; });
        track.trackKeys = {{"Orient_02", "2"}};
        track.Write();
    }
    void TearDown() override { window.close(); }

    QString Status() const { return TextIn(window, "lblStatus"); }
    void Trigger(const char* item) { FindIn<QAction>(window, item)->trigger(); }

    TempDir dir;
    TextureTrack track{dir.path().string(), "Dunes"};
    std::string trackFolder = "/remembered/";
    ScriptedPrompter prompter;
    RecordingStatusSink mainStatus;
    MakeTextureWindow window{ProgramFolder(), trackFolder, prompter, mainStatus};
};

TEST_F(MakeTextureWindowTest, FileOpenComposesTheChosenTrack) {
    ExpectTexts(window, "make-texture.tsv");
    auto* file = FindIn<QMenu>(window, "mnuFile");
    QStringList items;
    for (QAction* item : file->actions()) items << item->objectName();
    EXPECT_EQ(items, (QStringList{"itmFileOpen", "itmFileSep1", "itmFileExit"}));
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    EXPECT_EQ(FindIn<ImagePicture>(window, "picMap")->size(), QSize(320, 320));

    window.show();
    prompter.fileAnswers = {track.terPath()};
    Trigger("itmFileOpen");
    EXPECT_EQ(Status(), "All Done");
    EXPECT_TRUE(prompter.Messages().empty());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].request.filter, "TER file|*.ter|All Files|*.*");
    EXPECT_EQ(prompter.shown[0].request.initialFolder, "");
    EXPECT_TRUE(mainStatus.texts.empty());
    EXPECT_TRUE(Exists(track.File("DunesUnRendered.tga")));
    // The preview shows the finished skeleton at 320 x 320.
    const QImage& shown = FindIn<ImagePicture>(window, "picMap")->shown();
    ASSERT_EQ(shown.size(), QSize(320, 320));
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF, kRed);
    EXPECT_EQ(shown.pixel(20 + 5, 5) & 0xFFFFFF, kBlue);
    Keep(&window, "make-texture");

    // A cancelled box has nothing to do; it opened in TrackFolder, now that a .TER folder is remembered.
    Trigger("itmFileOpen");
    EXPECT_EQ(Status(), "Nothing to do");
    EXPECT_EQ(prompter.shown.back().request.initialFolder, "/remembered/");
}

// A conversion's job, its status and the main window's are proven with the conversion dialog.
TEST_F(MakeTextureWindowTest, WithoutAJobTheWindowOnlyOpensAndExitCloses) {
    window.StartTextureBuilder();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Status(), "");
    Trigger("itmFileExit");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MakeTextureWindowTest, UnreadableTilesAreListedInOneRealBoxNamesAsTheyAre) {
    WidgetPrompter boxes;
    MakeTextureWindow builder(ProgramFolder(), trackFolder, boxes, mainStatus);
    track.fileSets = {"Red.tga", "D\xc3\xbcne.tga"};  // a UTF-8 name
    fs::remove(track.File("Reda.tga"));
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
    const TextureRunResult run =
        builder.StartTextureBuilder(ConversionTextureJob(track.terPath(), dir.path().string()));
    closer.stop();
    EXPECT_FALSE(run.ok());
    const QString missing = ": No such file or directory (nor beside the .TER, in any letter case)";
    EXPECT_EQ(shown, QStringList{"Error opening 2 texture files; their pieces keep the skeleton's ground:\n"
                                 "Cannot open Reda.tga" +
                                 missing + "\nCannot open D\u00fcnea.tga" + missing});
    const QString closing = "256 of 256 pieces have no texture: 2 texture files could not be read";
    EXPECT_EQ(TextIn(builder, "lblStatus"), closing);
    EXPECT_EQ(mainStatus.texts, Texts{closing.toStdString()});
    builder.close();
}

}  // namespace
}  // namespace gw::test
