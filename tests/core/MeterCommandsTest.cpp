// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The league-table and summary-screen commands, the preload list and the menu rules, as
// they act on the meter in each state.
#include "core/MenuRules.h"
#include "core/Command.h"
#include "core/MeterCore.h"
#include "support/NameLists.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using ovatron::test::Rows;
constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};

// The meter, checked after every step that it drives: the current contestant is a row the
// table has, or none.
class CheckedMeter : public MeterCore {
public:
    using MeterCore::MeterCore;

    bool onChar(int code) { return checked(MeterCore::onChar(code), "a key"); }
    bool tick(TickInput input) { return checked(MeterCore::tick(input), "a tick"); }
    void reset() { checked((MeterCore::reset(), true), "reset"); }
    void toggleLeagueTable() { checked((MeterCore::toggleLeagueTable(), true), "toggle table"); }
    void clearLeagueTable() { checked((MeterCore::clearLeagueTable(), true), "clear table"); }
    void toggleSummaryScreen()
    {
        checked((MeterCore::toggleSummaryScreen(), true), "toggle summary");
    }
    void restartWithPreloadList()
    {
        checked((MeterCore::restartWithPreloadList(), true), "preload restart");
    }

private:
    bool checked(bool result, const char* step) const
    {
        EXPECT_TRUE(currentIndex() == -1 || leagueTable().contains(currentIndex()))
            << "after " << step << ": current " << currentIndex() << " of "
            << leagueTable().count() << " rows";
        return result;
    }
};

Rows rows(const MeterCore& meter)
{
    return ovatron::test::rowsOf(meter.leagueTable());
}

void startTurn(CheckedMeter& meter, const std::string& name)
{
    for (char c : name)
        meter.onChar(c);
    meter.onChar(MeterCore::kEnter);
}

// Plays whole turns that end on Enter, each with the given number of ticks with SPACE held.
void playTurns(CheckedMeter& meter, const std::vector<std::pair<std::string, int>>& turns)
{
    for (const auto& [name, heldTicks] : turns) {
        startTurn(meter, name);
        for (int i = 0; i < heldTicks; ++i)
            meter.tick(kSpaceHeld);
        meter.onChar(MeterCore::kEnter);
    }
}

void preload(CheckedMeter& meter, const std::vector<std::string>& names)
{
    meter.preloadList().clear();
    for (const auto& name : names)
        meter.preloadList().add(brio::BRString::fromUtf8(name));
    meter.restartWithPreloadList();
}

TEST(ClearLeagueTable, InNameEntryEmptiesTheTableAndTheTypedName)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 3}, {"Ben", 5}});
    meter.onChar('X');
    meter.clearLeagueTable();
    EXPECT_EQ(meter.leagueTable().count(), 0);
    EXPECT_TRUE(meter.typedName().empty());
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
}

TEST(ClearLeagueTable, DuringATurnKeepsTheContestantAsTheOnlyEntry)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 30}, {"Ben", 20}, {"Cal", 10}, {"Dee", 4}});
    startTurn(meter, "Eve");
    for (int i = 0; i < 6; ++i)
        meter.tick(kSpaceHeld);
    ASSERT_EQ(meter.currentIndex(), 3);  // 18 passes Dee's 12
    meter.clearLeagueTable();
    EXPECT_EQ(rows(meter), (Rows{{"Eve", 18}}));
    EXPECT_EQ(meter.currentIndex(), 0);
    EXPECT_EQ(meter.level(), 0);
    EXPECT_EQ(meter.peak(), 0);
    EXPECT_EQ(meter.state(), MeterState::Measuring);
    // The peak restarts, so the first rise writes 3 into the kept entry.
    meter.tick(kSpaceHeld);
    EXPECT_EQ(rows(meter), (Rows{{"Eve", 3}}));
}

TEST(ClearLeagueTable, OnTheSummaryScreenKeepsTheContestantShown)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 30}});
    meter.toggleSummaryScreen();
    startTurn(meter, "Ben");
    meter.tick(kSpaceHeld);
    meter.onChar(MeterCore::kEnter);
    ASSERT_EQ(meter.state(), MeterState::Summary);
    meter.clearLeagueTable();
    EXPECT_EQ(rows(meter), (Rows{{"Ben", 3}}));
    EXPECT_EQ(meter.currentIndex(), 0);
    EXPECT_EQ(meter.state(), MeterState::Summary);
}

