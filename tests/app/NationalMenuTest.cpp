// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/AppFixture.h"
#include "core/terrain/Asc257File.h"
#include "support/SpecialFiles.h"

namespace gw::test {
namespace {

class NationalMenuTest : public AppFixture {
protected:
    QString Status() { return Find<QLabel>("lblStatus")->text(); }
};

TEST_F(NationalMenuTest, OpensAddsSavesAndClears) {
    StartWindow();
    const std::string base = WriteTerrain("base.flat.asc");
    prompter.fileAnswers.push_back(base);
    Trigger("itmNationalOpenBaseASC257");
    EXPECT_EQ(prompter.shown[0].request.title, "Select Base Map");
    EXPECT_EQ(state.national.At(256, 3), 4.0);
    EXPECT_EQ(state.baseMapFile, base);
    EXPECT_EQ(Status(), "All done");

    // The open piece (all 2) goes in at the track editor's tile (3, 3), scaled by 0.8.
    window->document().LoadPiece([] {
        PieceGrid g;
        g.values.fill(2);
        return g;
    }());
    prompter.inputAnswers.push_back("3g, 3g,,.8");
    Trigger("itmNationalAddToASC257");
    EXPECT_EQ(prompter.shown.back().kind, "input");
    EXPECT_EQ(prompter.shown.back().title, "ASC Offset");
    EXPECT_EQ(state.national.At(32, 208), 32 / 256.0 + 208 + 1.6);
    EXPECT_EQ(state.national.At(48, 208), 48 / 256.0 + 208);
    EXPECT_TRUE(window->nationalModified());

    prompter.inputAnswers.push_back("");  // cancelled
    Trigger("itmNationalAddToASC257");
    EXPECT_EQ(prompter.Messages().back(), "You must enter an X, Y. You entered ()");

    // Save proposes the base name of the file read, and keeps the old file as
    // .bak, named by all of the file name but its extension.
    prompter.fileAnswers.push_back(base);
    Trigger("itmNationalSaveASC257");
    EXPECT_EQ(prompter.shown.back().request.fileName, "base.asc");
    EXPECT_EQ(prompter.shown.back().request.title, "Save ASC As");
    EXPECT_EQ(Status(), "All Done");
    EXPECT_TRUE(Exists(dir.File("base.flat.bak")));
    EXPECT_FALSE(window->nationalModified());

    prompter.yesNoAnswers.push_back(true);
    Trigger("itmNationalClearASC257");
    EXPECT_EQ(state.national, NationalGrid());
    EXPECT_TRUE(state.baseMapFile.empty());
    EXPECT_EQ(state.lastAsc257File, base);
}

TEST_F(NationalMenuTest, SpecialFilesAreRefusedInABoxAndChangeNothing) {
    StartWindow();
    state.nationalFolder = dir.path().string();
    state.national.At(7, 7) = 7;
    const NationalGrid before = state.national;
    const std::string fifo = MakeSpecialFile(SpecialKind::Fifo, dir.File("track.ter"), kTrackFileCap).path;
    const std::pair<const char*, std::string> cases[] = {
        {"itmNationalOpenBaseASC257", "/dev/zero"},
        {"itmNationalOpenSXTER", fifo},
    };
    for (const auto& [item, path] : cases) {
        prompter.shown.clear();
        prompter.fileAnswers = {path};
        prompter.yesNoAnswers = {true};  // the track may go onto the terrain there is
        // The conversion's dialog, in its Open mode, is accepted as it stands.
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->findChild<QPushButton*>("OKButton")->click();
        });
        Trigger(item);
        const std::string reason = path == fifo ? "it is a FIFO" : "it is a device";
        EXPECT_EQ(prompter.Messages(),
                  std::vector<std::string>{"Cannot read " + path + ": " + reason + ", not a regular file"})
            << item;
        EXPECT_EQ(state.national, before) << item;
    }
    EXPECT_EQ(state.baseMapFile, "");
}

