// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/EditorState.h"
#include "core/terrain/ClearAsc257.h"
#include "core/terrain/Statistics.h"
#include "core/text/NumberText.h"
#include "support/CaseTable.h"
#include "support/RecordingStatusSink.h"

namespace gw {
namespace {

using RecordingStatus = test::RecordingStatusSink;

NationalGrid Filled(double value) {
    NationalGrid grid;
    grid.values.assign(grid.values.size(), value);
    return grid;
}

double At(const NationalGrid& grid, int x, int y) { return grid.At(x + 128, y + 128); }

TEST(Statistics, LinesOfKnownTerrains) {
    NationalGrid hill = Filled(2);
    hill.At(128, 128) = 66051;                        // raises the sum by 66,049: average 3
    for (int i = 0; i < 257; ++i) hill.At(i, 0) = 6;  // bottom row
    const std::vector<std::tuple<const char*, NationalGrid, std::array<std::string, 4>>> cases = {
        {"cleared", NationalGrid(), {"Minimum Z:  0", "Maximum Z:  0", "Average Z:  0", "Average Z on edge:  0"}},
        {"five everywhere", Filled(5), {"Minimum Z:  5", "Maximum Z:  5", "Average Z:  5", "Average Z on edge:  5"}},
        {"all above 1000",
         Filled(1500),
         {"Minimum Z:  1000", "Maximum Z:  1500", "Average Z:  1500", "Average Z on edge:  1500"}},
        {"all below -1", Filled(-3), {"Minimum Z: -3", "Maximum Z: -1", "Average Z: -3", "Average Z on edge: -3"}},
        {"a hill and a raised border row",
         hill,
         {"Minimum Z:  2", "Maximum Z:  66051", "Average Z:  " + PaddedNumberText(3 + 257 * 4 / 66049.0).substr(1),
          "Average Z on edge:  3.00390625"}},
    };
    for (const auto& [name, grid, lines] : cases)
        EXPECT_EQ(StatisticsLines(ComputeASC257Statistics(grid)), lines) << name;
    EXPECT_EQ(DefaultEdgeValueText(ComputeASC257Statistics(hill)), " 3.00390625");
    EXPECT_EQ(DefaultPointsText(), " 10");
}

TEST(Statistics, SlopeTenPointsTowardsZero) {
    NationalGrid grid = Filled(20);
    RecordingStatus status;
    EXPECT_TRUE(SlopeASC257Edges(" 0", " 10", grid, status));
    EXPECT_EQ(status.texts, std::vector<std::string>{"Slope Edges Done"});
    for (const test::CaseRow& c : test::ReadCaseTable("core/slope-ten-points.txt"))
        EXPECT_EQ(PaddedNumberText(At(grid, std::stoi(c[0]), std::stoi(c[1]))), c[2]) << c[0] << ", " << c[1];
}

TEST(Statistics, SlopeBandWidths) {
    for (const test::CaseRow& c : test::ReadCaseTable("core/slope-bands.txt")) {
        NationalGrid grid = Filled(10);
        RecordingStatus status;
        SlopeASC257Edges("0", c[0], grid, status);
        std::istringstream rows(c[1]);
        int y = 0;
        double height = 0;
        while (rows >> y >> height) EXPECT_DOUBLE_EQ(At(grid, 0, y), height) << c[0] << " row " << y;
    }
}

TEST(Statistics, SlopeEdgeCases) {
    RecordingStatus status;
    // One point: only the outermost lines change, each exactly to the edge.
    NationalGrid one = Filled(2);
    SlopeASC257Edges("5", "1", one, status);
    for (int k = -128; k <= 128; ++k)
        EXPECT_EQ((std::array{At(one, k, -128), At(one, k, 128), At(one, -128, k), At(one, 128, k)}),
                  (std::array<double, 4>{5, 5, 5, 5}))
            << k;
    EXPECT_EQ(At(one, -127, -127), 2);

    // Zero or no number: nothing changes, no status.
    status.texts.clear();
    for (const char* none : {"0", "", "abc", "-0"}) {
        NationalGrid grid = Filled(3);
        EXPECT_FALSE(SlopeASC257Edges("9", none, grid, status));
        EXPECT_EQ(grid, Filled(3));
    }
    EXPECT_TRUE(status.texts.empty());

    // An edge that is not a number is 0.
    NationalGrid noEdge = Filled(3);
    SlopeASC257Edges("edge", "1", noEdge, status);
    EXPECT_EQ(At(noEdge, 0, -128), 0);

    // Wide bands overlap; huge ones end and leave ordinary numbers.
    for (const char* wide : {"200", "257", "300", "1e9", "1e300"}) {
        NationalGrid grid = Filled(8);
        SlopeASC257Edges("4", wide, grid, status);
        for (double v : grid.values) ASSERT_TRUE(v >= 4 && v <= 8) << wide << ": " << v;
        EXPECT_EQ(At(grid, 0, -128), 4) << wide;
    }
}

TEST(ClearAsc257, ZeroesTheTerrainAndForgetsItsTrack) {
    TerrainContent terrain{Filled(4), "/tracks/dunes.ter", "/terrains/base.asc", "/terrains/base.asc"};
    ClearASC257(terrain);
    EXPECT_EQ(terrain, (TerrainContent{NationalGrid(), "", "", "/terrains/base.asc"}));
}

}  // namespace
}  // namespace gw
