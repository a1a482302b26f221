// SPDX-License-Identifier: GPL-3.0-or-later
// The conventions every verb shares that the transcripts cannot show: options
// with their value attached or apart, -- ending the options, and "-o -".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace gw::test {
namespace {

namespace fs = std::filesystem;

// "--opt=value" is "--opt value"; after "--" a name starting with "-" is a file.
TEST(CliConventions, AttachedValuesAndDoubleDash) {
    TempDir dir;
    const std::string piece = SamplePiecePath();
    fs::copy_file(piece, dir.File("-top.asc"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const CliRun attached = RunCli("edit -q --set=2 --range=1,1,3,3 --shift=LEFT -o - -- -top.asc");
    fs::current_path(before);
    const CliRun apart = RunCli("edit " + piece + " -q --set 2 --range 1,1,3,3 --shift left -o -");
    EXPECT_EQ(attached.status, 0) << attached.err;
    EXPECT_EQ(apart.status, 0) << apart.err;
    EXPECT_FALSE(apart.out.empty());
    EXPECT_TRUE(attached.out == apart.out);
}

// "-o -" sends the file to stdout, byte for byte what the file would hold under
// the name the object line gives standard output.
TEST(CliConventions, DashWritesToStandardOutputWhereTheFormatAllows) {
    TempDir dir;
    const std::string piece = SamplePiecePath(), flat = ProgramFolder() + "/flat.asc";
    const std::string png = dir.File("m.png");
    ASSERT_EQ(RunCli("export-heightmap -q " + piece + " -o " + png).status, 0);
    const std::pair<std::string, std::string> written[] = {
        {"edit " + piece + " --set 2 -o ", "piece.asc"},
        {"import-heightmap " + png + " --size 17 -o ", "piece.asc"},
        {"slope-edges " + flat + " --points 3 --edge 1 -o ", "terrain.asc"},
        {"add-piece " + flat + " " + piece + " --at 1,1 -o ", "terrain.asc"},
        {"import-heightmap " + png + " --size 257 -o ", "terrain.asc"},
        {"dispmap " + piece + " --size 17 -o ", "map.tga"},
        {"convert " + ProgramFolder() + "/samples/Dunes/Dunes.TER --open-only --save-asc ", "terrain.asc"},
    };
    for (const auto& [command, name] : written) {
        const CliRun piped = RunCli(command + "- -q");
        const CliRun filed = RunCli(command + dir.File(name) + " -q");
        EXPECT_EQ(piped.status, 0) << command << piped.err;
        EXPECT_EQ(filed.status, 0) << command << filed.err;
        EXPECT_EQ(piped.err, "") << command;
        EXPECT_TRUE(piped.out == ReadAll(dir.File(name))) << command;
    }
    EXPECT_FALSE(Exists("-"));
}

}  // namespace
}  // namespace gw::test