TEST_F(NationalMenuTest, StatisticsAndSlopeEdges) {
    StartWindow();
    Trigger("itmNationalDisplayStatistics");
    auto* dialog = Find<QDialog>("dlgStatistics");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Display ASC257 Statistics");
    EXPECT_EQ(Find<QPushButton>("btnOKButton")->text(), "&Ok");
    EXPECT_FALSE(Find<QWidget>("txtEdge")->isVisible());
    auto* list = Find<QListWidget>("lstStatistics");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "Minimum Z:  0");
    EXPECT_EQ(list->item(1)->text(), "Maximum Z:  0");
    EXPECT_EQ(list->item(2)->text(), "Average Z:  0");
    EXPECT_EQ(list->item(3)->text(), "Average Z on edge:  0");
    EXPECT_FALSE(Find<QWidget>("btnCancel")->isVisible());

    // Asked for slope mode while it is open, the dialog says so and can be left
    // with Cancel; asked back, its Ok only closes it.
    state.national.values.assign(state.national.values.size(), 20.0);
    const NationalGrid flat = state.national;
    Trigger("itmNationalSlopeEdges");
    EXPECT_EQ(dialog->windowTitle(), "Slope Edges of ASC257");
    EXPECT_EQ(Find<QPushButton>("btnOKButton")->text(), "Slope &Edges");
    Find<QPushButton>("btnCancel")->click();
    QApplication::processEvents();
    Trigger("itmNationalSlopeEdges");
    Trigger("itmNationalDisplayStatistics");
    EXPECT_EQ(Find<QDialog>("dlgStatistics")->windowTitle(), "Display ASC257 Statistics");
    EXPECT_EQ(Find<QPushButton>("btnOKButton")->text(), "&Ok");
    Find<QPushButton>("btnOKButton")->click();
    QApplication::processEvents();
    EXPECT_EQ(state.national, flat);
    EXPECT_FALSE(window->nationalModified());

    Trigger("itmNationalSlopeEdges");
    dialog = Find<QDialog>("dlgStatistics");
    EXPECT_EQ(dialog->windowTitle(), "Slope Edges of ASC257");
    EXPECT_EQ(Find<QPushButton>("btnOKButton")->text(), "Slope &Edges");
    EXPECT_TRUE(Find<QWidget>("btnCancel")->isVisible());
    EXPECT_TRUE(Find<QWidget>("txtEdge")->isVisible());
    EXPECT_EQ(Find<QLineEdit>("txtEdge")->text(), " 20");
    EXPECT_EQ(Find<QLineEdit>("txtNumPoints")->text(), " 10");
    EXPECT_EQ(Find<QLabel>("lblEdge")->text(), "Edge Value:");
    EXPECT_EQ(Find<QLabel>("lblPoints")->text(), "# of Points");
    // A second call while it is open appends four more lines.
    Trigger("itmNationalSlopeEdges");
    EXPECT_EQ(Find<QListWidget>("lstStatistics")->count(), 8);
    Find<QLineEdit>("txtEdge")->setText("0");
    Find<QPushButton>("btnOKButton")->click();
    EXPECT_EQ(state.national.At(128, 1), 2);  // row y = -127
    EXPECT_EQ(Status(), "Slope Edges Done");
    EXPECT_TRUE(window->nationalModified());
}

TEST_F(NationalMenuTest, ExitAsksAboutAnUnsavedTerrain) {
    StartWindow();
    prompter.inputAnswers.push_back("0, 0, 1");
    Trigger("itmNationalAddToASC257");
    prompter.yesNoAnswers.push_back(false);
    Trigger("itmFileExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompter.shown.back().text, "The terrain (ASC257) has changes that are not saved. Exit anyway?");
    prompter.yesNoAnswers.push_back(true);
    Trigger("itmFileExit");
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace gw::test
