// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "support/RecordingConfig.h"
#include "support/SettingsFileAccess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using brio::BRString;
using ovatron::test::RecordingConfig;
using ovatron::test::writeSettingsFile;

namespace {

using Names = std::vector<std::string>;

}  // namespace

// --- Loading ----------------------------------------------------------------------------

TEST(DisplaySettingsLoad, EmptyStoreGivesTheDefaults)
{
    RecordingConfig config;
    const DisplaySettings settings = loadDisplaySettings(config);
    EXPECT_EQ(settings.fontName, BRString("Comic Sans MS"));
    EXPECT_EQ(settings.fontSize, 240);
    EXPECT_EQ(settings.fontStyle, 1);
    EXPECT_EQ(settings.fontColor, 0x00000000u);
    EXPECT_TRUE(settings.useLeagueTable);
    EXPECT_TRUE(settings.showSummaryScreen);
    EXPECT_EQ(settings.backgroundColor, 0x00FFFFFFu);
}

TEST(DisplaySettingsLoad, ReadsTheSevenKeysInTheirFixedOrder)
{
    RecordingConfig config;
    loadDisplaySettings(config);
    EXPECT_EQ(config.reads, (Names{"FontName", "FontColor", "FontStyle", "FontSize",
                                   "UseLeagueTable", "ShowSummaryScreen", "BackgroundColor"}));
    EXPECT_TRUE(config.writes.empty());
}

TEST(DisplaySettingsLoad, StoredValuesAreTakenUnchecked)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nUseLeagueTable=5\nShowSummaryScreen=-1\n"
                                  "FontSize=0\nFontStyle=255\nFontName=No Such Font\n"
                                  "FontColor=16777216\n"));
    RecordingConfig config;
    const DisplaySettings settings = loadDisplaySettings(config);
    EXPECT_TRUE(settings.useLeagueTable);
    EXPECT_TRUE(settings.showSummaryScreen);
    EXPECT_EQ(settings.fontSize, 0);
    EXPECT_EQ(settings.fontStyle, 255);
    EXPECT_EQ(settings.fontName, BRString("No Such Font"));
    EXPECT_EQ(settings.fontColor, 0x01000000u);
}

TEST(DisplaySettingsLoad, UnusableValueFallsBackAloneToItsDefault)
{
    ASSERT_TRUE(writeSettingsFile("[General]\nFontSize=big\nFontStyle=2\n"
                                  "BackgroundColor=99999999999\n"));
    RecordingConfig config;
    const DisplaySettings settings = loadDisplaySettings(config);
    EXPECT_EQ(settings.fontSize, 240);
    EXPECT_EQ(settings.fontStyle, 2);
    EXPECT_EQ(settings.backgroundColor, 0x00FFFFFFu);
}

// An equal turn's length: whole seconds 0..60; anything else is a turn until Enter, and the
// file keeps what it holds.
TEST(TurnSettingsLoad, OnlyWholeSecondsUpToAMinuteAreTaken)
{
    const struct {
        const char* stored;
        int seconds;
    } cases[] = {{"10", 10}, {"0", 0}, {"60", 60}, {"61", 0}, {"-1", 0}, {"ten", 0}, {"", 0}};
    for (const auto& c : cases) {
        const QByteArray file = QByteArray("[General]\nTurnSeconds=") + c.stored + "\n";
        ASSERT_TRUE(writeSettingsFile(file));
        RecordingConfig config;
        EXPECT_EQ(loadTurnSeconds(config), c.seconds) << "stored: " << c.stored;
        EXPECT_EQ(ovatron::test::readSettingsFile(), file) << "stored: " << c.stored;
    }
}

// --- Storing ----------------------------------------------------------------------------

TEST(DisplaySettingsStore, FontIsWrittenNameSizeStyleColourInThatOrder)
{
    RecordingConfig config;
    storeFont(config, "Arial", 105, 6, 0x00123456);
    EXPECT_EQ(config.writes, (Names{"FontName", "FontSize", "FontStyle", "FontColor"}));
}

TEST(DisplaySettingsStore, EachToggleAndColourWritesOnlyItsOwnKey)
{
    RecordingConfig config;
    storeUseLeagueTable(config, 0);
    storeShowSummaryScreen(config, 1);
    storeBackgroundColor(config, 0x00ABCDEF);
    EXPECT_EQ(config.writes, (Names{"UseLeagueTable", "ShowSummaryScreen", "BackgroundColor"}));
}