TEST(ClearLeagueTable, WithTheTableOffLeavesTheEntriesButResetsTheMeter)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 3}});
    meter.toggleLeagueTable();
    ASSERT_EQ(meter.useLeagueTable(), 0);
    for (int i = 0; i < 4; ++i)
        meter.tick(kSpaceHeld);
    meter.clearLeagueTable();
    EXPECT_EQ(rows(meter), (Rows{{"Ana", 9}}));
    EXPECT_EQ(meter.level(), 0);
    EXPECT_EQ(meter.peak(), 0);
}

TEST(ToggleLeagueTable, OffRunsTheMeterContinuouslyAndOnAgainStartsEmpty)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 3}});
    meter.toggleLeagueTable();
    EXPECT_EQ(meter.state(), MeterState::Measuring);
    EXPECT_EQ(meter.leagueTable().count(), 1);  // kept in memory, not shown
    meter.toggleLeagueTable();
    EXPECT_EQ(meter.useLeagueTable(), 1);
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
    EXPECT_EQ(meter.leagueTable().count(), 0);
}

TEST(ToggleLeagueTable, OffAndOnAgainDuringATurnLeavesNoCurrentContestant)
{
    CheckedMeter meter(1, 1);
    startTurn(meter, "Ana");
    meter.tick(kSpaceHeld);
    meter.toggleLeagueTable();
    meter.toggleLeagueTable();
    EXPECT_EQ(meter.currentIndex(), -1);
    startTurn(meter, "Ben");
    EXPECT_EQ(rows(meter), (Rows{{"Ben", 0}}));
}

TEST(ToggleLeagueTable, OffDuringATurnStopsUpdatingTheEntry)
{
    CheckedMeter meter(1, 1);
    startTurn(meter, "Ana");
    meter.tick(kSpaceHeld);
    meter.toggleLeagueTable();
    for (int i = 0; i < 5; ++i)
        meter.tick(kSpaceHeld);
    EXPECT_EQ(meter.level(), 15);
    EXPECT_EQ(rows(meter), (Rows{{"Ana", 3}}));
}

TEST(ToggleLeagueTable, AStoredValueOfFiveCountsAsOnAndTurnsOff)
{
    CheckedMeter meter(5, 1);
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
    meter.toggleLeagueTable();
    EXPECT_EQ(meter.useLeagueTable(), 0);
}

TEST(ToggleSummaryScreen, FlipsOnlyWhileTheTableIsInUse)
{
    CheckedMeter meter(1, 1);
    meter.toggleSummaryScreen();
    EXPECT_EQ(meter.showSummaryScreen(), 0);
    meter.toggleSummaryScreen();
    EXPECT_EQ(meter.showSummaryScreen(), 1);
    meter.toggleLeagueTable();
    meter.toggleSummaryScreen();
    EXPECT_EQ(meter.showSummaryScreen(), 1);
}

TEST(PreloadList, ConfirmingInNameEntryStartsTheFirstNameAtOnce)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Old", 3}});
    preload(meter, {"Ana", "Ben", "Cal"});
    EXPECT_EQ(rows(meter), (Rows{{"Ana", 0}}));
    EXPECT_EQ(meter.currentIndex(), 0);
    EXPECT_EQ(meter.state(), MeterState::Measuring);
    EXPECT_EQ(meter.level(), 0);
    ASSERT_EQ(meter.preloadList().size(), 2u);
    EXPECT_EQ(meter.preloadList()[0], brio::BRString("Ben"));
    EXPECT_EQ(meter.preloadList()[1], brio::BRString("Cal"));
}

TEST(PreloadList, ConfirmingDuringATurnKeepsThatContestantAboveTheFirstName)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 40}, {"Ben", 30}, {"Cal", 20}});
    startTurn(meter, "Dee");
    for (int i = 0; i < 7; ++i)
        meter.tick(kSpaceHeld);
    preload(meter, {"Eve"});
    EXPECT_EQ(rows(meter), (Rows{{"Dee", 21}, {"Eve", 0}}));
    EXPECT_EQ(meter.currentIndex(), 1);
    EXPECT_EQ(meter.preloadList().size(), 0u);
}

