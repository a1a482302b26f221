// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/io/Paths.h"
#include "core/trackfiles/FindTrackFile.h"
#include "support/CaseTable.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::CaseKey;  // found files compare in any letter case where the system ignores it
using test::TempDir;
using test::WriteAll;

TEST(FindTrackFile, FolderOfPathKeepsTheClosingSeparator) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/folder-of-path.txt"))
        EXPECT_EQ(FolderOfPath(c[0]), c[1]) << c[0];
}

class TrackFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "Dunes");
        ter = dir.File("Dunes/Dunes.ter");
        WriteAll(ter, "[ElevationData]\r\nElevationPath=C:\\MCM\\Tracks\\Dunes\\\r\n");
    }
    std::string InTrack(const std::string& name) const { return dir.File("Dunes/" + name); }

    TempDir dir;
    std::string ter;
};

TEST_F(TrackFolder, WindowsPathsAreFoundBesideTheTerWhateverTheCase) {
    WriteAll(InTrack("bumpn.ASC"), "x");
    EXPECT_EQ(CaseKey(ResolveTrackFile("C:\\MCM\\Tracks\\Dunes\\BumpN.asc", ter)), CaseKey(InTrack("bumpn.ASC")));
    EXPECT_EQ(CaseKey(ResolveTrackFile("C:/MCM/Tracks/Dunes/bumpN.asc", ter)), CaseKey(InTrack("bumpn.ASC")));
    EXPECT_EQ(CaseKey(ResolveTrackFile("BUMPN.ASC", ter)), CaseKey(InTrack("bumpn.ASC")));
    WriteAll(InTrack("a1.asc"), "1");
    WriteAll(InTrack("B2.ASC"), "2");
    TrackFileFinder finder(ter);
    EXPECT_EQ(CaseKey(finder.Resolve("C:\\MCM\\Tracks\\Dunes\\A1.asc")), CaseKey(InTrack("a1.asc")));
    EXPECT_EQ(CaseKey(finder.Resolve("C:\\MCM\\Tracks\\Dunes\\b2.asc")), CaseKey(InTrack("B2.ASC")));
    EXPECT_EQ(finder.Resolve("C:\\MCM\\Tracks\\Dunes\\c3.asc"), "C:\\MCM\\Tracks\\Dunes\\c3.asc");
}

TEST_F(TrackFolder, TheWrittenFolderIsSearchedExactlyThenLooselyBeforeTheTersFolder) {
    std::filesystem::create_directories(dir.path() / "pieces");
    WriteAll(InTrack("bumpN.asc"), "y");
    WriteAll(dir.File("pieces/BUMPN.asc"), "x");
    EXPECT_EQ(CaseKey(ResolveTrackFile(dir.File("pieces/bumpN.asc"), ter)), CaseKey(dir.File("pieces/BUMPN.asc")));
    WriteAll(dir.File("pieces/bumpN.asc"), "x");
    EXPECT_EQ(CaseKey(ResolveTrackFile(dir.File("pieces/bumpN.asc"), ter)), CaseKey(dir.File("pieces/bumpN.asc")));
    // Beside the .TER the exact spelling wins, then the first in byte order.
    WriteAll(InTrack("bumpN.asc"), "exact");
    WriteAll(InTrack("BUMPN.ASC"), "upper");
    WriteAll(InTrack("bumpn.asc"), "lower");
    EXPECT_EQ(CaseKey(ResolveTrackFile("C:\\x\\bumpN.asc", ter)), CaseKey(InTrack("bumpN.asc")));
    EXPECT_EQ(CaseKey(ResolveTrackFile("C:\\x\\BumpN.Asc", ter)), CaseKey(InTrack("BUMPN.ASC")));
}

TEST_F(TrackFolder, AFileFoundNowhereOrOnlyAsAFolderComesBackAsWritten) {
    EXPECT_EQ(ResolveTrackFile("C:\\MCM\\Tracks\\Dunes\\gone.asc", ter), "C:\\MCM\\Tracks\\Dunes\\gone.asc");
    EXPECT_EQ(ResolveTrackFile("Not foundbumpN.asc", ter), "Not foundbumpN.asc");
    EXPECT_EQ(ResolveTrackFile("", ter), "");
    std::filesystem::create_directories(dir.path() / "Dunes" / "bumpn.asc");
    EXPECT_EQ(ResolveTrackFile("C:\\x\\bumpN.asc", ter), "C:\\x\\bumpN.asc");
    EXPECT_EQ(FindFileLoosely(dir.File("Dunes"), "BUMPN.asc"), "");
}

TEST_F(TrackFolder, SceneAndTrackBesideTheTerWhateverTheCaseElseTheBuiltPaths) {
    EXPECT_EQ(CaseKey(FindSceneBesideTer(ter)), CaseKey(InTrack("Dunes.SCN")));
    EXPECT_EQ(CaseKey(FindTrackBesideTer(ter)), CaseKey(InTrack("Dunes.trk")));
    WriteAll(InTrack("DUNES.scn"), "[SceneInfo]\r\n");
    WriteAll(InTrack("dunes.TRK"), "[Track]\r\n");
    EXPECT_EQ(CaseKey(FindSceneBesideTer(ter)), CaseKey(InTrack("DUNES.scn")));
    EXPECT_EQ(CaseKey(FindTrackBesideTer(ter)), CaseKey(InTrack("dunes.TRK")));
    // A period in the folder's name and in the .TER's: names up to the first period.
    std::filesystem::create_directories(dir.path() / "my.tracks");
    WriteAll(dir.File("my.tracks/MY.trk"), "");
    EXPECT_EQ(CaseKey(FindTrackBesideTer(dir.File("my.tracks/My.Track.ter"))), CaseKey(dir.File("my.tracks/MY.trk")));
    EXPECT_EQ(CaseKey(FindSceneBesideTer(dir.File("my.tracks/My.Track.ter"))), CaseKey(dir.File("my.tracks/My.SCN")));
}

TEST(FindTrackFile, SameFolderAfterLinksSeparatorsAndCase) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "Tracks");
    std::filesystem::create_directories(dir.path() / "nat");
    const std::string tracks = dir.File("Tracks");
    std::error_code noLinks;  // MinGW's runtime makes no links on Windows
    std::filesystem::create_directory_symlink(dir.path() / "Tracks", dir.path() / "link", noLinks);
    if (!noLinks) {
        EXPECT_TRUE(IsSameFolder(tracks, dir.File("link")));
    }
    EXPECT_TRUE(IsSameFolder(tracks, tracks + "/"));
    EXPECT_TRUE(IsSameFolder(tracks, dir.File("TRACKS")));
    EXPECT_TRUE(IsSameFolder(tracks, dir.File("nat/../Tracks")));
    EXPECT_FALSE(IsSameFolder(tracks, dir.File("nat")));
    EXPECT_FALSE(IsSameFolder(tracks, dir.File("Tracks/sub")));
}

}  // namespace
}  // namespace gw
