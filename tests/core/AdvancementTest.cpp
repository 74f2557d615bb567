// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Advancing from earlier rounds: the best of each, ties at the cut, the clap-off that settles
// them, and a tie for first place.
#include "core/rounds/Advancement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using rounds::RunningOrder;
using rounds::TieRule;

using Names = std::vector<std::string>;

rounds::RoundStandings round(const char* name, std::vector<rounds::Standing> rows)
{
    return rounds::RoundStandings{brio::BRString::fromUtf8(name), std::move(rows)};
}

rounds::Standing row(const char* name, int score, std::optional<int> clapOff = std::nullopt)
{
    return rounds::Standing{brio::BRString::fromUtf8(name), score, clapOff};
}

Names utf8(const std::vector<brio::BRString>& names)
{
    Names result;
    for (const brio::BRString& name : names)
        result.push_back(name.toUtf8());
    return result;
}

const rounds::RoundStandings kHeat1 =
    round("Heat 1", {row("Ana", 80), row("Ben", 60), row("Cy", 40), row("Dee", 20)});
const rounds::RoundStandings kHeat2 =
    round("Heat 2", {row("Eve", 70), row("Fay", 55), row("Gus", 55), row("Hal", 10)});
const rounds::RoundStandings kAllTied =
    round("Heat 3", {row("Ida", 50), row("Jo", 50), row("Kim", 50)});
const rounds::RoundStandings kSettled =
    round("Heat 2", {row("Eve", 70), row("Fay", 55, 30), row("Gus", 55, 64), row("Hal", 10)});

struct AdvanceCase {
    const char* what;
    std::vector<rounds::RoundStandings> from;
    int best;
    TieRule ties;
    RunningOrder order;
    Names names;          // the new running order
    Names tiedNames;      // the first tie reported, if any
    std::size_t tieCount;
};

class Advancing : public testing::TestWithParam<AdvanceCase> {};

