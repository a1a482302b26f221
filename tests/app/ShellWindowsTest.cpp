// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTextBrowser>
#include <cmath>

#include "app/AppFixture.h"
#include "app/Display3DWindow.h"
#include "app/DisplacementWindow.h"
#include "app/EditorCommandLine.h"
#include "support/CliProcess.h"

namespace gw::test {
namespace {

using ShellWindowsTest = AppFixture;

TEST_F(ShellWindowsTest, EveryWindowRendersTheAboutBoxKeepsItsPlaceHelpPagesOpenAndTheCommandLineIsRead) {
    MainWindow& w = StartWindow();
    ASSERT_TRUE(w.OpenPieceFile(SamplePiecePath()));
    Keep(&w, "main-window");
    Keep(Find<QWidget>("frmAbout"), "about-box");
    Trigger("itmView3D");
    Keep(w.display3D(), "display-3d");
    AnswerModal([](QWidget* dialog) {
        Keep(dialog, "curve-dialog");
        ClickIn(*dialog, "btnApply");
    });
    Click("Command1");
    Trigger("itmNationalSlopeEdges");
    Keep(Find<QWidget>("dlgStatistics"), "statistics-slope");
    prompter.inputAnswers = {"20"};
    prompter.fileAnswers = {dir.File("shot257.tga")};
    Trigger("itmDispMapMake257DisplacementMapforASC257");
    Keep(&w.DisplacementPreviewWindow(), "displacement-257");
    Trigger("itmNationalShowTerrain");
    Keep(Find<QWidget>("frmTerrain"), "terrain");
    Trigger("itmTextureMakeTexture");  // it opens empty: nothing is asked until its File > Open
    Keep(Find<QWidget>("frmMakeTexture"), "make-texture-empty");
    // The conversion dialog on the sample track, cancelled once seen; the edited piece may be emptied.
    prompter.yesNoAnswers = {true};
    prompter.fileAnswers = {ProgramFolder() + "/samples/Dunes/Dunes.TER"};
    AnswerModal([&](QWidget* dialog) {
        Keep(dialog, "convert-dialog");
        ClickIn(*dialog, "CancelButton");
    });
    Trigger("itmNationalCreateFromSX");
    See("every window shown");
    // OK closes the about box (texts in main-window.tsv) and keeps its place; Help > About shows it there again.
    auto* about = Find<QDialog>("frmAbout");
    ASSERT_TRUE(about && about->isVisible() && !about->isModal());
    EXPECT_TRUE(Find<QLabel>("lblDescription")->text().startsWith("This program allows you to edit the ASC files"));
    EXPECT_FALSE(Find<QLabel>("picIcon")->pixmap().isNull());
    Click("cmdLicenses");
    const QString notices = Find<QTextBrowser>("txtLicenses")->toPlainText();
    EXPECT_TRUE(notices.contains("either version 3") && notices.contains("stb_image") && notices.contains("LGPL-3.0"));
    about->move(321, 123);
    Click("cmdOK");
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(settings->Get("LeftAbout Gridwright", "x") + " " + settings->Get("TopAbout Gridwright", "x"),
              "4815 1845");
    Trigger("itmHelpAbout");
    EXPECT_TRUE(about->isVisible());
    bool viewerWorks = true;
    window->SetDocumentOpener([&](const QString& path) {
        Note("opened", path);
        return viewerWorks;
    });
    for (int round = 0; round < 3; ++round) {
        viewerWorks = round == 0;
        if (round == 2) state.programFolder = dir.path().string();  // no pages there
        Trigger("itmHelpHelp");
        if (round < 2) Trigger("itmHelpFAQ");
        NoteBoxes();
    }
    ExpectTranscript("every-window.txt");
    // `gridwright --help` and `--version` answer without a window; anything but one piece is refused with a word.
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        // arguments, status, out, err
        {"--help", 0, "Usage: gridwright [PIECE.asc]", ""},
        {"-stylesheet x.qss -h", 0, "Usage: gridwright [PIECE.asc]", ""},
        {"--version", 0, "gridwright " GRIDWRIGHT_VERSION "\n", ""},
        {"--frobnicate", 2, "", "gridwright: unknown option '--frobnicate' (try --help)"},
        {"aN.asc bN.asc", 2, "", "one piece at a time"},
    };
    for (const auto& [arguments, status, outPart, errPart] : cases) {
        const CliRun run = RunProgram("QT_QPA_PLATFORM=offscreen " GRIDWRIGHT_EDITOR, arguments);
        EXPECT_EQ(run.status, status) << arguments;
        EXPECT_NE(run.out.find(outPart), std::string::npos) << arguments << ": " << run.out;
        EXPECT_NE(run.err.find(errPart), std::string::npos) << arguments << ": " << run.err;
    }
    EXPECT_EQ(ParseEditorCommandLine({"/tracks/bumpN.asc"}).piecePath, "/tracks/bumpN.asc");
}

}  // namespace
}  // namespace gw::test
