// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/Interfaces.h"
#include "core/piece/PieceFile.h"
#include "core/piece/RangeOps.h"
#include "core/piece/ShiftCells.h"
#include "support/CliProcess.h"

namespace gw::test {
namespace {

PieceGrid Read(const std::string& path) {
    PieceGrid grid;
    PieceReadReport report = ReadPieceFile(path, grid);
    EXPECT_TRUE(report.opened) << report.opened.message();
    EXPECT_EQ(report.verticesStored, 289) << path;
    return grid;
}

TEST(EditCli, RangeIsAnchorCellThenMovingCorner) {
    TempDir dir;
    const CliRun result =
        RunCli("edit " + SamplePiecePath() + " -o " + dir.File("outN.asc") + " --range 2,3,4,5 --set 7 --displace -2");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, dir.File("outN.asc") + "\n");
    EXPECT_EQ(result.out, "");
    const PieceGrid before = Read(SamplePiecePath());
    const PieceGrid after = Read(dir.File("outN.asc"));
    for (int r = 1; r <= 17; ++r) {
        for (int c = 1; c <= 17; ++c) {
            const bool inside = c >= 2 && c <= 4 && r >= 3 && r <= 5;
            EXPECT_EQ(after.Z(c, r), inside ? 5 : before.Z(c, r)) << c << "," << r;
        }
    }
    EXPECT_NE(ReadAll(dir.File("outN.asc")).find("Named Object: \"outN\"\r\n"), std::string::npos);
}

TEST(EditCli, OperationsRunInTheOrderGivenAsTheEditorRunsThem) {
    TempDir dir;
    const CliRun result =
        RunCli("edit " + SamplePiecePath() + " -o " + dir.File("mixN.asc") +
               " --range 5,1,1,5 --rotate --shift right --slope-cols --mirror-v --scale 0.5 --shift up"
               " --mirror-h --slope-rows --displace +1.25");
    ASSERT_EQ(result.status, 0) << result.err;
    PieceGrid expected = Read(SamplePiecePath());
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

}  // namespace
}  // namespace gw::test
