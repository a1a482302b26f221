// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/image/TgaFile.h"
#include "core/io/Paths.h"
#include "core/io/ReplaceFile.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "core/texture/TextureLog.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/TrackFiles.h"
#include "support/RecordingFakes.h"
#include "support/TempDir.h"
#include "support/TextureTrack.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::FilesIn;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

struct Writer {
    std::string name;
    bool keepsBackup;
    std::function<Outcome(const std::string& target)> write;
};

Outcome WritePiece(const std::string& t) { return WritePieceFile({test::SkeletonPath(), t, "p"}, PieceGrid()); }
Outcome WriteTerrain(const std::string& t) {
    NullStatusSink quiet;
    return WriteASC257({test::Skeleton257Path(), t, "t"}, NationalGrid(), quiet);
}
Outcome WriteLog(const std::string& t) {
    TextureLog log;
    log.Header("Dunes.trk");
    return log.Save(t);
}
const Writer kWriters[] = {
    {"piece", true, WritePiece},
    {"ASC257", true, WriteTerrain},
    {"TGA", false, [](const std::string& t) { return WriteTgaFile(t, test::SolidTile(0, 2)); }},
    {"profile", false, [](const std::string& t) { return ProfileDocument("[A]\r\nB=1\r\n").Save(t); }},
    {"copy", false, [](const std::string& t) { return CopyFileReplacing(test::SkeletonPath(), t); }},
    {"log", false, WriteLog},
};

TEST(SafeWrite, EveryWriterRefusesFoldersOddFilesCompanionNamesAndMissingFoldersBeforeWriting) {
    TempDir dir;
    fs::create_directory(dir.path() / "folder");
    WriteAll(dir.File("old.bak"), "backup");
    const std::string companion = ": names ending in .out or .bak are kept for the temporary and backup files";
    std::vector<std::pair<std::string, std::string>> cases = {
        {dir.File("folder"), ": Is a directory"},
        {dir.File("folder") + "/", ": Is a directory"},
        {dir.File("t.out"), companion},
        {dir.File("T.v2.BaK"), companion},
        {dir.File("none/T.asc"), ": No such file or directory"},
    };
#if !defined(_WIN32)  // Windows has no FIFOs, and MinGW's runtime makes no symbolic links
    fs::create_directory_symlink("folder", dir.path() / "folder-link");
    ASSERT_EQ(mkfifo(dir.File("pipe.asc").c_str(), 0600), 0);
    fs::create_symlink("old.bak", dir.path() / "backup-link.asc");
    cases.push_back({dir.File("folder-link"), ": Is a directory"});
    cases.push_back({dir.File("pipe.asc"), ": it is not a regular file"});
    cases.push_back({dir.File("backup-link.asc"), companion});  // it would write the backup it points to
#endif
    const auto before = FilesIn(dir);
    for (const Writer& writer : kWriters)
        for (const auto& [target, reason] : cases)
            EXPECT_EQ(writer.write(target).message(), "Cannot write " + target + reason) << writer.name;
    EXPECT_EQ(FilesIn(dir), before);
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
    EXPECT_EQ(ReadAll(dir.File("old.bak")), "backup");
}

// One rule for every writer, as QSaveFile has it: the link stays a link, the
// file it points to gets the new content (and keeps its access rights) and its
// backup lies beside it.
TEST(SafeWrite, ALinkIsWrittenThroughToItsFile) {
#if defined(_WIN32)
    GTEST_SKIP() << "MinGW's runtime makes no symbolic links, and POSIX access rights do not apply";
#endif
    const fs::perms rights = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    for (const Writer& writer : kWriters) {
        TempDir dir;
        fs::create_directory(dir.path() / "real");
        WriteAll(dir.File("real/r.dat"), "old");
        fs::permissions(dir.path() / "real/r.dat", rights);
        fs::create_symlink("real/r.dat", dir.path() / "link.dat");
        ASSERT_TRUE(writer.write(dir.File("link.dat"))) << writer.name;
        EXPECT_EQ(fs::read_symlink(dir.path() / "link.dat"), "real/r.dat") << writer.name;
        EXPECT_NE(ReadAll(dir.File("real/r.dat")), "old") << writer.name;
        EXPECT_EQ(fs::status(dir.path() / "real/r.dat").permissions(), rights) << writer.name;
        EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"link.dat", "real"})) << writer.name;
        const std::set<std::string> real =
            writer.keepsBackup ? std::set<std::string>{"r.dat", "r.bak"} : std::set<std::string>{"r.dat"};
        EXPECT_EQ(FilesIn(dir.path() / "real"), real) << writer.name;
        if (writer.keepsBackup) {
            EXPECT_EQ(ReadAll(dir.File("real/r.bak")), "old") << writer.name;
        }
    }
}

