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

class MakeTextureWindowTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        track.fileSets = {"Red.tga", "Blue.tga"};
        WriteTile(track.File("Reda.tga"), SolidTile(kRed));
        WriteTile(track.File("Bluea.tga"), MarkedTile(kBlue, kRed));  // blue, its top-left quarter marked red
        track.FillCells(256, [](int n) { return n % 2 == 1 ? 1 : 2; });
        track.trackKeys = {{"Orient_02", "2"}};
        track.Write();
    }
    void TearDown() override {
        builder.close();
        AppFixture::TearDown();
    }

    QString Status() const { return TextIn(builder, "lblStatus"); }
    void Trigger(const char* item) { FindIn<QAction>(builder, item)->trigger(); }

    TextureTrack track{dir.path().string(), "Dunes"};
    std::string trackFolder = "/remembered/";
    RecordingStatusSink mainStatus;
    MakeTextureWindow builder{ProgramFolder(), trackFolder, prompter, mainStatus};
};

TEST_F(MakeTextureWindowTest, OpensWithoutAJobComposesTheChosenTrackAndListsUnreadableTilesInOneRealBox) {
    // Without a job the window only opens (a conversion's job is proven with the conversion dialog); Exit closes it.
    builder.StartTextureBuilder();
    EXPECT_TRUE(builder.isVisible());
    EXPECT_EQ(Status(), "");
    Trigger("itmFileExit");
    EXPECT_FALSE(builder.isVisible());
    ExpectTexts(builder, "make-texture.tsv");
    for (QAction* item : FindIn<QMenu>(builder, "mnuFile")->actions())
        Note(item->objectName().toStdString(), item->isSeparator() ? QString("separator") : item->text());
    builder.show();
    prompter.fileAnswers = {track.terPath()};
    Trigger("itmFileOpen");
    // The preview shows the finished skeleton at 320 x 320, red then blue.
    const ImagePicture* picture = FindIn<ImagePicture>(builder, "picMap");
    Note("opened", Status() + QString(" %1 %2 %3: %4 %5")
                                  .arg(picture->width())
                                  .arg(picture->shown().width())
                                  .arg(picture->shown().height())
                                  .arg(picture->shown().pixel(5, 5) & 0xFFFFFF, 6, 16)
                                  .arg(picture->shown().pixel(25, 5) & 0xFFFFFF, 6, 16));
    EXPECT_TRUE(Exists(track.File("DunesUnRendered.tga")));
    Keep(&builder, "make-texture");
    // A cancelled box has nothing to do; it opened in TrackFolder, now that a .TER folder is remembered.
    Trigger("itmFileOpen");
    Note("cancelled", Status());
    NoteBoxes();
    for (const std::string& text : mainStatus.texts) Note("main status", text);
    ExpectTranscript("make-texture-open.txt");
    // Unreadable tiles are listed in one real box, names as they are.
    WidgetPrompter boxes;
    MakeTextureWindow real(ProgramFolder(), trackFolder, boxes, mainStatus);
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
    const TextureRunResult run = real.StartTextureBuilder(ConversionTextureJob(track.terPath(), dir.path().string()));
    closer.stop();
    EXPECT_FALSE(run.ok());
    const QString missing = ": No such file or directory (nor beside the .TER, in any letter case)";
    EXPECT_EQ(shown, QStringList{"Error opening 2 texture files; their pieces keep the skeleton's ground:\n"
                                 "Cannot open Reda.tga" +
                                 missing + "\nCannot open D\u00fcnea.tga" + missing});
    const QString closing = "256 of 256 pieces have no texture: 2 texture files could not be read";
    EXPECT_EQ(TextIn(real, "lblStatus"), closing);
    EXPECT_EQ(mainStatus.texts, Texts{closing.toStdString()});
    real.close();
}

}  // namespace
}  // namespace gw::test
