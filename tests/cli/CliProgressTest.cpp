// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliProgress.h"

namespace gw::cli {
namespace {

TEST(TerminalProgress, RewritesOneLineOnATerminalAndStaysSilentOtherwise) {
    std::ostringstream terminal, pipe;
    {
        TerminalProgress shown(terminal, true);
        TerminalProgress hidden(pipe, false);
        for (StatusSink* sink : {static_cast<StatusSink*>(&shown), static_cast<StatusSink*>(&hidden)}) {
            sink->Status(" 1 C:\\MCM\\Tracks\\Dunes\\BermN.asc");
            sink->Status("Processing Terrain\nRow: 3");
        }
        shown.Finish();
        shown.Finish();  // a second end writes nothing more
    }
    EXPECT_EQ(terminal.str(), "\r 1 C:\\MCM\\Tracks\\Dunes\\BermN.asc\x1b[K\rProcessing Terrain Row: 3\x1b[K\r\x1b[K");
    EXPECT_EQ(pipe.str(), "");
}

TEST(CliPrompter, MessagesBecomeErrorLinesAndQuestionsAnswerNo) {
    std::ostringstream err;
    CliPrompter prompter("convert", err);
    prompter.Message("/t/Dunes.trk not found.\n\nSome track pieces may not be rotated correctly.", "Gridwright");
    EXPECT_FALSE(prompter.AskYesNo("Create it?", "Gridwright"));
    EXPECT_EQ(prompter.Input("Max Z", "Max Z", "20"), "");
    EXPECT_EQ(prompter.OpenFileName({}), "");
    EXPECT_EQ(prompter.SaveFileName({}), "");
    EXPECT_EQ(err.str(),
              "gridwright-cli convert: /t/Dunes.trk not found. Some track pieces may not be rotated correctly.\n");
    EXPECT_EQ(prompter.messages(), 1);
}

}  // namespace
}  // namespace gw::cli