TEST(PreloadList, ThreeNamesAreTakenFromTheSummaryScreenAndTheFourthEnterReturnsToNameEntry)
{
    CheckedMeter meter(1, 1);
    preload(meter, {"Ana", "Ben", "Cal"});
    for (const char* expected : {"Ben", "Cal"}) {
        meter.tick(kSpaceHeld);
        meter.onChar(MeterCore::kEnter);
        ASSERT_EQ(meter.state(), MeterState::Summary);
        EXPECT_TRUE(meter.onChar(MeterCore::kEnter));
        EXPECT_EQ(meter.state(), MeterState::Measuring);
        EXPECT_EQ(meter.leagueTable().entry(meter.currentIndex()).name, brio::BRString(expected));
        EXPECT_EQ(meter.leagueTable().entry(meter.currentIndex()).score, 0);
        EXPECT_EQ(meter.level(), 0);
        EXPECT_EQ(meter.peak(), 0);
    }
    EXPECT_EQ(meter.leagueTable().count(), 3);
    meter.onChar(MeterCore::kEnter);
    meter.onChar(MeterCore::kEnter);
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
}

TEST(PreloadList, NamesStartTrimmedAndComposedLikeTypedOnes)
{
    CheckedMeter meter(1, 1);
    meter.preloadList().clear();
    meter.preloadList().add(brio::BRString(u"\u00A0Zoe\u0308\u3000"));
    meter.restartWithPreloadList();
    EXPECT_EQ(rows(meter), (Rows{{"Zoë", 0}}));
}

TEST(PreloadList, ConfirmingAnEmptyListOnlyClears)
{
    CheckedMeter meter(1, 0);
    playTurns(meter, {{"Ana", 3}});
    preload(meter, {});
    EXPECT_EQ(meter.leagueTable().count(), 0);
    EXPECT_EQ(meter.state(), MeterState::NameEntry);
}

TEST(MenuRules, FollowTheLeagueTableAndSummarySettings)
{
    CheckedMeter meter(1, 1);
    auto rule = [&](Command command) { return commandState(command, {meter}).value(); };
    EXPECT_TRUE(rule(Command::UseLeagueTable).checked);
    EXPECT_TRUE(rule(Command::ClearLeagueTable).enabled);
    EXPECT_TRUE(rule(Command::EditPreloadList).enabled);
    EXPECT_TRUE(rule(Command::ShowSummaryScreen).enabled);
    EXPECT_TRUE(rule(Command::ShowSummaryScreen).checked);
    EXPECT_TRUE(rule(Command::EditFont).enabled);

    meter.toggleLeagueTable();
    EXPECT_FALSE(rule(Command::UseLeagueTable).checked);
    EXPECT_TRUE(rule(Command::UseLeagueTable).enabled);
    EXPECT_FALSE(rule(Command::ClearLeagueTable).enabled);
    EXPECT_FALSE(rule(Command::EditPreloadList).enabled);
    EXPECT_FALSE(rule(Command::ShowSummaryScreen).enabled);
    EXPECT_TRUE(rule(Command::ShowSummaryScreen).checked);  // the stored choice, though greyed
    EXPECT_TRUE(rule(Command::EditFont).enabled);
    EXPECT_FALSE(commandState(Command::BackgroundColor, {meter}).has_value());
}

TEST(MenuRules, TheAudienceScreenItemIsCheckedWhileItsWindowIsOpen)
{
    const MeterCore meter(true, true);
    for (const bool open : {false, true}) {
        const std::optional<CommandState> state =
            commandState(Command::AudienceScreen, {meter, open});
        ASSERT_TRUE(state.has_value());
        EXPECT_EQ(*state, (CommandState{.enabled = true, .checked = open}));
    }
}

// A duel is the microphones' and starts between turns only.
TEST(MenuRules, ADuelIsOfferedWithTheMicrophoneBetweenTurns)
{
    MeterCore meter(true, false);
    const auto duel = [&](bool microphone, bool roundsMayChange) {
        return commandState(Command::Duel, {meter, false, microphone, false, false, false,
                                            roundsMayChange}).value().enabled;
    };
    EXPECT_TRUE(duel(true, true));
    EXPECT_FALSE(duel(false, true));
    EXPECT_FALSE(duel(true, false)) << "a clap-off runs";
    meter.onChar('A');
    meter.onChar(MeterCore::kEnter);
    EXPECT_FALSE(duel(true, true)) << "a turn measures";
}

}  // namespace
