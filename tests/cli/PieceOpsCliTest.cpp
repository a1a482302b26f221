#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>

#include "core/Interfaces.h"
#include "core/piece/PieceFile.h"
#include "core/piece/RangeOps.h"
#include "core/piece/ShiftCells.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::TempDir;

using RunResult = gw::test::CliRun;
using gw::test::RunCli;

PieceGrid Read(const std::string& path) {
    PieceGrid grid;
    PieceReadReport report = ReadPieceFile(path, grid);
    EXPECT_TRUE(report.opened) << report.opened.message();
    EXPECT_EQ(report.verticesStored, 289) << path;
    return grid;
}

std::set<std::string> FilesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    return names;
}

const std::string& Sample() {
    static const std::string path = test::SamplePiecePath();
    return path;
}

TEST(EditCli, RangeIsAnchorCellThenMovingCornerInColumnsAndRows) {
    TempDir dir;
    const RunResult result = RunCli("edit " + Sample() + " -o " + dir.File("outN.asc") +
                                    " --range 2,3,4,5 --set 7 --displace -2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, dir.File("outN.asc") + "\n");
    const PieceGrid before = Read(Sample());
    const PieceGrid after = Read(dir.File("outN.asc"));
    for (int r = 1; r <= 17; ++r) {
        for (int c = 1; c <= 17; ++c) {
            const bool inside = c >= 2 && c <= 4 && r >= 3 && r <= 5;
            EXPECT_EQ(after.Z(c, r), inside ? 5 : before.Z(c, r)) << c << "," << r;
        }
    }
    EXPECT_NE(test::ReadAll(dir.File("outN.asc")).find("Named Object: \"outN\"\r\n"), std::string::npos);
}

TEST(EditCli, WithoutARangeTheWholeGridIsUsed) {
    TempDir dir;
    ASSERT_EQ(RunCli("edit " + Sample() + " --set 3 -o " + dir.File("flat.asc")).status, 0);
    const PieceGrid after = Read(dir.File("flat.asc"));
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_EQ(after.Z(c, r), 3);
}

TEST(EditCli, OperationsRunInTheOrderGivenAsTheEditorRunsThem) {
    TempDir dir;
    const RunResult result =
        RunCli("edit " + Sample() + " -o " + dir.File("mixN.asc") +
               " --range 5,1,1,5 --rotate --shift right --slope-cols --mirror-v --scale 0.5 --shift up"
               " --mirror-h --slope-rows --displace +1.25");
    ASSERT_EQ(result.status, 0) << result.err;
    PieceGrid expected = Read(Sample());
    const CellRange range{5, 1, 1, 5};
    NullStatusSink quiet;
    RotateRange(expected, range, quiet);
    ShiftCells(expected, ShiftDirection::Right, range);
    SlopeRange(expected, range, SlopeDirection::AlongColumns);
    MirrorRange(expected, range, MirrorAxis::TopBottom, quiet);
    AdjustRange(expected, range, AdjustMode::Scale, 0.5);
    ShiftCells(expected, ShiftDirection::Up, range);
    MirrorRange(expected, range, MirrorAxis::LeftRight, quiet);
    SlopeRange(expected, range, SlopeDirection::AlongRows);
    AdjustRange(expected, range, AdjustMode::Displace, 1.25);
    const PieceGrid after = Read(dir.File("mixN.asc"));
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_DOUBLE_EQ(after.Z(c, r), expected.Z(c, r)) << c << "," << r;
}

TEST(EditCli, WritingAgainKeepsThePreviousOutputAsItsBackup) {
    TempDir dir;
    ASSERT_EQ(RunCli("edit " + Sample() + " -o " + dir.File("bumpN.asc") + " --set 1").status, 0);
    const std::string first = test::ReadAll(dir.File("bumpN.asc"));
    ASSERT_EQ(RunCli("edit " + Sample() + " -o " + dir.File("bumpN.asc") + " --set 2").status, 0);
    EXPECT_EQ(test::ReadAll(dir.File("bumpN.bak")), first);
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"bumpN.asc", "bumpN.bak"}));
    EXPECT_EQ(Read(dir.File("bumpN.asc")).Z(9, 9), 2);
}

TEST(EditCli, RefusedRotationWritesNothing) {
    TempDir dir;
    const RunResult result =
        RunCli("edit " + Sample() + " -o " + dir.File("x.asc") + " --set 1 --range 1,1,3,4 --rotate");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "gridwright-cli edit: Unable to rotate range.  Range must be same height and width.\n");
    EXPECT_TRUE(FilesIn(dir).empty());
}

TEST(PieceSetCli, KindAndNameFromTheFileNameOrTheOptions) {
    struct Case {
        std::string inputName;
        std::string options;
        std::set<std::string> files;
    };
    const Case cases[] = {
        {"tabletopN.asc", "", {"tabletopN.asc", "tabletopW.asc", "tabletopS.asc", "tabletopE.asc"}},
        {"bumpns.asc", "", {"bumpNS.asc", "bumpEW.asc"}},
        {"domeNSEW.asc", "", {"domeNSEW.asc"}},
        {"flat.asc", "", {"flatN.asc", "flatW.asc", "flatS.asc", "flatE.asc"}},
        {"flat.asc", "--kind nsew", {"flatNSEW.asc"}},
        {"tabletopN.asc", "--kind NS --name ramp", {"rampNS.asc", "rampEW.asc"}},
        {"hillN.ASC", "--name ridge", {"ridgeN.ASC", "ridgeW.ASC", "ridgeS.ASC", "ridgeE.ASC"}},
    };
    for (const Case& c : cases) {
        TempDir source, target;
        std::filesystem::copy_file(Sample(), source.File(c.inputName));
        const RunResult result =
            RunCli("piece-set " + source.File(c.inputName) + " -o " + target.path().string() + " " + c.options);
        ASSERT_EQ(result.status, 0) << c.inputName << " " << c.options << ": " << result.err;
        EXPECT_EQ(FilesIn(target), c.files) << c.inputName << " " << c.options;
        EXPECT_EQ(static_cast<std::size_t>(std::count(result.out.begin(), result.out.end(), '\n')), c.files.size());
    }
}

