// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "core/Interfaces.h"
#include "core/piece/PieceFile.h"
#include "core/piece/RangeOps.h"
#include "core/piece/ShiftCells.h"
#include "support/CliProcess.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::CliRun;
using test::FilesIn;
using test::RunCli;
using test::TempDir;

PieceGrid Read(const std::string& path) {
    PieceGrid grid;
    PieceReadReport report = ReadPieceFile(path, grid);
    EXPECT_TRUE(report.opened) << report.opened.message();
    EXPECT_EQ(report.verticesStored, 289) << path;
    return grid;
}

const std::string& Sample() {
    static const std::string path = test::SamplePiecePath();
    return path;
}

TEST(EditCli, RangeIsAnchorCellThenMovingCornerAndWithoutItTheWholeGrid) {
    TempDir dir;
    const CliRun result =
        RunCli("edit " + Sample() + " -o " + dir.File("outN.asc") + " --range 2,3,4,5 --set 7 --displace -2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, dir.File("outN.asc") + "\n");
    EXPECT_EQ(result.out, "");
    const PieceGrid before = Read(Sample());
    const PieceGrid after = Read(dir.File("outN.asc"));
    for (int r = 1; r <= 17; ++r) {
        for (int c = 1; c <= 17; ++c) {
            const bool inside = c >= 2 && c <= 4 && r >= 3 && r <= 5;
            EXPECT_EQ(after.Z(c, r), inside ? 5 : before.Z(c, r)) << c << "," << r;
        }
    }
    EXPECT_NE(test::ReadAll(dir.File("outN.asc")).find("Named Object: \"outN\"\r\n"), std::string::npos);

    ASSERT_EQ(RunCli("edit " + Sample() + " --set 3 -o " + dir.File("flat.asc")).status, 0);
    const PieceGrid flat = Read(dir.File("flat.asc"));
    for (int r = 1; r <= 17; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_EQ(flat.Z(c, r), 3);
}

TEST(EditCli, OperationsRunInTheOrderGivenAsTheEditorRunsThem) {
    TempDir dir;
    const CliRun result =
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

TEST(PieceSetCli, KindAndNameFromTheFileNameOrTheOptions) {
    struct Case {
        std::string inputName, options;
        std::set<std::string> files;
    };
    const Case cases[] = {
        {"tabletopN.asc", "", {"tabletopN.asc", "tabletopW.asc", "tabletopS.asc", "tabletopE.asc"}},
        {"bumpns.asc", "", {"bumpNS.asc", "bumpEW.asc"}},
        {"flat.asc", "", {"flatN.asc", "flatW.asc", "flatS.asc", "flatE.asc"}},
        {"flat.asc", "--kind nsew", {"flatNSEW.asc"}},
        {"tabletopN.asc", "--kind NS --name ramp", {"rampNS.asc", "rampEW.asc"}},
        {"hillN.ASC", "--name ridge", {"ridgeN.ASC", "ridgeW.ASC", "ridgeS.ASC", "ridgeE.ASC"}},
    };
    for (const Case& c : cases) {
        TempDir source, target;
        std::filesystem::copy_file(Sample(), source.File(c.inputName));
        const CliRun result =
            RunCli("piece-set " + source.File(c.inputName) + " -o " + target.path().string() + " " + c.options);
        ASSERT_EQ(result.status, 0) << c.inputName << " " << c.options << ": " << result.err;
        EXPECT_EQ(FilesIn(target), c.files) << c.inputName << " " << c.options;
        EXPECT_EQ(static_cast<std::size_t>(std::count(result.err.begin(), result.err.end(), '\n')), c.files.size());
    }
}

TEST(PieceOpsCli, ExitStatusAndOneLineErrors) {
    TempDir dir;
    const std::string in = "edit " + Sample() + " -o " + dir.File("o.asc");
    const std::string set = "piece-set " + Sample() + " -o " + dir.path().string();
    struct Case {
        std::string arguments;
        int status;
        std::string errorPart;
    };
    const Case cases[] = {
        {"edit", 2, "expected a piece file"},
        {"edit " + Sample() + " --set 1", 2, "expected -o OUT.asc"},
        {in, 2, "expected at least one operation"},
        {"edit " + Sample() + " " + Sample() + " -o " + dir.File("o.asc") + " --set 1", 2, "expected one piece file"},
        {in + " --range 1,2,3 --set 1", 2, "--range needs four grid numbers"},
        {in + " --range 0,1,2,3 --set 1", 2, "--range needs four grid numbers"},
        {in + " --range 1,2,3,18 --set 1", 2, "--range needs four grid numbers"},
        {"edit " + Sample() + " -o " + dir.File("o.out") + " --set 1", 2, "may not end in .out or .bak"},
        {in + " --set 1 --range 1,1,3,4 --rotate", 1,
         "gridwright-cli edit: Unable to rotate range.  Range must be same height and width.\n"},
        {"edit /nonexistent/pieceN.asc -o " + dir.File("o.asc") + " --set 1", 1,
         "Cannot open /nonexistent/pieceN.asc: No such file"},
        {"edit " + Sample() + " -o /nonexistent/o.asc --set 1", 1,
         "Cannot write /nonexistent/o.asc: No such file or directory"},
        {"piece-set", 2, "expected a piece file"},
        {"piece-set " + Sample(), 2, "expected -o DIR"},
        {set + " --name a/b", 2, "--name needs a file name"},
        {"piece-set " + Sample() + " -o " + dir.File("missing"), 1, "is not an existing folder"},
        {"piece-set /nonexistent/pieceN.asc -o " + dir.path().string(), 1, "Cannot open /nonexistent/pieceN.asc"},
    };
    for (const Case& c : cases) {
        const CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_NE(result.err.find(c.errorPart), std::string::npos) << c.arguments << ": " << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << c.arguments << ": " << result.err;
    }
    EXPECT_TRUE(FilesIn(dir).empty());
}

}  // namespace
}  // namespace gw