TEST(DisplaySettingsStore, StoredSettingsAreLoadedInALaterRun)
{
    {
        RecordingConfig earlierRun;
        storeFont(earlierRun, "Arial Black", 105, 6, 0x00123456);
        storeUseLeagueTable(earlierRun, 0);
        storeShowSummaryScreen(earlierRun, 5);
        storeBackgroundColor(earlierRun, 0x00ABCDEF);
    }
    ASSERT_TRUE(ovatron::test::startLaterRun());
    RecordingConfig laterRun;
    const DisplaySettings settings = loadDisplaySettings(laterRun);
    EXPECT_EQ(settings.fontName, BRString("Arial Black"));
    EXPECT_EQ(settings.fontSize, 105);
    EXPECT_EQ(settings.fontStyle, 6);
    EXPECT_EQ(settings.fontColor, 0x00123456u);
    EXPECT_FALSE(settings.useLeagueTable);
    EXPECT_TRUE(settings.showSummaryScreen);
    EXPECT_EQ(settings.backgroundColor, 0x00ABCDEFu);
}

TEST(DisplaySettingsStore, ColoursWithTheTopBitSetRoundTrip)
{
    RecordingConfig config;
    storeFont(config, "Arial", 240, 1, 0xFFFFFFFFu);
    storeBackgroundColor(config, 0x80000001u);
    ASSERT_TRUE(ovatron::test::startLaterRun());
    const DisplaySettings settings = loadDisplaySettings(config);
    EXPECT_EQ(settings.fontColor, 0xFFFFFFFFu);
    EXPECT_EQ(settings.backgroundColor, 0x80000001u);
}

// --- Font arithmetic --------------------------------------------------------------------

TEST(FontStyleBits, BoldOnlyAboveNormalWeight)
{
    EXPECT_EQ(fontStyleBits(0, false, false), 0);
    EXPECT_EQ(fontStyleBits(400, false, false), 0);
    EXPECT_EQ(fontStyleBits(401, false, false), 1);
    EXPECT_EQ(fontStyleBits(600, false, false), 1);
    EXPECT_EQ(fontStyleBits(700, false, false), 1);
    EXPECT_EQ(fontStyleBits(900, false, false), 1);
}

TEST(FontStyleBits, ItalicAndUnderlineAddTheirBits)
{
    EXPECT_EQ(fontStyleBits(400, true, false), 2);
    EXPECT_EQ(fontStyleBits(400, false, true), 4);
    EXPECT_EQ(fontStyleBits(700, true, false), 3);
    EXPECT_EQ(fontStyleBits(700, true, true), 7);
}

TEST(FontSizes, StoredTenthsBecomePoints)
{
    EXPECT_DOUBLE_EQ(fontPointSize(240), 24.0);
    EXPECT_DOUBLE_EQ(fontPointSize(105), 10.5);
    EXPECT_DOUBLE_EQ(fontPointSize(0), 0.0);
    EXPECT_DOUBLE_EQ(fontPointSize(-5), -0.5);
}

TEST(FontSizes, SizeOutsideOneToAThousandPointsIsDrawnAtTheNearest)
{
    const struct {
        double points;
        double drawn;
    } cases[] = {
        {24.0, 24.0},   {1.0, 1.0},       {0.9, 1.0},       {0.0, 1.0},
        {-0.5, 1.0},    {999.9, 999.9},   {1000.0, 1000.0}, {1000.1, 1000.0},
        {214748364.7, 1000.0}, {-214748364.8, 1.0}, {std::nan(""), 1.0},
    };
    for (const auto& [points, drawn] : cases)
        EXPECT_DOUBLE_EQ(drawnFontPoints(points), drawn) << points;
}

TEST(FontSizes, DialogStartsAtTheWholePointsTruncatedTowardZero)
{
    EXPECT_EQ(dialogStartPoints(24.0), 24);
    EXPECT_EQ(dialogStartPoints(10.5), 10);
    EXPECT_EQ(dialogStartPoints(10.99), 10);
    EXPECT_EQ(dialogStartPoints(0.95), 0);
    EXPECT_EQ(dialogStartPoints(-0.5), 0);
    EXPECT_EQ(dialogStartPoints(-10.5), -10);
}

TEST(FontSizes, DialogStartOfAnAbsurdSizeStaysInRange)
{
    EXPECT_EQ(dialogStartPoints(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(dialogStartPoints(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(dialogStartPoints(std::nan("")), 0);
}