TEST_P(Advancing, TakesTheBestOfEachRoundOrReportsTheTie)
{
    const AdvanceCase& c = GetParam();
    const rounds::Advancement result = rounds::advance(c.from, c.best, c.ties, c.order);
    EXPECT_EQ(utf8(result.names), c.names) << c.what;
    ASSERT_EQ(result.ties.size(), c.tieCount) << c.what;
    if (c.tieCount > 0) {
        EXPECT_EQ(utf8(result.ties.front().names), c.tiedNames) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Advancing,
    testing::Values(
        AdvanceCase{"best two of a heat without ties", {kHeat1}, 2, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {"Ana", "Ben"}, {}, 0},
        AdvanceCase{"heats in order, best first within each", {kHeat1, kSettled}, 2,
                    TieRule::Refuse, RunningOrder::RoundsInOrder, {"Ana", "Ben", "Eve", "Gus"},
                    {}, 0},
        AdvanceCase{"reversed for the final's drama", {kHeat1, kSettled}, 2, TieRule::Refuse,
                    RunningOrder::Reversed, {"Gus", "Eve", "Ben", "Ana"}, {}, 0},
        AdvanceCase{"a tie at the cut makes nothing", {kHeat1, kHeat2}, 2, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {}, {"Fay", "Gus"}, 1},
        AdvanceCase{"a shared place takes everyone tied", {kHeat1, kHeat2}, 2, TieRule::Share,
                    RunningOrder::RoundsInOrder, {"Ana", "Ben", "Eve", "Fay", "Gus"}, {}, 0},
        AdvanceCase{"a tie above the cut is no tie at the cut", {kHeat2}, 3, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {"Eve", "Fay", "Gus"}, {}, 0},
        AdvanceCase{"ties in two heats are both reported", {kHeat2, kAllTied}, 2,
                    TieRule::Refuse, RunningOrder::RoundsInOrder, {}, {"Fay", "Gus"}, 2},
        AdvanceCase{"all tied: the whole round is tied", {kAllTied}, 1, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {}, {"Ida", "Jo", "Kim"}, 1},
        AdvanceCase{"all tied and shared: all go on", {kAllTied}, 1, TieRule::Share,
                    RunningOrder::RoundsInOrder, {"Ida", "Jo", "Kim"}, {}, 0},
        AdvanceCase{"fewer contestants than N: the whole round", {kAllTied}, 5, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {"Ida", "Jo", "Kim"}, {}, 0},
        AdvanceCase{"best 0 takes nobody", {kHeat1}, 0, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {}, {}, 0},
        AdvanceCase{"an empty round gives nobody", {round("Heat 4", {})}, 2, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {}, {}, 0},
        AdvanceCase{"a name in two rounds goes on once",
                    {kHeat1, round("Under 12s", {row("Ben", 90), row("Zoe", 30)})}, 2,
                    TieRule::Refuse, RunningOrder::RoundsInOrder, {"Ana", "Ben", "Zoe"}, {}, 0},
        AdvanceCase{"equal scores at the cut of two heats are no tie between heats",
                    {round("Heat 1", {row("Ana", 60), row("Ben", 50), row("Cy", 10)}),
                     round("Heat 2", {row("Dee", 60), row("Eve", 50), row("Fay", 20)})},
                    2, TieRule::Refuse, RunningOrder::RoundsInOrder,
                    {"Ana", "Ben", "Dee", "Eve"}, {}, 0},
        AdvanceCase{"a tie in the second heat only is reported for it",
                    {kHeat1, round("Heat 2", {row("Eve", 70), row("Fay", 55), row("Gus", 55)})},
                    2, TieRule::Refuse, RunningOrder::RoundsInOrder, {}, {"Fay", "Gus"}, 1},
        AdvanceCase{"ties shared across heats, reversed", {kHeat2, kAllTied}, 2, TieRule::Share,
                    RunningOrder::Reversed, {"Kim", "Jo", "Ida", "Gus", "Fay", "Eve"}, {}, 0},
        AdvanceCase{"all tied below N: the whole round, no tie", {kAllTied}, 3, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {"Ida", "Jo", "Kim"}, {}, 0},
        AdvanceCase{"fewer than N in one heat, N in the other", {kAllTied, kHeat1}, 4,
                    TieRule::Refuse, RunningOrder::RoundsInOrder,
                    {"Ida", "Jo", "Kim", "Ana", "Ben", "Cy", "Dee"}, {}, 0},
        AdvanceCase{"a clap-off settles the cut", {kSettled}, 2, TieRule::Refuse,
                    RunningOrder::RoundsInOrder, {"Eve", "Gus"}, {}, 0},
        AdvanceCase{"a clap-off tied again is still a tie",
                    {round("Heat 2", {row("Fay", 55, 40), row("Gus", 55, 40), row("Hal", 10)})},
                    1, TieRule::Refuse, RunningOrder::RoundsInOrder, {}, {"Fay", "Gus"}, 1}));

TEST(TieForFirst, NamesEveryoneSharingTheTopUntilAClapOffSetsThemApart)
{
    EXPECT_FALSE(rounds::tieForFirst(kHeat1));
    EXPECT_FALSE(rounds::tieForFirst(round("Empty", {})));
    EXPECT_FALSE(rounds::tieForFirst(round("One", {row("Ana", 0)})));

    const auto tie = rounds::tieForFirst(kAllTied);
    ASSERT_TRUE(tie);
    EXPECT_EQ(tie->round.toUtf8(), "Heat 3");
    EXPECT_EQ(utf8(tie->names), (Names{"Ida", "Jo", "Kim"}));

    // A clap-off between two of the three: the third, unmeasured, still ties with both.
    const auto partly =
        rounds::tieForFirst(round("Final", {row("Ida", 50, 70), row("Jo", 50, 60), row("Kim", 40)}));
    EXPECT_FALSE(partly);
}

TEST(RankedWithClapOff, OrdersOnlyTheTiedAndKeepsTheOrderOfEntryOtherwise)
{
    const std::vector<rounds::Standing> ranked = rounds::rankedWithClapOff(
        {row("Ana", 80), row("Fay", 55, 30), row("Gus", 55, 64), row("Cy", 55), row("Hal", 10)});
    Names names;
    for (const rounds::Standing& standing : ranked)
        names.push_back(standing.name.toUtf8());
    EXPECT_EQ(names, (Names{"Ana", "Gus", "Fay", "Cy", "Hal"}));
}

}  // namespace
