// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The meter with the microphone as its input: the level goes toward what the room measures
// by the keyboard's own steps, and the turn, the peak and the table work as with SPACE.
#include "core/LevelDynamics.h"
#include "core/MenuRules.h"
#include "core/MeterCore.h"

#include <gtest/gtest.h>

namespace {

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};
constexpr TickInput kSpaceUp{.listening = true, .spaceDown = false};

void startTurn(MeterCore& meter, char name)
{
    meter.onChar(name);
    meter.onChar(MeterCore::kEnter);
}

// Ticks with the room at `level` until the meter shows it; how many it took.
int ticksToReach(MeterCore& meter, int level, TickInput keys = kSpaceUp)
{
    int count = 0;
    while (meter.level() != level && count < 1000) {
        meter.tick(keys, level);
        ++count;
    }
    return count;
}

TEST(LevelToward, StepsTowardTheTargetNeverPastIt)
{
    struct Step {
        int from;
        int target;
        int to;
    };
    const Step steps[] = {
        {0, 100, 3},  {19, 100, 22}, {20, 100, 22}, {49, 100, 51}, {50, 100, 51},
        {99, 100, 100}, {0, 2, 2},   {48, 49, 49},  {30, 30, 30},  {30, 0, 29},
        {100, 0, 99}, {1, 0, 0},     {0, 0, 0},     {60, 59, 59},
    };
    for (const Step& step : steps)
        EXPECT_EQ(level::toward(step.from, step.target), step.to)
            << step.from << " toward " << step.target;
}

TEST(LevelToward, RisesAsFastAsSpaceHeldAndSinksAsFastAsSpaceUp)
{
    for (int from = 0; from < 100; ++from) {
        EXPECT_EQ(level::toward(from, 100), level::next(from, true)) << from;
        EXPECT_EQ(level::toward(from + 1, 0), level::next(from + 1, false)) << from;
    }
}

TEST(MicrophoneTurn, TheRoomSetsTheScoreAndSpaceAddsNothingAndSilenceSinks)
{
    // Same room, with and without SPACE held and with and without the focus: same turn.
    const TickInput inputs[] = {kSpaceUp, kSpaceHeld, {.listening = false, .spaceDown = true}};
    for (const TickInput& keys : inputs) {
        MeterCore meter(1, 1);
        startTurn(meter, 'A');
        EXPECT_EQ(ticksToReach(meter, 70, keys), 41);  // 7 steps of 3, 15 of 2, 19 of 1
        for (int i = 0; i < 10; ++i)
            meter.tick(keys, 70);
        EXPECT_EQ(meter.level(), 70);
        EXPECT_EQ(meter.peak(), 70);
        ASSERT_EQ(meter.leagueTable().count(), 1);
        EXPECT_EQ(meter.leagueTable().entry(0).score, 70);
        // Silence: the level sinks by one a tick, the score stays.
        EXPECT_EQ(ticksToReach(meter, 0), 70);
        EXPECT_EQ(meter.leagueTable().entry(0).score, 70);
    }
}

TEST(MicrophoneTurn, WithoutTheTableTheMeterFollowsTheRoomAlways)
{
    MeterCore meter(0, 1);
    ASSERT_EQ(meter.state(), MeterState::Measuring);
    ticksToReach(meter, 20);
    EXPECT_EQ(ticksToReach(meter, 10), 10);
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
