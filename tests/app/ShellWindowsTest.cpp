// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include "app/AboutBox.h"
#include "app/AppFixture.h"
#include "app/EditorCommandLine.h"
#include "support/CliProcess.h"
#include "app/UserName.h"
#include "core/text/FieldString.h"

namespace gw::test {
namespace {

using ShellWindowsTest = AppFixture;

TEST_F(ShellWindowsTest, AboutBoxShowsAtStartUpWithItsTexts) {
    StartWindow();
    auto* about = Find<QDialog>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "About Gridwright");
    EXPECT_EQ(Find<QLabel>("lblTitle")->text(), "Gridwright for Motocross Madness SX plugins");
    EXPECT_EQ(Find<QLabel>("lblVersion")->text(), "Version 1.0.0");
    EXPECT_TRUE(Find<QLabel>("lblDescription")->text().startsWith("This program allows you to edit the ASC files"));
    EXPECT_NE(Find<QLabel>("picIcon")->pixmap().isNull(), true);
    EXPECT_EQ(Find<QLabel>("lblLicense")->text(), "License: GPL-3.0-or-later");
    Find<QPushButton>("cmdLicenses")->click();
    const QString notices = Find<QTextBrowser>("txtLicenses")->toPlainText();
    EXPECT_TRUE(notices.contains("either version 3") && notices.contains("stb_image") && notices.contains("LGPL-3.0"));

    // OK closes it and keeps its place; Help > About shows it again there.
    about->move(321, 123);
    Find<QPushButton>("cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(settings->Get("LeftAbout Gridwright", "x"), "4815");
    EXPECT_EQ(settings->Get("TopAbout Gridwright", "x"), "1845");
    Action("itmHelpAbout")->trigger();
    EXPECT_TRUE(about->isVisible());
}

TEST_F(ShellWindowsTest, GreetingFollowsTheOption) {
    StartWindow();
    auto* greeting = Find<QLabel>("lblGreeting");
    const QString first = QString::fromStdString(GetElement(CurrentUserName(), " ", 0));
    EXPECT_TRUE(greeting->text().contains(first)) << greeting->text().toStdString();
    Action("itmOptionsGreeting")->trigger();
    EXPECT_EQ(greeting->text(), " ");
    Action("itmOptionsGreeting")->trigger();
    EXPECT_TRUE(greeting->text().contains(first));
}

TEST_F(ShellWindowsTest, HelpPagesOpenOrReportTheirFailure) {
    StartWindow();
    QStringList opened;
    bool viewerWorks = true;
    window->SetDocumentOpener([&](const QString& path) {
        opened << path;
        return viewerWorks;
    });
    Action("itmHelpHelp")->trigger();
    Action("itmHelpFAQ")->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].endsWith("/Gridwright.html"));
    EXPECT_TRUE(opened[1].endsWith("/GridwrightFAQ.html"));
    EXPECT_TRUE(prompter.Messages().empty());

    viewerWorks = false;
    Action("itmHelpHelp")->trigger();
    Action("itmHelpFAQ")->trigger();
    state.programFolder = dir.path().string();  // no pages there
    Action("itmHelpHelp")->trigger();
    EXPECT_EQ(opened.size(), 4);
    const std::vector<std::string> expected = {"Error launching help file.", "Error launching FAQ.",
                                               "Error launching help file."};
    EXPECT_EQ(prompter.Messages(), expected);
}

// `gridwright --help` and `--version` answer without a window; anything else
// that is not one piece is refused with a word.
TEST(EditorCommandLine, HelpVersionOrOnePiece) {
    struct Case {
        const char* arguments;
        int status;
        const char* outPart;
        const char* errPart;
    };
    const Case cases[] = {
        {"--help", 0, "Usage: gridwright [PIECE.asc]", ""},
        {"-stylesheet x.qss -h", 0, "Usage: gridwright [PIECE.asc]", ""},
        {"--version", 0, "gridwright " GRIDWRIGHT_VERSION "\n", ""},
        {"--frobnicate", 2, "", "gridwright: unknown option '--frobnicate' (try --help)"},
        {"aN.asc bN.asc", 2, "", "one piece at a time"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunProgram("QT_QPA_PLATFORM=offscreen " GRIDWRIGHT_EDITOR, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.out.find(c.outPart), std::string::npos) << c.arguments << ": " << run.out;
        EXPECT_NE(run.err.find(c.errPart), std::string::npos) << c.arguments << ": " << run.err;
    }
    EXPECT_EQ(ParseEditorCommandLine({"/tracks/bumpN.asc"}).piecePath, "/tracks/bumpN.asc");
}

}  // namespace
}  // namespace gw::test