TEST(PieceSetCli, TheTurnedFilesHoldTheTurnedPiece) {
    TempDir dir;
    ASSERT_EQ(RunCli("piece-set " + Sample() + " -o " + dir.path().string()).status, 0);
    const PieceGrid n = Read(dir.File("tabletopN.asc"));
    const PieceGrid w = Read(dir.File("tabletopW.asc"));
    const PieceGrid s = Read(dir.File("tabletopS.asc"));
    EXPECT_EQ(n, Read(Sample()));
    for (int r = 1; r <= 17; ++r) {
        for (int c = 1; c <= 17; ++c) {
            EXPECT_EQ(w.Z(r, 18 - c), n.Z(c, r));
            EXPECT_EQ(s.Z(18 - c, 18 - r), n.Z(c, r));
        }
    }
}

TEST(PieceOpsCli, ExitStatusAndOneLineErrors) {
    TempDir dir;
    const std::string out = " -o " + dir.File("o.asc");
    struct Case {
        std::string arguments;
        int status;
        std::string errorPart;
    };
    const Case cases[] = {
        {"edit", 2, "expected a piece file"},
        {"edit " + Sample() + " --set 1", 2, "expected -o OUT.asc"},
        {"edit " + Sample() + out, 2, "expected at least one operation"},
        {"edit " + Sample() + " " + Sample() + out + " --set 1", 2, "expected one piece file"},
        {"edit " + Sample() + out + " --set abc", 2, "--set needs a number"},
        {"edit " + Sample() + out + " --scale 1.5x", 2, "--scale needs a number"},
        {"edit " + Sample() + out + " --displace nan", 2, "--displace needs a number"},
        {"edit " + Sample() + out + " --set 1e999", 2, "--set needs a number"},
        {"edit " + Sample() + out + " --set", 2, "--set needs a number"},
        {"edit " + Sample() + out + " --shift sideways", 2, "--shift needs up, down, left or right"},
        {"edit " + Sample() + out + " --range 1,2,3 --set 1", 2, "--range needs four grid numbers"},
        {"edit " + Sample() + out + " --range 0,1,2,3 --set 1", 2, "--range needs four grid numbers"},
        {"edit " + Sample() + out + " --range 1,2,3,18 --set 1", 2, "--range needs four grid numbers"},
        {"edit " + Sample() + out + " --range 1,2,3,4,5 --set 1", 2, "--range needs four grid numbers"},
        {"edit " + Sample() + out + " --range 1,,3,4 --set 1", 2, "--range needs four grid numbers"},
        {"edit " + Sample() + out + " --range 1,2,3,4 --range 1,2,3,4 --set 1", 2, "--range given twice"},
        {"edit " + Sample() + out + " --flip", 2, "unknown option '--flip'"},
        {"edit " + Sample() + " -o " + dir.File("o.out") + " --set 1", 2, "may not end in .out or .bak"},
        {"edit /nonexistent/pieceN.asc" + out + " --set 1", 1, "Cannot open /nonexistent/pieceN.asc: No such file"},
        {"edit " + Sample() + " -o /nonexistent/o.asc --set 1", 1, "Cannot create /nonexistent/o.out"},
        {"piece-set", 2, "expected a piece file"},
        {"piece-set " + Sample(), 2, "expected -o DIR"},
        {"piece-set " + Sample() + " -o " + dir.path().string() + " --kind EW", 2, "--kind needs N, NS or NSEW"},
        {"piece-set " + Sample() + " -o " + dir.path().string() + " --name a/b", 2, "--name needs a file name"},
        {"piece-set " + Sample() + " -o " + dir.File("missing"), 1, "is not an existing folder"},
        {"piece-set /nonexistent/pieceN.asc -o " + dir.path().string(), 1, "Cannot open /nonexistent/pieceN.asc"},
    };
    for (const Case& c : cases) {
        const RunResult result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_NE(result.err.find(c.errorPart), std::string::npos) << c.arguments << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << c.arguments << ": " << result.err;
    }
    EXPECT_TRUE(FilesIn(dir).empty());
    for (const char* verb : {"edit", "piece-set"}) {
        const RunResult help = RunCli(std::string(verb) + " --help");
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind(std::string("Usage: gridwright-cli ") + verb + " PIECE.asc -o ", 0), 0u) << help.out;
    }
}

TEST(PieceOpsCli, AMissingSkeletonFailsEveryFileOfTheSet) {
    // A program folder without skelasc.txt: a copy of the tool on its own.
    TempDir program, target;
    const std::string tool = program.File("gridwright-cli");
    std::filesystem::copy_file(GRIDWRIGHT_CLI, tool);
    std::filesystem::permissions(tool, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    const std::string command = tool + " piece-set " + Sample() + " -o " + target.path().string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), got);
    const int status = pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 4) << output;
    EXPECT_NE(output.find("tabletopE.asc: The skeleton template is missing"), std::string::npos) << output;
    EXPECT_TRUE(FilesIn(target).empty());
}

}  // namespace
}  // namespace gw
