// SPDX-License-Identifier: GPL-3.0-or-later
// The conventions every verb shares: options with their value attached or
// apart, -- ending the options, strict numbers, one-line usage errors naming
// the option, status lines on stderr that -q silences, "-o -" for standard
// output, and a failed standard output reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/terrain/Asc257File.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::RunCli;
using test::TempDir;

std::string Dunes() { return test::ProgramFolder() + "/samples/Dunes/Dunes.TER"; }

TEST(CliConventions, UsageErrorsNameTheOptionOnOneLine) {
    TempDir dir;
    const std::string piece = test::SamplePiecePath(), out = dir.File("o.asc"), ter = Dunes();
    const std::string edit = "edit " + piece + " -o " + out;
    const std::string slope = "slope-edges " + piece + " -o " + out;
    const std::string convert = "convert " + ter + " -o " + dir.File("nat");
    const std::string import = "import-heightmap " + dir.File("m.png") + " -o " + out + " --size 17";
    const std::pair<std::string, std::string> cases[] = {
        {slope + " --max-z 20", "slope-edges: unknown option '--max-z'"},
        {slope + " --edge abc", "slope-edges: --edge needs a number, not 'abc'"},
        {slope + " --points xyz", "slope-edges: --points needs a number, not 'xyz'"},
        {slope + " --points=2.5", "slope-edges: --points must be a whole number from 1 to 129, not '2.5'"},
        {slope + " --points 130", "slope-edges: --points must be a whole number from 1 to 129, not '130'"},
        {convert + " --max-z foo", "convert: --max-z needs a number, not 'foo'"},
        {convert + " --max-z=0", "convert: --max-z must be above 0, not '0'"},
        {convert + " --grid-res -3", "convert: --grid-res must be above 0, not '-3'"},
        {convert + " --z-scale 1.5x", "convert: --z-scale needs a number, not '1.5x'"},
        {convert + " --z-base=", "convert: --z-base needs a number, not ''"},
        {convert + " --quarry=yes", "convert: --quarry takes no value"},
        {convert + " --frob", "convert: unknown option '--frob'"},
        {convert + " --no", "convert: '--no' is ambiguous: --no-ter, --no-scn, --no-dispmap or --no-texture"},
        {convert + " --quar=1", "convert: --quarry takes no value"},
        {"convert " + ter + " -o", "convert: -o needs a value"},
        {edit + " --set nan", "edit: --set needs a number, not 'nan'"},
        {edit + " --displace 1e999", "edit: --displace needs a number, not '1e999'"},
        {edit + " --set 1 --scale", "edit: --scale needs a value"},
        {edit + " --shift sideways", "edit: --shift must be up, down, left or right, not 'sideways'"},
        {edit + " --set 1 -o " + out, "edit: -o given twice"},
        {edit + " --range 1,1,2,2 --range=1,1,2,2 --set 1", "edit: --range given twice"},
        {"piece-set " + piece + " -o " + dir.path().string() + " --kind EW",
         "piece-set: --kind must be N, NS or NSEW, not 'EW'"},
        {"dispmap " + piece + " --size=16 -o " + out, "dispmap: --size must be 17, 257 or 513, not '16'"},
        {import + " --min foo", "import-heightmap: --min needs a number, not 'foo'"},
        {import + " --max", "import-heightmap: --max needs a value"},
        {"export-heightmap " + piece + " -x", "export-heightmap: unknown option '-x'"},
        {"add-piece " + piece + " " + piece + " --at 1,1 -o", "add-piece: -o needs a value"},
        {"texture " + ter + " --help=1", "texture: --help takes no value"},
        {"stats --quiet=no " + piece, "stats: --quiet takes no value"},
        {"piece-info -z " + piece, "piece-info: unknown option '-z'"},
    };
    for (const auto& [arguments, error] : cases) {
        const CliRun result = RunCli(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.err, "gridwright-cli " + error + " (try --help)\n") << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
    EXPECT_TRUE(test::FilesIn(dir).empty());
}

// "--opt=value" is "--opt value"; after "--" a name starting with "-" is a file.
TEST(CliConventions, AttachedValuesAndDoubleDash) {
    TempDir dir;
    const std::string piece = test::SamplePiecePath();
    fs::copy_file(piece, dir.File("-top.asc"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const CliRun dashed = RunCli("piece-info -- -top.asc");
    const CliRun attached = RunCli("edit -q --set=2 --range=1,1,3,3 --shift=LEFT -o - -- -top.asc");
    fs::current_path(before);
    const CliRun apart = RunCli("edit " + piece + " -q --set 2 --range 1,1,3,3 --shift left -o -");
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(dashed.out, RunCli("piece-info " + piece).out);
    EXPECT_EQ(attached.status, 0) << attached.err;
    EXPECT_EQ(apart.status, 0) << apart.err;
    EXPECT_FALSE(apart.out.empty());
    EXPECT_TRUE(attached.out == apart.out);
}

// Each status line goes to stderr, and -q leaves stderr empty; data stays on stdout.
TEST(CliConventions, StatusLinesGoToStderrAndQuietSilencesThem) {
    TempDir dir;
    const std::string piece = test::SamplePiecePath();
    struct Case {
        std::string arguments, status;
    };
    const Case cases[] = {
        {"edit " + piece + " --set 1 -o " + dir.File("e.asc"), dir.File("e.asc") + "\n"},
        {"dispmap " + piece + " --size 17 -o " + dir.File("d.tga"), "All Done\n"},
        {"export-heightmap " + piece + " -o " + dir.File("h.png"),
         dir.File("h.png") + ": 17 x 17, heights 0 to 4.5 as 0 to 65535\n"},
        {"piece-set " + piece + " --kind NSEW -o " + dir.path().string(), dir.File("tabletopNSEW.asc") + "\n"},
    };
    for (const Case& c : cases) {
        const CliRun loud = RunCli(c.arguments);
        EXPECT_EQ(loud.status, 0) << c.arguments;
        EXPECT_EQ(loud.err, c.status) << c.arguments;
        EXPECT_EQ(loud.out, "") << c.arguments;
        const CliRun quiet = RunCli(c.arguments + " -q");
        EXPECT_EQ(quiet.status, 0) << c.arguments;
        EXPECT_EQ(quiet.err, "") << c.arguments;
    }
    // Warnings are no status: -q keeps them.
    test::WriteAll(dir.File("words.asc"), "no vertex here\r\n");
    EXPECT_EQ(RunCli("piece-info -q " + dir.File("words.asc")).err,
              "gridwright-cli piece-info: " + dir.File("words.asc") +
                  ": it holds no vertex line, so it was read as a flat piece\n");
}

// "-o -" sends the file to stdout, byte for byte what the file would hold under
// the name the object line gives standard output; outputs that are folders or
// come with companions refuse it.
TEST(CliConventions, DashWritesToStandardOutputWhereTheFormatAllows) {
    TempDir dir;
    const std::string piece = test::SamplePiecePath(), flat = test::ProgramFolder() + "/flat.asc";
    const std::string png = dir.File("m.png");
    ASSERT_EQ(RunCli("export-heightmap -q " + piece + " -o " + png).status, 0);
    const std::pair<std::string, std::string> written[] = {
        {"edit " + piece + " --set 2 -o ", "piece.asc"},
        {"import-heightmap " + png + " --size 17 -o ", "piece.asc"},
        {"slope-edges " + flat + " --points 3 --edge 1 -o ", "terrain.asc"},
        {"add-piece " + flat + " " + piece + " --at 1,1 -o ", "terrain.asc"},
        {"import-heightmap " + png + " --size 257 -o ", "terrain.asc"},
        {"dispmap " + piece + " --size 17 -o ", "map.tga"},
        {"convert " + Dunes() + " --open-only --save-asc ", "terrain.asc"},
    };
    for (const auto& [command, name] : written) {
        const CliRun piped = RunCli(command + "- -q");
        const CliRun filed = RunCli(command + dir.File(name) + " -q");
        EXPECT_EQ(piped.status, 0) << command << piped.err;
        EXPECT_EQ(filed.status, 0) << command << filed.err;
        EXPECT_EQ(piped.err, "") << command;
        EXPECT_TRUE(piped.out == test::ReadAll(dir.File(name))) << command;
    }
    const std::pair<std::string, std::string> refused[] = {
        {"piece-set " + piece + " -o -",
         "piece-set: standard output (-) cannot take a set of files (-o names their folder)"},
        {"texture " + Dunes() + " -o -", "texture: standard output (-) cannot take a texture: its log goes beside it"},
        {"export-heightmap " + piece + " -o -",
         "export-heightmap: standard output (-) cannot take a heightmap: its format is OUT's extension"},
        {"convert " + Dunes() + " -o -", "convert: -o names the output folder, which standard output (-) cannot be"},
        {"convert " + Dunes() + " -o " + dir.File("nat") + " --save-asc -",
         "convert: --save-asc - (standard output) needs --open-only: the new .TER names the terrain's file"},
    };
    for (const auto& [arguments, error] : refused) {
        const CliRun result = RunCli(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.err, "gridwright-cli " + error + " (try --help)\n") << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
    EXPECT_FALSE(test::Exists("-"));
    EXPECT_FALSE(test::Exists(dir.File("nat")));
}

TEST(CliConventions, AFailedStandardOutputIsAnError) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no /dev/full";
#endif
    const std::string piece = test::SamplePiecePath();
    const std::pair<std::string, std::string> cases[] = {
        {"piece-info " + piece, "piece-info"},
        {"stats " + test::ProgramFolder() + "/flat.asc", "stats"},
        {"edit " + piece + " --set 1 -o -", "edit"},
        {"--version", ""},
    };
    for (const auto& [arguments, verb] : cases) {
        const CliRun result = RunCli(arguments + " >/dev/full");
        EXPECT_EQ(result.status, 1) << arguments;
        const std::string who = verb.empty() ? "gridwright-cli" : "gridwright-cli " + verb;
        EXPECT_EQ(result.err.rfind(who + ": cannot write to standard output", 0), 0u) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

// The overview lists every verb in aligned columns under "Verbs:" (the bash
// completion and the manual page read them there); no help holds a TAB.
TEST(CliConventions, HelpListsEveryVerbInAlignedColumns) {
    const CliRun overview = RunCli("--help");
    EXPECT_EQ(overview.status, 0);
    EXPECT_EQ(overview.out.find('\t'), std::string::npos);
    const std::size_t verbs = overview.out.find("\nVerbs:\n");
    ASSERT_NE(verbs, std::string::npos);
    const std::size_t summaryColumn = std::string("  export-heightmap  ").size();
    for (const std::string verb : {"piece-info", "edit", "piece-set", "dispmap", "stats", "slope-edges", "add-piece",
                                   "convert", "texture", "export-heightmap", "import-heightmap"}) {
        const std::size_t line = overview.out.find("\n  " + verb + " ", verbs);
        ASSERT_NE(line, std::string::npos) << verb;
        EXPECT_NE(overview.out[line + 1 + summaryColumn], ' ') << verb;
        EXPECT_EQ(overview.out.substr(line + 1 + summaryColumn - 2, 2), "  ") << verb;
        const CliRun help = RunCli(verb + " --help");
        EXPECT_EQ(help.status, 0) << verb;
        EXPECT_EQ(help.out.rfind("Usage: gridwright-cli " + verb + " ", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("\n  -q, --quiet "), std::string::npos) << verb;
        EXPECT_EQ(help.out.find('\t'), std::string::npos) << verb;
        EXPECT_EQ(help.err, "") << verb;
    }
}

}  // namespace
}  // namespace gw
