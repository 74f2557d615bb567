// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// A contestant's turn as the operator drives it: typed names, Enter, ticks with SPACE held
// and released, Esc, and the summary screen.
#include "core/LevelDynamics.h"
#include "core/MeterCore.h"
#include "support/NameLists.h"
#include "support/TickLimit.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};
constexpr TickInput kSpaceUp{.listening = true, .spaceDown = false};
constexpr TickInput kHeldWithoutFocus{.listening = false, .spaceDown = true};

void type(MeterCore& meter, const std::string& text)
{
    for (char c : text)
        meter.onChar(static_cast<unsigned char>(c));
}

void startTurn(MeterCore& meter, const std::string& name)
{
    type(meter, name);
    meter.onChar(MeterCore::kEnter);
}

void ticks(MeterCore& meter, int count, TickInput input)
{
    for (int i = 0; i < count; ++i)
        meter.tick(input);
}

using ovatron::test::Rows;

Rows table(const MeterCore& meter)
{
    return ovatron::test::rowsOf(meter.leagueTable());
}

TEST(MeterTurn, StartsInNameEntryWithTheTableAndInMeasuringWithout)
{
    MeterCore withTable(1, 1);
    EXPECT_EQ(withTable.state(), MeterState::NameEntry);
    EXPECT_EQ(withTable.currentIndex(), -1);
    MeterCore withoutTable(0, 1);
    EXPECT_EQ(withoutTable.state(), MeterState::Measuring);
    EXPECT_EQ(withoutTable.level(), 0);
    EXPECT_EQ(withoutTable.peak(), 0);
}

TEST(MeterTurn, TypingBuildsTheNameAndBackspaceRemovesTheLastCharacter)
{
    MeterCore meter(1, 1);
    EXPECT_FALSE(meter.onChar(MeterCore::kBackspace));  // nothing to remove
    type(meter, "Ana B");
    EXPECT_EQ(meter.typedName(), brio::BRString("Ana B"));
    EXPECT_TRUE(meter.onChar(MeterCore::kBackspace));
    EXPECT_EQ(meter.typedName(), brio::BRString("Ana "));
    EXPECT_TRUE(meter.onChar('~'));
    EXPECT_TRUE(meter.onChar(' '));
    EXPECT_EQ(meter.typedName(), brio::BRString("Ana ~ "));
}

TEST(MeterTurn, ControlCharactersAreIgnoredAndEveryOtherCharacterIsTakenInNameEntryOnly)
{
    MeterCore meter(1, 1);
    for (int code : {0, 7, 9, 10, 31, 127, 128, 0x9F, 0xD83D, 0x10000, -1}) {
        EXPECT_FALSE(meter.onChar(code)) << code;
    }
    EXPECT_TRUE(meter.typedName().empty());
    for (int code : {0xE9, 0x20AC, 0x5D0}) {
        EXPECT_TRUE(meter.onChar(code)) << code;
    }
    EXPECT_TRUE(meter.onText(brio::BRString(u"\U0001F600\u0301")));
    EXPECT_FALSE(meter.onText(brio::BRString(u"\t\r\n")));
    EXPECT_EQ(meter.typedName(), brio::BRString(u"\u00E9\u20AC\u05D0\U0001F600\u0301"));
    meter.onChar(MeterCore::kEscape);
    startTurn(meter, "Ana");
    EXPECT_FALSE(meter.onChar('x'));
    EXPECT_FALSE(meter.onText(brio::BRString(u"é")));
    EXPECT_FALSE(meter.onChar(MeterCore::kBackspace));
    EXPECT_TRUE(meter.typedName().empty());
}

TEST(MeterTurn, EnterOnAnEmptyNameDoesNothing)
{
    MeterCore meter(1, 1);
    EXPECT_FALSE(meter.onChar(MeterCore::kEnter));
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
    EXPECT_EQ(meter.leagueTable().count(), 0);
}

TEST(MeterTurn, EnterStartsTheContestantWithoutRepaintingAndTheFirstTickRepaints)
{
    MeterCore meter(1, 1);
    type(meter, "Ana");
    EXPECT_FALSE(meter.onChar(MeterCore::kEnter));
    EXPECT_EQ(meter.state(), MeterState::Measuring);
    EXPECT_TRUE(meter.typedName().empty());
    EXPECT_EQ(meter.currentIndex(), 0);
    EXPECT_EQ(table(meter), (Rows{{"Ana", 0}}));
    EXPECT_TRUE(meter.tick(kSpaceUp));  // every tick in Measuring repaints, even with no change
}

