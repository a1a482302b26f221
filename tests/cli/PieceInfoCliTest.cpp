// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/CliProcess.h"

namespace {

using gw::test::CliRun;
using gw::test::RunCli;

TEST(PieceInfoCli, PrintsTheGridRowsAsTheEditorShowsThem) {
    const CliRun result = RunCli("piece-info " + gw::test::SamplePiecePath());
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::string> lines;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 17u);
    const auto row = [](const std::string& cell) {
        std::string text = cell;
        for (int i = 1; i < 17; ++i) text += "\t" + cell;
        return text;
    };
    // Tabletop sample: row 17 (Y 0) is ground, rows 7..10 hold the flat top at 4.5.
    EXPECT_EQ(lines[0], row(" 0"));
    EXPECT_EQ(lines[8], row(" 4.5"));             // j = 8, grid row 9
    EXPECT_EQ(lines[12].substr(0, 5), " 1.5\t");  // j = 4, grid row 13: first ramp step
}

TEST(PieceInfoCli, ExitStatusAndOneLineErrors) {
    struct Case {
        std::string arguments;
        int status;
        const char* errorPart;
    };
    const Case cases[] = {
        {"", 2, "Usage"},
        {"frobnicate", 2, "unknown verb 'frobnicate'"},
        {"piece-info", 2, "expected one piece file"},
        {"piece-info a.asc b.asc", 2, "expected one piece file"},
        {"piece-info /nonexistent/pieceN.asc", 1, "Cannot open /nonexistent/pieceN.asc: No such file"},
    };
    for (const auto& c : cases) {
        const CliRun result = RunCli(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_NE(result.err.find(c.errorPart), std::string::npos) << c.arguments << ": " << result.err;
    }
    EXPECT_EQ(RunCli("--version").out, "gridwright-cli 1.0.0\n");
}

}  // namespace
