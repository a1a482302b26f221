// SPDX-License-Identifier: GPL-3.0-or-later
// What the tool says of input that is not what it should be: a device or a
// FIFO where a file belongs, a file without a vertex line, a terrain cut short,
// heights that overflow, a track whose pieces lie off the terrain, and paths
// with doubled separators. A warning is one line on stderr naming the verb.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "core/terrain/Asc257File.h"
#include "support/CliProcess.h"
#include "support/SpecialFiles.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::RunCli;

void WriteTerrain(const std::string& path, double height) {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), height);
    NullStatusSink quiet;
    const Asc257SaveNames names = MakeAsc257SaveNames(path);
    ASSERT_TRUE(WriteASC257({test::Skeleton257Path(), names.target, names.objectName}, grid, quiet));
}

// The sample track copied to folder, its .TER's lines changed by the pattern.
std::string TrackCopy(const std::string& folder, const std::string& pattern, const std::string& replacement) {
    fs::copy(test::ProgramFolder() + "/samples/Dunes", folder, fs::copy_options::recursive);
    const std::string ter = test::Native(folder + "/Dunes.TER");
    test::WriteAll(ter, std::regex_replace(test::ReadAll(ter), std::regex(pattern), replacement));
    return ter;
}

TEST(BadInputCli, RefusalsAndWarningsAreOneLineEach) {
    test::TempDir dir;
    test::WriteAll(dir.File("words.asc"), "no vertex here\r\n");
    test::WriteAll(dir.File("cut.asc"),
                   "Vertex 0: X: -128 Y: -128 Z: 1\r\nVertex 1: X: -127 Y: -128 Z: 1\r\nVertex 2:");
    WriteTerrain(dir.File("huge.asc"), 1e308);
    const std::string piece = test::SamplePiecePath();
    const std::string offTerrain = TrackCopy(dir.File("off"), "BaseX=\\d+", "BaseX=9999");
    const std::string flatPiece = TrackCopy(dir.File("flat"), "Name=BermN.asc", "Name=words.asc");
    test::WriteAll(dir.File("flat/words.asc"), "no vertex here\r\n");
    const std::string overflow = " cells keep their height: the new height would not be a finite number\n";
    struct Case {
        std::string arguments;
        int status;
        std::string error;
    };
    const Case cases[] = {
        {"piece-info " + dir.File("words.asc"), 0,
         "gridwright-cli piece-info: " + dir.File("words.asc") +
             ": it holds no vertex line, so it was read as a flat piece\n"},
        {"stats " + dir.File("cut.asc"), 0,
         "gridwright-cli stats: " + dir.File("cut.asc") +
             ": the file ends inside its vertex list (cut short?); 2 of 66049 heights were read\n"},
        {"add-piece " + dir.File("huge.asc") + " " + piece + " --at 0,0,1e308 -o " + dir.File("a.asc"), 0,
         "gridwright-cli add-piece: 256" + overflow},
        {"slope-edges " + dir.File("huge.asc") + " --edge -1e308 --points 1 -o " + dir.File("s.asc"), 0,
         "gridwright-cli slope-edges: 1028" + overflow},
        {"convert " + offTerrain + " -o " + dir.File("out1") + " --no-texture --no-dispmap -q", 1,
         "gridwright-cli convert: no piece landed on the terrain: the BaseX and BaseY of all 256 pieces place them "
         "off its grid\n"},
        {"convert " + flatPiece + " -o " + dir.File("out2") + " --no-texture --no-dispmap -q", 1,
         "gridwright-cli convert: " + dir.File("flat/words.asc") +
             ": it holds no vertex line, so it was read as a flat piece\n"},
    };
    for (const Case& c : cases) {
        const CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
    }
}

TEST(BadInputCli, DevicesAndFifosAreRefusedInOneLine) {
    if (!test::kHasFifosAndDevices) GTEST_SKIP() << "Windows has no FIFOs and no /dev/zero";
    test::TempDir dir;
    const std::string fifo = MakeSpecialFile(test::SpecialKind::Fifo, dir.File("fifoN.asc"), kPieceFileCap).path;
    const struct {
        std::string arguments;
        std::string error;
    } cases[] = {
        {"stats /dev/zero", "gridwright-cli stats: Cannot read /dev/zero: it is a device, not a regular file\n"},
        {"piece-info " + fifo,
         "gridwright-cli piece-info: Cannot read " + fifo + ": it is a FIFO, not a regular file\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, c.error) << c.arguments;
    }
}

TEST(BadInputCli, DoubledSeparatorsNameTheFilesAfterTheFile) {
    test::TempDir dir;
    fs::copy(test::ProgramFolder() + "/samples/Dunes", dir.File("Track"), fs::copy_options::recursive);
    const CliRun converted = RunCli("convert " + dir.path().string() + "//Track//Dunes.TER -o " + dir.File("out") +
                                    " --no-texture --no-dispmap");
    ASSERT_EQ(converted.status, 0) << converted.err;
    EXPECT_TRUE(test::Exists(dir.File("out/Dunes.asc")));
    EXPECT_TRUE(test::Exists(dir.File("out/Dunes.TER")));

    // Saved twice: the second keeps the first as t.bak, beside it; nothing else is touched.
    fs::create_directory(dir.File("d"));
    test::WriteAll(dir.File("d/d.bak"), "unrelated");
    for (int run = 0; run < 2; ++run) {
        const CliRun added = RunCli("add-piece " + dir.File("out/Dunes.asc") + " " + test::SamplePiecePath() +
                                    " --at 0,0 -o " + dir.File("d") + "//t.asc");
        ASSERT_EQ(added.status, 0) << added.err;
    }
    EXPECT_TRUE(test::Exists(dir.File("d/t.bak")));
    EXPECT_EQ(test::ReadAll(dir.File("d/d.bak")), "unrelated");
}

}  // namespace
}  // namespace gw
