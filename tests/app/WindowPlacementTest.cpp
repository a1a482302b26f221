#include <gtest/gtest.h>

#include "app/WindowPlacement.h"

namespace gw {
namespace {

TEST(WindowPlacement, KeyIsTheCaptionBeforeItsFirstDashOrColon) {
    const std::pair<const char*, const char*> cases[] = {
        {"Gridwright", "Gridwright"},
        {"Gridwright - /tracks/bumpN.asc", "Gridwright"},
        {"Gridwright - C:\\tracks\\bumpN.asc", "Gridwright"},
        {"About Gridwright", "About Gridwright"},
        {"Display 3D", "Display 3D"},
        {"Current Range: (0:24)", "Current Range"},
        {"  Set Curve  ", "Set Curve"},
    };
    for (const auto& [caption, key] : cases) EXPECT_EQ(PlacementKey(caption), key) << caption;
}

TEST(WindowPlacement, CentringAndStoredTexts) {
    EXPECT_EQ(CenteredEdgeTwips(19200, 16200), 1500);  // 3000 twips narrower: left edge 1500
    EXPECT_EQ(CenteredEdgeTwips(19200, 19200), 0);
    EXPECT_EQ(CenteredEdgeTwips(19200, 25000), 0);
    EXPECT_EQ(CenteredEdgeTwips(19201, 19200), 0.5);
    EXPECT_EQ(TwipsText(1200), "1200");
    EXPECT_EQ(TwipsText(7.5), "7.5");
    EXPECT_EQ(TwipsText(-15), "-15");
}

}  // namespace
}  // namespace gw
