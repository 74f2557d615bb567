// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/PlacementSettings.h"
#include "support/RecordingConfig.h"
#include "support/SettingsFileAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using ovatron::test::RecordingConfig;
using ovatron::test::writeSettingsFile;

namespace {

using Names = std::vector<std::string>;

int storedInteger(const char* key)
{
    return RecordingConfig().getRegistryInteger("", key, -99, brio::BRRegistryHive::User);
}

}  // namespace

// --- Window placement -------------------------------------------------------------------

TEST(Placement, EmptyStoreGivesZeros)
{
    RecordingConfig config;
    const StoredPlacement placement = loadPlacement(config);
    EXPECT_EQ(placement.xpos, 0);
    EXPECT_EQ(placement.ypos, 0);
    EXPECT_EQ(placement.width, 0);
    EXPECT_EQ(placement.height, 0);
    EXPECT_EQ(placement.state, 0);
}

TEST(Placement, ReadsAndWritesTheFiveKeysInTheirFixedOrder)
{
    RecordingConfig config;
    loadPlacement(config);
    savePlacement(config, 1, 2, 3, 4, kShowNormal);
    const Names order{"xpos", "ypos", "width", "height", "state"};
    EXPECT_EQ(config.reads, order);
    EXPECT_EQ(config.writes, order);
}

TEST(Placement, SavedPlacementIsLoadedInALaterRun)
{
    {
        RecordingConfig earlierRun;
        savePlacement(earlierRun, -8, 30, 1024, -600, kShowMaximised);
    }
    ASSERT_TRUE(ovatron::test::startLaterRun());
    RecordingConfig laterRun;
    const StoredPlacement placement = loadPlacement(laterRun);
    EXPECT_EQ(placement.xpos, -8);
    EXPECT_EQ(placement.ypos, 30);
    EXPECT_EQ(placement.width, 1024);
    EXPECT_EQ(placement.height, -600);
    EXPECT_EQ(placement.state, kShowMaximised);
}

TEST(Placement, MinimisedWindowIsStoredAsNormal)
{
    RecordingConfig config;
    savePlacement(config, 0, 0, 800, 600, kShowMinimised);
    EXPECT_EQ(storedInteger("state"), kShowNormal);
}

TEST(Placement, EveryOtherShowStateIsStoredUnchanged)
{
    RecordingConfig config;
    for (const int state : {0, kShowNormal, kShowMaximised, 7}) {
        savePlacement(config, 0, 0, 800, 600, state);
        EXPECT_EQ(storedInteger("state"), state);
    }
}

TEST(Placement, UnusableStoredNumbersGiveZero)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nxpos=left\nypos=12\nwidth=4294967296\n"));
    RecordingConfig config;
    const StoredPlacement placement = loadPlacement(config);
    EXPECT_EQ(placement.xpos, 0);
    EXPECT_EQ(placement.ypos, 12);
    EXPECT_EQ(placement.width, 0);
}

// --- Full-screen flag -------------------------------------------------------------------

TEST(FullScreenFlag, OffWhenNothingIsStored)
{
    RecordingConfig config;
    EXPECT_FALSE(loadFullScreenFlag(config));
    EXPECT_EQ(config.reads, Names{"fullscreen"});
}

TEST(FullScreenFlag, IsStoredAsOneOrZero)
{
    RecordingConfig config;
    storeFullScreenFlag(config, true);
    EXPECT_EQ(storedInteger("fullscreen"), 1);
    EXPECT_TRUE(loadFullScreenFlag(config));
    storeFullScreenFlag(config, false);
    EXPECT_EQ(storedInteger("fullscreen"), 0);
    EXPECT_FALSE(loadFullScreenFlag(config));
}

TEST(FullScreenFlag, AnyNonzeroStoredValueCountsAsOn)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nfullscreen=-3\n"));
    RecordingConfig config;
    EXPECT_TRUE(loadFullScreenFlag(config));
}
