// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of outside data refuses what is not a regular file, and a file
// larger than its kind may be, with the path and the reason; none waits on a
// FIFO or reads /dev/zero for ever.
#include <gtest/gtest.h>

#include <functional>

#include "core/convert/BuildNational.h"
#include "core/image/TgaFile.h"
#include "core/piece/PieceFile.h"
#include "core/terrain/Asc257File.h"
#include "core/trackfiles/ProfileFile.h"
#include "core/trackfiles/TrackFiles.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::TempDir;

TEST(SpecialFiles, EveryReaderRefusesThemWithThePathAndTheReason) {
    TempDir dir;
    NullStatusSink quiet;
    const std::string target = dir.File("target");
    PieceGrid piece;
    ProfileDocument document;
    RgbImage image;
    struct Reader {
        const char* name;
        ReadCap cap;
        std::function<std::string(const std::string& path)> read;
    };
    const Reader readers[] = {
        {"piece file", kPieceFileCap,
         [&](const std::string& path) { return ReadPieceFile(path, piece).opened.message(); }},
        {"piece skeleton", kPieceFileCap,
         [&](const std::string& path) {
             return WritePieceFile({path, target, "t"}, PieceGrid()).message();
         }},
        {"terrain", kTerrainFileCap,
         [&](const std::string& path) {
             NationalGrid grid;
             grid.At(3, 3) = 3;
             const NationalGrid before = grid;
             const Asc257ReadResult result = ReadASC257(path, grid, quiet);
             EXPECT_EQ(result.end, Asc257ReadEnd::CannotRead);
             EXPECT_EQ(grid, before) << "an unreadable terrain changes nothing";
             return result.message;
         }},
        {"terrain skeleton", kTerrainFileCap,
         [&](const std::string& path) {
             return WriteASC257({path, target, "t"}, NationalGrid(), quiet).message();
         }},
        {"track description", kTrackFileCap,
         [&](const std::string& path) { return ProfileDocument::Load(path, document).message(); }},
        {"stock file", kStockFileCap,
         [&](const std::string& path) { return CopyFileReplacing(path, target).message(); }},
        {"TGA image", kTgaFileCap, [&](const std::string& path) { return ReadTgaFile(path, image).message(); }},
        {"a piece named in a .TER", kPieceFileCap,
         [&](const std::string& path) {
             test::WriteAll(dir.File("t.ter"),
                            "[ElevationData]\r\nElevationPath=\r\n[ElevationFile_1]\r\nName=" + path + "\r\n");
             NationalGrid grid;
             const NationalBuild build = BuildNationalFromTer(dir.File("t.ter"), "0", "1", grid, quiet);
             return build.notAdded.empty() ? std::string() : build.notAdded.front().reason;
         }},
    };
    int made = 0;
    for (const Reader& reader : readers) {
        for (test::SpecialKind kind : test::kSpecialKinds) {
            const test::SpecialFile file =
                MakeSpecialFile(kind, dir.File("special" + std::to_string(++made)), reader.cap);
            const std::string message = reader.read(file.path);
            EXPECT_NE(message.find("Cannot read " + file.path + ": " + file.reason), std::string::npos)
                << reader.name << ": " << message;
        }
    }
    EXPECT_FALSE(test::Exists(target));
}

}  // namespace
}  // namespace gw
