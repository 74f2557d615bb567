// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The meter with the microphone as its input: the level shows the room's reading at once,
// and the score is the level the room held for three seconds (the 30th highest of the
// turn's readings, ten a second), whatever SPACE and the focus do.
#include "core/MenuRules.h"
#include "core/MeterCore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};
constexpr TickInput kSpaceUp{.listening = true, .spaceDown = false};
constexpr int kTicksPerSecond = MeterCore::kTicksPerSecond;

void startTurn(MeterCore& meter, char name)
{
    meter.onChar(name);
    meter.onChar(MeterCore::kEnter);
}

void hear(MeterCore& meter, int room, int ticks, TickInput keys = kSpaceUp)
{
    for (int i = 0; i < ticks; ++i)
        meter.tick(keys, room);
}

TEST(MicrophoneTurn, TheLevelShowsTheRoomAtOnceAndTheScoreWaitsForThreeSeconds)
{
    // Same room, with and without SPACE held and with and without the focus: same turn.
    const TickInput inputs[] = {kSpaceUp, kSpaceHeld, {.listening = false, .spaceDown = true}};
    for (const TickInput& keys : inputs) {
        MeterCore meter(true, true);
        startTurn(meter, 'A');
        meter.tick(keys, 70);
        EXPECT_EQ(meter.level(), 70);
        EXPECT_EQ(meter.peak(), 0);
        // 29 readings: one short of three seconds.
        hear(meter, 70, 29 * 5 - 1, keys);
        EXPECT_EQ(meter.peak(), 0);
        EXPECT_EQ(meter.leagueTable().entry(0).score, 0);
        meter.tick(keys, 70);  // the 30th reading
        EXPECT_EQ(meter.peak(), 70);
        EXPECT_EQ(meter.leagueTable().entry(0).score, 70);
        // Silence: the level falls at once, the score stays.
        meter.tick(keys, 0);
        EXPECT_EQ(meter.level(), 0);
        hear(meter, 0, 5 * kTicksPerSecond, keys);
        EXPECT_EQ(meter.peak(), 70);
        EXPECT_EQ(meter.leagueTable().entry(0).score, 70);
    }
}

TEST(MicrophoneTurn, TheScoreIsTheLevelHeldForThreeSecondsInAll)
{
    struct Part {
        int room;
        int seconds10;  // tenths of a second
    };
    struct Case {
        const char* what;
        std::vector<Part> parts;
        int score;
    };
    const Case cases[] = {
        {"a one-second scream alone", {{100, 10}, {0, 50}}, 0},
        {"a scream on top of steady applause", {{40, 50}, {100, 10}, {40, 50}}, 40},
        {"three seconds loud in three pieces", {{80, 10}, {10, 20}, {80, 10}, {10, 20}, {80, 10}}, 80},
        {"applause that grows", {{30, 30}, {60, 30}, {90, 20}}, 60},
        {"a reading over the scale counts as full", {{130, 40}}, 100},
    };
    for (const Case& c : cases) {
        MeterCore meter(true, true);
        startTurn(meter, 'A');
        for (const Part& part : c.parts)
            hear(meter, part.room, part.seconds10 * 5);
        EXPECT_EQ(meter.peak(), c.score) << c.what;
        EXPECT_EQ(meter.leagueTable().entry(0).score, c.score) << c.what;
        EXPECT_EQ(heldLevelOf(meter.currentCurve().readings), c.score) << c.what;
    }
}

TEST(MicrophoneTurn, AnEqualTurnCountsTheReadingsOfItsWindowOnly)
{
    // The window opens when the room first reads above 0 and holds seconds x 10 readings:
    // three seconds of steady applause are exactly the 30 the score needs.
    for (const int seconds : {3, 10}) {
        MeterCore meter(true, false);
        meter.setTurnSeconds(seconds);
        startTurn(meter, 'A');
        hear(meter, 0, 2 * kTicksPerSecond);  // the room waits; no window yet
        int ticks = 0;
        while (meter.state() == MeterState::Measuring && ticks < 100 * kTicksPerSecond) {
            meter.tick(kSpaceUp, 55);
            ++ticks;
        }
        SCOPED_TRACE(seconds);
        EXPECT_EQ(meter.state(), MeterState::NameEntry);
        ASSERT_EQ(meter.curvesOf(0).size(), 1u);
        const TurnCurve& curve = meter.curvesOf(0).front();
        EXPECT_EQ(curve.readings.size(), std::size_t(seconds * curve::kReadingsPerSecond));
        EXPECT_EQ(std::count(curve.readings.begin(), curve.readings.end(), 55),
                  std::ptrdiff_t(curve.readings.size()));
        EXPECT_EQ(meter.leagueTable().entry(0).score, 55);
    }
}

TEST(MicrophoneTurn, WithoutTheTableTheMeterFollowsTheRoomAlways)
{
    MeterCore meter(false, true);
    ASSERT_EQ(meter.state(), MeterState::Measuring);
    hear(meter, 20, 3 * kTicksPerSecond);
    hear(meter, 10, 1);
    EXPECT_EQ(meter.level(), 10);
    EXPECT_EQ(meter.peak(), 20);
    EXPECT_EQ(meter.leagueTable().count(), 0);
}

TEST(MicrophoneMenuRules, TheInputItemIsCheckedWhileTheMicrophoneMeasures)
{
    const MeterCore meter(false, true);
    for (const bool inUse : {false, true}) {
        const CommandContext context{meter, false, inUse};
        EXPECT_EQ(commandState(Command::UseMicrophone, context),
                  (CommandState{.enabled = true, .checked = inUse}));
        EXPECT_EQ(commandState(Command::MicrophoneSettings, context),
                  (CommandState{.enabled = true, .checked = false}));
    }
}

}  // namespace
