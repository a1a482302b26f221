// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/terrain/NationalMenu.h"
#include "support/RecordingFakes.h"
#include "support/RecordingStatusSink.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using RecordingStatus = test::RecordingStatusSink;
using test::OneAnswerPrompter;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

class NationalMenuTest : public ::testing::Test {
protected:
    NationalMenuTest() {
        state.nationalFolder = dir.path().string() + "/";
        state.skeleton257Path = test::Skeleton257Path();
    }
    TempDir dir;
    EditorState state;
    OneAnswerPrompter prompter;
    RecordingStatus status;
};

TEST_F(NationalMenuTest, OpenBaseAsksInTheNationalFolderReadsOntoACopyAndReportsFilesThatDoNotLoad) {
    NationalGrid terrain;
    terrain.At(5, 5) = 2;
    EXPECT_FALSE(OpenBaseASC257(state.nationalFolder, terrain, prompter, status).has_value());
    ASSERT_EQ(prompter.fileBoxes.size(), 1u);
    EXPECT_EQ(prompter.fileBoxes[0].title, "Select Base Map");
    EXPECT_EQ(prompter.fileBoxes[0].filter, "ASC file|*.asc|All Files|*.*");
    EXPECT_EQ(prompter.fileBoxes[0].initialFolder, state.nationalFolder);
    EXPECT_TRUE(prompter.messages.empty());

    WriteAll(dir.File("base.flat.asc"), "Vertex 0: X: -128 Y: -128 Z: 4\r\nFace list:\r\n");
    prompter.fileAnswer = dir.File("base.flat.asc");
    const auto loaded = OpenBaseASC257(state.nationalFolder, terrain, prompter, status);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_TRUE(loaded->read.ok());
    EXPECT_EQ(loaded->grid.At(0, 0), 4);
    EXPECT_EQ(loaded->grid.At(5, 5), 2);  // a cell the file does not name keeps its height
    EXPECT_EQ(terrain.At(0, 0), 0);
    EXPECT_EQ(loaded->path, dir.File("base.flat.asc"));
    EXPECT_EQ(status.texts.back(), "All done");
    EXPECT_TRUE(prompter.messages.empty());

    WriteAll(dir.File("neg.asc"), "Vertex 0: X: -128 Y: -128 Z: -1\r\nFace list:\r\n");
    prompter.fileAnswer = dir.File("neg.asc");
    const auto negative = OpenBaseASC257(state.nationalFolder, state.national, prompter, status);
    EXPECT_EQ(negative->read.end, Asc257ReadEnd::NegativeValue);
    EXPECT_EQ(negative->grid, NationalGrid()) << "a failed read gives back the terrain as it was";
    EXPECT_EQ(status.texts.back(), "Error: ASC contains negative values");
    prompter.fileAnswer = dir.File("absent.asc");
    EXPECT_EQ(OpenBaseASC257(state.nationalFolder, state.national, prompter, status)->read.end,
              Asc257ReadEnd::CannotRead);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0], "Gridwright|ASC file contains negative values. ASC not loaded");
    EXPECT_EQ(prompter.messages[1], "Gridwright|Cannot open " + dir.File("absent.asc") + ": No such file or directory");
}

TEST_F(NationalMenuTest, SaveProposesANameAndKeepsThePreviousFile) {
    state.currentTerFile = "/t/sx/dunes.ter";
    EXPECT_FALSE(SaveASC257(state, prompter, status));
    ASSERT_EQ(prompter.fileBoxes.size(), 1u);
    EXPECT_EQ(prompter.fileBoxes[0].fileName, "dunes.asc");
    EXPECT_EQ(prompter.fileBoxes[0].title, "Save ASC As");
    EXPECT_EQ(prompter.fileBoxes[0].initialFolder, state.nationalFolder);
    EXPECT_EQ(prompter.messages.back(), "Gridwright|ASC save cancelled");

    WriteAll(dir.File("track.asc"), "previous");
    state.national.At(5, 5) = 2.5;
    prompter.fileAnswer = dir.File("track.asc");
    prompter.messages.clear();
    ASSERT_TRUE(SaveASC257(state, prompter, status));
    EXPECT_EQ(ReadAll(dir.File("track.bak")), "previous");
    EXPECT_NE(ReadAll(dir.File("track.asc")).find("\r\nVertex 1290: X: -123.000000 Y: -123.000000 Z:  2.5\r\n"),
              std::string::npos);
    EXPECT_EQ(status.texts.back(), "All Done");
    EXPECT_TRUE(prompter.messages.empty());

    state.skeleton257Path = dir.File("gone.txt");
    EXPECT_FALSE(SaveASC257(state, prompter, status));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].find(dir.File("gone.txt") + ": No such file"), std::string::npos);
    EXPECT_EQ(ReadAll(dir.File("track.bak")), "previous");
}

}  // namespace
}  // namespace gw
