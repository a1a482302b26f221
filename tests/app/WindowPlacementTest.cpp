// SPDX-License-Identifier: GPL-3.0-or-later
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
    // 3000 twips narrower: left edge 1500; as wide or wider: 0.
    const std::tuple<double, double, double> centred[] = {
        {19200, 16200, 1500}, {19200, 19200, 0}, {19200, 25000, 0}, {19201, 19200, 0.5}};
    for (const auto& [screen, form, edge] : centred) EXPECT_EQ(CenteredEdgeTwips(screen, form), edge) << form;
    const std::pair<double, const char*> texts[] = {{1200, "1200"}, {7.5, "7.5"}, {-15, "-15"}};
    for (const auto& [twips, text] : texts) EXPECT_EQ(TwipsText(twips), text);
}

TEST(WindowPlacement, AWindowOffTheScreensIsBroughtBackOntoOne) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1200), QRect(1920, 0, 640, 500)};
    const std::pair<QRect, QRect> cases[] = {
        {QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},    // on a screen: left alone
        {QRect(2000, 50, 500, 400), QRect(2000, 50, 500, 400)},    // on the second screen
        {QRect(-4000, 3000, 800, 600), QRect(0, 600, 800, 600)},   // on none: onto the first
        {QRect(1800, 100, 400, 300), QRect(1920, 100, 400, 300)},  // across the seam: where most of it is
        {QRect(2100, 200, 700, 900), QRect(1920, 0, 640, 500)},    // larger than its screen: cut to it
    };
    for (const auto& [frame, placed] : cases) EXPECT_EQ(PlaceOnScreens(frame, screens), placed) << frame.x();
}

}  // namespace
}  // namespace gw
