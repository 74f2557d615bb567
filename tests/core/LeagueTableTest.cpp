// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The league table: best first, ties never overtake, and the current entry followed as it
// moves up.
#include "core/LeagueTable.h"
#include "support/NameLists.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using ovatron::test::Rows;

Rows rows(const LeagueTable& table)
{
    return ovatron::test::rowsOf(table);
}

// Starts each contestant and lets the score rise to the given value, in order.
void fill(LeagueTable& table, const Rows& entries)
{
    for (const auto& [name, score] : entries) {
        const int index = table.startContestant(brio::BRString::fromUtf8(name));
        table.moveCurrentEntryUp(index, score);
    }
}

TEST(LeagueTable, ANewContestantGoesToTheEndWithScoreZero)
{
    LeagueTable table;
    fill(table, {{"Ana", 60}, {"Ben", 40}});
    EXPECT_EQ(table.startContestant("Cal"), 2);
    EXPECT_EQ(rows(table), (Rows{{"Ana", 60}, {"Ben", 40}, {"Cal", 0}}));
}

TEST(LeagueTable, ATieStaysBelowAndOnePointMoreOvertakes)
{
    LeagueTable table;
    fill(table, {{"Ana", 60}, {"Ben", 40}});
    const int cal = table.startContestant("Cal");
    EXPECT_EQ(table.moveCurrentEntryUp(cal, 40), 2);
    EXPECT_EQ(rows(table), (Rows{{"Ana", 60}, {"Ben", 40}, {"Cal", 40}}));
    EXPECT_EQ(table.moveCurrentEntryUp(cal, 41), 1);
    EXPECT_EQ(rows(table), (Rows{{"Ana", 60}, {"Cal", 41}, {"Ben", 40}}));
}

TEST(LeagueTable, AnEntryCanPassSeveralEntriesInOneStep)
{
    LeagueTable table;
    fill(table, {{"Ben", 21}, {"Dee", 20}, {"Eve", 19}, {"Cal", 18}});
    EXPECT_EQ(table.moveCurrentEntryUp(3, 21), 1);
    EXPECT_EQ(rows(table), (Rows{{"Ben", 21}, {"Cal", 21}, {"Dee", 20}, {"Eve", 19}}));
}

TEST(LeagueTable, TheTopEntryStaysOnTop)
{
    LeagueTable table;
    fill(table, {{"Ana", 10}});
    EXPECT_EQ(table.moveCurrentEntryUp(0, 90), 0);
    EXPECT_EQ(rows(table), (Rows{{"Ana", 90}}));
}

TEST(LeagueTable, ClearKeepingLeavesTheCurrentEntryAloneAtTheTop)
{
    LeagueTable table;
    fill(table, {{"Ana", 60}, {"Ben", 50}, {"Cal", 40}, {"Dee", 30}, {"Eve", 20}});
    EXPECT_EQ(table.clearKeeping(2), 0);
    EXPECT_EQ(rows(table), (Rows{{"Cal", 40}}));
    table.clear();
    EXPECT_EQ(table.count(), 0);
}

TEST(LeagueTable, RisenPositionStopsAtTheFirstEqualOrHigherScore)
{
    const std::vector<int> scores{50, 30, 30, 10, 5};
    const auto scoreAt = [&](int i) { return scores[static_cast<std::size_t>(i)]; };
    EXPECT_EQ(risenPosition(4, 30, scoreAt), 3);
    EXPECT_EQ(risenPosition(4, 31, scoreAt), 1);
    EXPECT_EQ(risenPosition(4, 51, scoreAt), 0);
    EXPECT_EQ(risenPosition(0, 99, scoreAt), 0);
}

}  // namespace
