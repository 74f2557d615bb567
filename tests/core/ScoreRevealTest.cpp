// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ScoreReveal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Fills the table with the scores given, in order of entry (orders 0, 1, ...), ranked best first.
void fillTable(LeagueTable& table, const std::vector<int>& scores)
{
    for (std::size_t order = 0; order < scores.size(); ++order)
        table.insertRanked(Score{std::string(1, static_cast<char>('A' + order)).c_str(),
                                 scores[order], static_cast<std::int64_t>(order)});
}

struct RevealCase {
    const char* name;
    std::vector<int> scores;                 // by order of entry
    std::vector<std::int64_t> hidden;        // in order of entry
    std::vector<std::int64_t> revealed;      // press by press
    std::vector<std::size_t> pairAfter;      // the pair's size after each press
    bool lastIsWinner;
};

class RevealOrder : public testing::TestWithParam<RevealCase> {};

TEST_P(RevealOrder, EachPressShowsTheLowestHiddenScoreAndTheLastTwoStandSideBySide)
{
    const RevealCase& c = GetParam();
    LeagueTable table;
    fillTable(table, c.scores);
    ScoreReveal reveal{c.hidden, {}};
    for (std::size_t press = 0; press < c.revealed.size(); ++press) {
        const RevealStep step = revealNext(reveal, table);
        EXPECT_EQ(step.order, c.revealed[press]) << "press " << press;
        EXPECT_FALSE(isHidden(reveal, step.order));
        EXPECT_EQ(reveal.pair.size(), c.pairAfter[press]) << "press " << press;
        const bool last = press + 1 == c.revealed.size();
        EXPECT_EQ(step.winner, last && c.lastIsWinner) << "press " << press;
    }
    EXPECT_TRUE(reveal.hidden.empty());
    // Nothing left: a press does nothing.
    EXPECT_EQ(revealNext(reveal, table), RevealStep{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RevealOrder,
    testing::Values(
        RevealCase{"FourHidden", {50, 80, 20, 65}, {0, 1, 2, 3}, {2, 0, 3, 1}, {0, 2, 2, 0}, true},
        // Of equal scores the one ranked lower (entered later) shows first.
        RevealCase{"EqualScores", {40, 40, 90}, {0, 1, 2}, {1, 0, 2}, {2, 2, 0}, true},
        // Two hidden from the start stand side by side at the first press.
        RevealCase{"TwoHidden", {30, 60}, {0, 1}, {0, 1}, {2, 0}, true},
        // A revealed score above every hidden one: the last hidden is no winner.
        RevealCase{"LeaderAlreadyShown", {99, 10, 20}, {1, 2}, {1, 2}, {2, 0}, false},
        RevealCase{"OneHidden", {10, 70}, {0}, {0}, {0}, false}),
    [](const testing::TestParamInfo<RevealCase>& info) { return std::string(info.param.name); });

TEST(ScoreReveal, AContestantTakenOutOfTheTableIsForgottenAndBreaksThePair)
{
    LeagueTable table;
    fillTable(table, {10, 20, 30});
    ScoreReveal reveal{{0, 1, 2}, {}};
    EXPECT_EQ(revealNext(reveal, table).order, 0);
    ASSERT_EQ(reveal.pair.size(), 2u);
    table.removeAt(table.rowOf(2));
    const RevealStep step = revealNext(reveal, table);
    EXPECT_EQ(step.order, 1);
    EXPECT_TRUE(step.winner);  // ranks first among those left
    EXPECT_TRUE(reveal.hidden.empty());
    EXPECT_TRUE(reveal.pair.empty());
}

// The lowest of three, revealed first, is third and stays third as the others show.
TEST(ScoreReveal, ARevealedRowKeepsItsTruePlaceThroughTheReveal)
{
    LeagueTable table;
    fillTable(table, {30, 90, 60});
    ScoreReveal reveal{{0, 1, 2}, {}};
    const auto placeOf = [&](std::int64_t order) {
        for (const AudienceRow& row : audienceRows(table, reveal))
            if (table.entry(row.row).order == order)
                return row.rank;
        return -1;
    };
    const std::vector<std::vector<int>> placesAfterEachPress{{3, 0, 0}, {3, 0, 2}, {3, 1, 2}};
    for (const std::vector<int>& places : placesAfterEachPress) {
        revealNext(reveal, table);
        EXPECT_EQ((std::vector<int>{placeOf(0), placeOf(1), placeOf(2)}), places);
    }
}

TEST(ScoreReveal, TheAudiencesTablePlacesTheShownBelowTheHiddenAndPutsTheHiddenAtTheFoot)
{
    // Best first: B 90 (hidden), D 70, A 50 (hidden), C 50, E 10.
    LeagueTable table;
    fillTable(table, {50, 90, 50, 70, 10});
    const ScoreReveal reveal{{1, 0}, {}};
    std::vector<std::pair<std::int64_t, int>> seen;  // order and rank, as the audience sees them
    std::vector<bool> hidden;
    for (const AudienceRow& row : audienceRows(table, reveal)) {
        seen.emplace_back(table.entry(row.row).order, row.rank);
        hidden.push_back(row.hidden);
    }
    const std::vector<std::pair<std::int64_t, int>> expected{{3, 3}, {2, 4}, {4, 5}, {1, 0}, {0, 0}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(hidden, (std::vector<bool>{false, false, false, true, true}));
    // Nothing hidden: the table as it is, with its own ranks.
    const std::vector<AudienceRow> plain = audienceRows(table, ScoreReveal{});
    ASSERT_EQ(plain.size(), 5u);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(plain[static_cast<std::size_t>(row)].row, row);
        EXPECT_EQ(plain[static_cast<std::size_t>(row)].rank, rankOfRow(table, row));
    }
}

}  // namespace