TEST(MeterTurn, HoldingSpaceClimbsByThreeThenTwoThenOneAndStopsAtOneHundred)
{
    MeterCore meter(1, 1);
    startTurn(meter, "Ana");
    std::vector<int> levels;
    for (int i = 0; i < 75; ++i) {
        meter.tick(kSpaceHeld);
        levels.push_back(meter.level());
    }
    const std::vector<int> start(levels.begin(), levels.begin() + 10);
    EXPECT_EQ(start, (std::vector<int>{3, 6, 9, 12, 15, 18, 21, 23, 25, 27}));
    EXPECT_EQ(levels[20], 49);
    EXPECT_EQ(levels[21], 51);
    EXPECT_EQ(levels[22], 52);
    EXPECT_EQ(levels[70], 100);  // 71 ticks from 0 to 100
    EXPECT_EQ(levels[69], 99);
    EXPECT_EQ(levels[74], 100);
    EXPECT_EQ(meter.peak(), 100);
    EXPECT_EQ(table(meter), (Rows{{"Ana", 100}}));
}

TEST(MeterTurn, ReleasingSpaceLetsTheLevelSinkToZeroWhileThePeakStays)
{
    MeterCore meter(1, 1);
    startTurn(meter, "Ana");
    for (int tick = 0; meter.level() < 40; ++tick) {
        ASSERT_LT(tick, ovatron::test::kTickLimit) << "the level never reached 40";
        meter.tick(kSpaceHeld);
    }
    ASSERT_EQ(meter.level(), 41);  // 39 + 2
    meter.tick(kSpaceUp);
    EXPECT_EQ(meter.level(), 40);
    ticks(meter, 39, kSpaceUp);
    EXPECT_EQ(meter.level(), 1);
    ticks(meter, 5, kSpaceUp);
    EXPECT_EQ(meter.level(), 0);
    EXPECT_EQ(meter.peak(), 41);
    EXPECT_EQ(table(meter), (Rows{{"Ana", 41}}));
}

TEST(MeterTurn, SpaceCountsAsReleasedWhileTheMeterDoesNotHaveTheFocus)
{
    MeterCore meter(1, 1);
    startTurn(meter, "Ana");
    ticks(meter, 5, kSpaceHeld);
    ASSERT_EQ(meter.level(), 15);
    meter.tick(kHeldWithoutFocus);
    EXPECT_EQ(meter.level(), 14);
    EXPECT_EQ(meter.peak(), 15);
}

TEST(MeterTurn, TicksOutsideMeasuringDoNothingAndAskForNoRepaint)
{
    MeterCore meter(1, 1);
    EXPECT_FALSE(meter.tick(kSpaceHeld));
    EXPECT_EQ(meter.level(), 0);
    startTurn(meter, "Ana");
    ticks(meter, 3, kSpaceHeld);
    EXPECT_TRUE(meter.onChar(MeterCore::kEnter));
    ASSERT_EQ(meter.state(), MeterState::Summary);
    EXPECT_FALSE(meter.tick(kSpaceHeld));
    EXPECT_EQ(meter.level(), 9);  // frozen on the summary screen
    EXPECT_EQ(meter.peak(), 9);
    EXPECT_EQ(meter.currentIndex(), 0);
}

// The clock sleeps whenever a tick could change nothing: at every level of a turn, with
// each input, in each state, a tick changes something exactly when tickCanChange says so.
TEST(MeterTurn, ATickChangesSomethingExactlyWhenTickCanChangeSaysSo)
{
    const TickInput inputs[] = {kSpaceHeld, kSpaceUp, kHeldWithoutFocus};
    // A meter cannot be copied: each trial replays the turn so far on a meter of its own.
    std::vector<TickInput> history;
    const auto replayed = [&history]() {
        auto meter = std::make_unique<MeterCore>(1, 1);
        startTurn(*meter, "Ana");
        for (const TickInput input : history)
            meter->tick(input);
        return meter;
    };
    const auto changedByTick = [&](TickInput input) {
        const auto meter = replayed();
        const int level = meter->level();
        const int peak = meter->peak();
        const Rows before = table(*meter);
        meter->tick(input);
        return meter->level() != level || meter->peak() != peak || table(*meter) != before;
    };
    bool restedAtTop = false;
    bool restedAtBottom = false;
    for (const TickInput climb : {kSpaceUp, kSpaceHeld}) {
        history.clear();
        for (int tick = 0; tick < 200; tick += 3) {
            const auto meter = replayed();
            for (const TickInput input : inputs) {
                const bool can = meter->tickCanChange(input);
                EXPECT_EQ(can, changedByTick(input))
                    << "level " << meter->level() << " listening " << input.listening
                    << " space " << input.spaceDown;
                restedAtTop |= !can && meter->level() == level::kMaximum;
                restedAtBottom |= !can && meter->level() == level::kMinimum;
            }
            // SPACE as the climb has it for 90 ticks, then up; three ticks a step.
            for (int i = 0; i < 3; ++i)
                history.push_back(tick + i < 90 ? climb : kSpaceUp);
        }
    }
    EXPECT_TRUE(restedAtTop);
    EXPECT_TRUE(restedAtBottom);
    MeterCore entry(1, 1);
    EXPECT_FALSE(entry.tickCanChange(kSpaceHeld));  // name entry: no turn to tick
    startTurn(entry, "Bo");
    ticks(entry, 3, kSpaceHeld);
    entry.onChar(MeterCore::kEnter);
    ASSERT_EQ(entry.state(), MeterState::Summary);
    EXPECT_FALSE(entry.tickCanChange(kSpaceHeld));
}

