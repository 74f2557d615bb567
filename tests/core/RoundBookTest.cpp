// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The book of an event's rounds: names the operator may give, removal, ranks with a
// clap-off, and the Stage band's text.
#include "core/StageFrame.h"
#include "core/rounds/RoundBook.h"

#include "brio/BRStringQt.h"

#include <gtest/gtest.h>

namespace {

using rounds::NameProblem;

brio::BRString text(const QString& name)
{
    return brio::fromQString(name);
}

struct NameCase {
    QString name;
    std::optional<int> except;
    NameProblem problem;
};

class RoundNames : public testing::TestWithParam<NameCase> {};

TEST_P(RoundNames, AreRefusedWhenBlankTooLongOrTaken)
{
    rounds::RoundBook book(text(QStringLiteral("Heat 1")));
    const int final = book.add(text(QStringLiteral("  Final ")));
    ASSERT_EQ(final, 1);
    const NameCase& c = GetParam();
    EXPECT_EQ(book.check(text(c.name), c.except), c.problem) << c.name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundNames,
    testing::Values(NameCase{QString(), std::nullopt, NameProblem::Blank},
                    NameCase{QStringLiteral("   "), std::nullopt, NameProblem::Blank},
                    NameCase{QString(60, QLatin1Char('x')), std::nullopt, NameProblem::None},
                    NameCase{QString(61, QLatin1Char('x')), std::nullopt, NameProblem::TooLong},
                    NameCase{QStringLiteral(" ") + QString(60, QLatin1Char('x')) +
                                 QStringLiteral(" "),
                             std::nullopt, NameProblem::None},
                    NameCase{QStringLiteral("Final"), std::nullopt, NameProblem::Taken},
                    NameCase{QStringLiteral(" Heat 1  "), std::nullopt, NameProblem::Taken},
                    NameCase{QStringLiteral("Final"), 1, NameProblem::None},   // its own name
                    NameCase{QStringLiteral("Final"), 0, NameProblem::Taken},  // another's
                    NameCase{QStringLiteral("final"), std::nullopt, NameProblem::None}));

TEST(RoundBook, ARemovedRoundFreesItsNameAndLeavesTheListUntilBroughtBack)
{
    rounds::RoundBook book(text(QStringLiteral("Round 1")));
    const int spare = book.add(text(QStringLiteral("Spare")));
    EXPECT_EQ(book.rounds().size(), 2u);
    book.setRemoved(spare, true);
    EXPECT_EQ(book.rounds().size(), 1u);
    EXPECT_EQ(book.named(text(QStringLiteral("Spare"))), nullptr);
    EXPECT_EQ(book.check(text(QStringLiteral("Spare"))), NameProblem::None);
    book.setRemoved(spare, false);
    ASSERT_NE(book.named(text(QStringLiteral("Spare"))), nullptr);
    EXPECT_EQ(book.named(text(QStringLiteral("Spare")))->id, spare);
    // Ids are never given twice, even after a restore.
    std::vector<rounds::Round> stored(2);
    stored[0].id = 0;
    stored[1].id = 4;
    book.restore(stored, 4);
    EXPECT_EQ(book.currentId(), 4);
    EXPECT_EQ(book.add(text(QStringLiteral("Next"))), 5);
}

TEST(RoundBook, AClapOffGivesTheTiedRanksOfTheirOwnAndOrdersTheirRows)
{
    const std::vector<Score> entries{{text(QStringLiteral("Ana")), 80, 0},
                                     {text(QStringLiteral("Fay")), 55, 1},
                                     {text(QStringLiteral("Gus")), 55, 2},
                                     {text(QStringLiteral("Cy")), 55, 3},
                                     {text(QStringLiteral("Hal")), 10, 4}};
    const std::map<std::int64_t, int> clapOff{{1, 30}, {2, 64}};
    const rounds::RoundStandings standings =
        rounds::standingsOf(text(QStringLiteral("Heat")), entries, clapOff);
    EXPECT_EQ(rounds::ranksOf(standings.rows), (std::vector<int>{1, 2, 3, 4, 5}));
    std::vector<std::int64_t> orders;
    for (const Score& score : rounds::orderedWithClapOff(entries, clapOff))
        orders.push_back(score.order);
    EXPECT_EQ(orders, (std::vector<std::int64_t>{0, 2, 1, 3, 4}));
    // Without the clap-off the three share second place.
    EXPECT_EQ(rounds::ranksOf(rounds::standingsOf(text(QStringLiteral("Heat")), entries, {}).rows),
              (std::vector<int>{1, 2, 2, 2, 5}));
}

TEST(RoundBook, ARoundIsDoneWithScoresAndNobodyWaiting)
{
    const std::vector<Score> scored{{text(QStringLiteral("Ana")), 80, 0}};
    EXPECT_TRUE(rounds::isDone(scored, 0));
    EXPECT_FALSE(rounds::isDone(scored, 1));
    EXPECT_FALSE(rounds::isDone({}, 0));
}

struct BandCase {
    const char* title;
    const char* round;
    bool used;
    const char* shown;
};

class StageBand : public testing::TestWithParam<BandCase> {};

TEST_P(StageBand, ShowsTheRoundBesideTheTitleOnceRoundsAreUsed)
{
    const BandCase& c = GetParam();
    EXPECT_EQ(stageBandText(QString::fromUtf8(c.title), QString::fromUtf8(c.round), c.used,
                            QStringLiteral("Ovatron")),
              QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Table, StageBand,
    testing::Values(BandCase{"Gala", "Round 1", false, "Gala"},
                    BandCase{"", "Round 1", false, "Ovatron"},
                    BandCase{"  ", "Round 1", false, "Ovatron"},
                    BandCase{"Gala", "Final", true, "Gala \u2013 Final"},
                    BandCase{"", "Final", true, "Final"},
                    BandCase{"Fête", "Manche 2", true, "Fête \u2013 Manche 2"}));

}  // namespace
