// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// How the main window comes up from what was stored when it last closed.
#include "core/PlacementPlan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<WindowRect> kOneScreen{{0, 0, 1920, 1050}};

StoredPlacement stored(int x, int y, int w, int h, int state)
{
    return {x, y, w, h, state};
}

TEST(PlacementPlan, NothingStoredGivesTheWindowSystemsChoiceInTheNormalState)
{
    const PlacementPlan plan = planPlacement(stored(0, 0, 0, 0, 0), false, kOneScreen);
    EXPECT_FALSE(plan.useStoredRect);
    EXPECT_EQ(plan.showState, kShowNormal);
    EXPECT_FALSE(plan.fullScreen);
}

TEST(PlacementPlan, ANormalOrMaximisedWindowComesBackWhereItWas)
{
    const PlacementPlan normal = planPlacement(stored(100, 80, 800, 600, kShowNormal), false, kOneScreen);
    EXPECT_TRUE(normal.useStoredRect);
    EXPECT_EQ(normal.rect.x, 100);
    EXPECT_EQ(normal.rect.y, 80);
    EXPECT_EQ(normal.rect.width, 800);
    EXPECT_EQ(normal.rect.height, 600);
    EXPECT_EQ(normal.showState, kShowNormal);

    const PlacementPlan maximised = planPlacement(stored(100, 80, 800, 600, kShowMaximised), false, kOneScreen);
    EXPECT_TRUE(maximised.useStoredRect);
    EXPECT_EQ(maximised.showState, kShowMaximised);
}

TEST(PlacementPlan, AnUnknownStateIsIgnoredUnlessFullScreenModeIsOn)
{
    EXPECT_FALSE(planPlacement(stored(100, 80, 800, 600, 0), false, kOneScreen).useStoredRect);
    EXPECT_FALSE(planPlacement(stored(100, 80, 800, 600, kShowMinimised), false, kOneScreen).useStoredRect);
    const PlacementPlan fullScreen = planPlacement(stored(100, 80, 800, 600, 0), true, kOneScreen);
    EXPECT_TRUE(fullScreen.useStoredRect);
    EXPECT_TRUE(fullScreen.fullScreen);
}

TEST(PlacementPlan, FullScreenModeComesBackEvenWithoutAStoredSize)
{
    const PlacementPlan plan = planPlacement(stored(0, 0, 0, 0, 0), true, kOneScreen);
    EXPECT_TRUE(plan.fullScreen);
    EXPECT_FALSE(plan.useStoredRect);
}

TEST(PlacementPlan, ARectangleOffEveryScreenFallsBackButKeepsTheShowState)
{
    // The projector on the right has gone.
    const PlacementPlan plan = planPlacement(stored(2000, 100, 800, 600, kShowMaximised), false, kOneScreen);
    EXPECT_FALSE(plan.useStoredRect);
    EXPECT_EQ(plan.showState, kShowMaximised);
    const std::vector<WindowRect> twoScreens{{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
    EXPECT_TRUE(planPlacement(stored(2000, 100, 800, 600, kShowMaximised), false, twoScreens).useStoredRect);
}

TEST(PlacementPlan, ANegativeOrEmptySizeFallsBack)
{
    EXPECT_FALSE(planPlacement(stored(100, 100, -800, 600, kShowNormal), false, kOneScreen).useStoredRect);
    EXPECT_FALSE(planPlacement(stored(100, 100, 800, -1, kShowNormal), false, kOneScreen).useStoredRect);
    EXPECT_EQ(planPlacement(stored(100, 100, -800, 600, kShowNormal), false, kOneScreen).showState, kShowNormal);
}

TEST(PlacementPlan, AWindowNeedsAGraspableCornerOnAScreen)
{
    EXPECT_TRUE(isReachable({1900 - kMinimumVisible + 20, 10, 400, 300}, kOneScreen));
    EXPECT_FALSE(isReachable({1920 - kMinimumVisible + 1, 10, 400, 300}, kOneScreen));
    EXPECT_FALSE(isReachable({-400, -300, 400, 300}, kOneScreen));
    EXPECT_TRUE(isReachable({10, 10, 20, 20}, kOneScreen));  // a tiny window wholly on screen
    EXPECT_FALSE(isReachable({2147483000, 10, 2000, 300}, kOneScreen));  // no overflow
    EXPECT_FALSE(isReachable({10, 10, 400, 300}, {}));
}

}  // namespace