TEST(MeterTurn, EnterWithoutTheSummaryScreenGoesBackToNameEntry)
{
    MeterCore meter(1, 0);
    startTurn(meter, "Ana");
    ticks(meter, 3, kSpaceHeld);
    EXPECT_TRUE(meter.onChar(MeterCore::kEnter));
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
    EXPECT_EQ(meter.level(), 0);
    EXPECT_EQ(meter.peak(), 0);
    EXPECT_EQ(meter.currentIndex(), -1);
    EXPECT_EQ(table(meter), (Rows{{"Ana", 9}}));
}

TEST(MeterTurn, EnterOnTheSummaryScreenWithNothingPreloadedGoesBackToNameEntry)
{
    MeterCore meter(1, 1);
    startTurn(meter, "Ana");
    meter.onChar(MeterCore::kEnter);
    EXPECT_TRUE(meter.onChar(MeterCore::kEnter));
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
    EXPECT_EQ(meter.currentIndex(), -1);
}

TEST(MeterTurn, EscAbandonsTheTurnButTheEntryKeepsItsScore)
{
    MeterCore meter(1, 1);
    startTurn(meter, "Ana");
    ticks(meter, 10, kSpaceHeld);
    EXPECT_TRUE(meter.onChar(MeterCore::kEscape));
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
    EXPECT_EQ(meter.currentIndex(), -1);
    EXPECT_EQ(meter.level(), 0);
    EXPECT_EQ(meter.peak(), 0);
    // The next contestant goes below, and above as soon as the score is strictly higher.
    startTurn(meter, "Ben");
    ticks(meter, 10, kSpaceHeld);
    EXPECT_EQ(table(meter), (Rows{{"Ana", 27}, {"Ben", 27}}));
    meter.tick(kSpaceHeld);
    EXPECT_EQ(table(meter), (Rows{{"Ben", 29}, {"Ana", 27}}));
    EXPECT_EQ(meter.currentIndex(), 0);
}

TEST(MeterTurn, EscInNameEntryEmptiesTheTypedName)
{
    MeterCore meter(1, 1);
    type(meter, "Ana");
    EXPECT_TRUE(meter.onChar(MeterCore::kEscape));
    EXPECT_TRUE(meter.typedName().empty());
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
}

TEST(MeterTurn, WithoutTheTableEnterAndEscOnlyResetAndNoNamesAreTaken)
{
    MeterCore meter(0, 1);
    type(meter, "Ana");
    EXPECT_TRUE(meter.typedName().empty());
    ticks(meter, 10, kSpaceHeld);
    EXPECT_EQ(meter.level(), 27);
    EXPECT_TRUE(meter.onChar(MeterCore::kEnter));
    EXPECT_EQ(meter.state(), MeterState::Measuring);
    EXPECT_EQ(meter.level(), 0);
    ticks(meter, 2, kSpaceHeld);
    EXPECT_TRUE(meter.onChar(MeterCore::kEscape));
    EXPECT_EQ(meter.state(), MeterState::Measuring);
    EXPECT_EQ(meter.peak(), 0);
    EXPECT_EQ(meter.leagueTable().count(), 0);
}

TEST(MeterTurn, TwoContestantsWithTheSameNameGetTwoEntries)
{
    MeterCore meter(1, 0);
    startTurn(meter, "Ana");
    meter.onChar(MeterCore::kEnter);
    startTurn(meter, "Ana");
    EXPECT_EQ(table(meter), (Rows{{"Ana", 0}, {"Ana", 0}}));
    EXPECT_EQ(meter.currentIndex(), 1);
}

TEST(MeterTurn, AHugeNameIsKeptWhole)
{
    MeterCore meter(1, 1);
    const std::string name(100000, 'n');
    startTurn(meter, name);
    EXPECT_EQ(meter.leagueTable().entry(0).name.length(), 100000);
}

TEST(LevelDynamics, OneTickFromEachBoundaryOfTheSteps)
{
    // Stop-start applause lands on 20 and 50 exactly: the larger step ends below them.
    struct Step {
        int from;
        bool rising;
        int to;
    };
    const Step steps[] = {
        {19, true, 22}, {20, true, 22}, {49, true, 51},  {50, true, 51},
        {99, true, 100}, {100, true, 100}, {0, false, 0}, {1, false, 0},
    };
    for (const Step& step : steps)
        EXPECT_EQ(level::next(step.from, step.rising), step.to)
            << step.from << (step.rising ? " rising" : " falling");
}

TEST(LevelDynamics, StepsNeverCarryTheLevelPastTheTop)
{
    for (int l = 0; l <= 100; ++l)
        EXPECT_LE(level::next(l, true), 100) << l;
}

}  // namespace