TEST(SafeWrite, DottedNamesKeepBackupsOfTheirOwnAndNoOtherFileIsTouched) {
    for (const auto& [path, backup] : {std::pair{"/t/T.v2.asc", "/t/T.v2.bak"},
                                       {"Dunes.asc", "Dunes.bak"},
                                       {"/my.dir/terrain", "/my.dir/terrain.bak"},
                                       {".hills", ".hills.bak"}})
        EXPECT_EQ(BackupPathOf(path), backup);

    TempDir dir;
    WriteAll(dir.File("T.out"), "someone's own file");  // the old shared temporary name
    for (const std::string version : {"1", "2"})
        for (const std::string save : {"a", "b"})
            ASSERT_TRUE(WriteFileWithBackup(dir.File("T.v" + version + ".asc"), version + save));
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"T.out", "T.v1.asc", "T.v1.bak", "T.v2.asc", "T.v2.bak"}));
    EXPECT_EQ(ReadAll(dir.File("T.v1.bak")), "1a");
    EXPECT_EQ(ReadAll(dir.File("T.v2.bak")), "2a");
    EXPECT_EQ(ReadAll(dir.File("T.v2.asc")), "2b");
    EXPECT_EQ(ReadAll(dir.File("T.out")), "someone's own file");
}

// A full disk at any point leaves the previous file whole (the log too, which was once rewritten in
// place) and no temporary behind.
TEST(SafeWrite, AFailedWriteKeepsThePreviousFileAndSaysWhy) {
    TempDir dir;
    const std::string target = dir.File("T.asc");
    for (const Writer& writer : kWriters) {
        for (std::int64_t failAfter : {0, 5}) {
            WriteAll(target, "previous");
            test::FailWritesAfter diskFull(failAfter);
            EXPECT_EQ(writer.write(target).message(), "Cannot write " + target + ": No space left on device")
                << writer.name;
            EXPECT_EQ(ReadAll(target), "previous") << writer.name;
            EXPECT_EQ(FilesIn(dir), std::set<std::string>{"T.asc"}) << writer.name;
        }
    }
}

// The reason is the system's own, taken when the call failed; a message says
// where the new data is only when it is there.
TEST(SafeWrite, FailedRenamesGiveTheirOwnReason) {
    TempDir dir;
    const std::string target = dir.File("T.asc"), backup = dir.File("T.bak");
    WriteAll(target, "previous");
    fs::create_directories(dir.path() / "T.bak" / "kept");
#if defined(_WIN32)
    // Windows words it its own way (and Wine its own); the file stays as it was.
    const std::string kept = WriteFileWithBackup(target, "new").message();
    EXPECT_EQ(kept.rfind("Cannot keep the previous " + target + " as " + backup + ": ", 0), 0u) << kept;
    EXPECT_EQ(ReadAll(target), "previous");
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"T.asc", "T.bak"}));
    GTEST_SKIP() << "no file name is too long for a rename but not for creating its temporary beside it";
#endif
    EXPECT_EQ(WriteFileWithBackup(target, "new").message(),
              "Cannot keep the previous " + target + " as " + backup + ": Is a directory");
    EXPECT_EQ(ReadAll(target), "previous");
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"T.asc", "T.bak"}));

    const std::string longName = dir.File("a." + std::string(300, 'x'));
    const std::string message = WriteFileWithBackup(longName, "new data").message();
    const std::string stays = " (the new data stays in ";
    const std::size_t at = message.find(stays);
    ASSERT_NE(at, std::string::npos) << message;
    const std::string temporary = message.substr(at + stays.size(), message.size() - at - stays.size() - 1);
    EXPECT_EQ(message,
              "Cannot rename " + temporary + " to " + longName + ": File name too long" + stays + temporary + ")");
    EXPECT_EQ(ReadAll(temporary), "new data");
    EXPECT_EQ(fs::path(temporary).parent_path(), dir.path());
}

}  // namespace
}  // namespace gw
