// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury through the session: marking's rules, the judges across set-ups, and the table
// ranked by the results.

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "show/MeterSession.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <memory>

namespace {

Score entry(const char* name, int score, std::int64_t order)
{
    return Score{brio::fromQString(QString::fromUtf8(name)), score, order};
}

jury::JuryRules threeJudges(jury::Weights weights = {})
{
    jury::JuryRules rules;
    rules.judges = {QStringLiteral("Ines"), QStringLiteral("Omar"), QStringLiteral("Pia")};
    rules.weights = weights;
    return rules;
}

class JurySessionTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_settings.init("Ovatron");
        storeUseLeagueTable(m_settings, true);
        storeShowSummaryScreen(m_settings, false);
        storeTurnSeconds(m_settings, 0);
        m_session = std::make_unique<MeterSession>(m_settings);
        m_session->setListening([]() { return true; });
    }

    MeterSession& session() { return *m_session; }

    std::vector<jury::Judge> setUp(const jury::JuryRules& rules)
    {
        auto judges = session().setUpJury(rules);
        EXPECT_TRUE(std::holds_alternative<std::vector<jury::Judge>>(judges));
        return std::get<std::vector<jury::Judge>>(judges);
    }

    QStringList names() const
    {
        QStringList shown;
        for (const MeterSession::JuryRow& row : m_session->juryRows())
            shown.append(row.name);
        return shown;
    }

    MeterSession::JuryRow row(const char* name) const
    {
        for (const MeterSession::JuryRow& row : m_session->juryRows()) {
            if (row.name == QString::fromUtf8(name))
                return row;
        }
        ADD_FAILURE() << "no row of " << name;
        return {};
    }

    const MeterCore& meter() const { return m_session->meter(); }

    AppConfig m_settings;
    std::unique_ptr<MeterSession> m_session;
};

struct Send {
    int judge;  // into the judges; -1 for a token nobody has
    const char* contestant;
    double mark;
    const char* id;
};

struct MarkingCase {
    const char* what;
    std::vector<Send> sends;
    bool revokeInes;
    jury::MarkOutcome last;
    std::optional<jury::Hundredths> annsJ;
    int annMarkedBy;
};

class MarkingRules : public JurySessionTest, public testing::WithParamInterface<MarkingCase> {};

TEST_P(MarkingRules, EachMarkIsTakenOrRefusedForItsReason)
{
    const MarkingCase& c = GetParam();
    session().restoreEvent({entry("Ann", 80, 0), entry("Bo", 60, 1)}, brio::BRStringArray(), 2);
    const std::vector<jury::Judge> judges = setUp(threeJudges());
    ASSERT_TRUE(session().openMarking(0));
    ASSERT_TRUE(session().openMarking(1));
    ASSERT_TRUE(session().closeMarking(1));
    if (c.revokeInes) {
        ASSERT_TRUE(session().revokeJudge(QStringLiteral("ines")));
    }
    QSignalSpy changes(&session(), &MeterSession::displayChanged);
    jury::MarkOutcome outcome = jury::MarkOutcome::NoJury;
    int accepted = 0;
    for (const Send& send : c.sends) {
        const QString token = send.judge < 0 ? QStringLiteral("0123456789abcdef")
                                             : judges[static_cast<std::size_t>(send.judge)].token;
        outcome = session().takeMark({token, QString::fromUtf8(send.contestant),
                                      {{QString(), send.mark}}, QString::fromUtf8(send.id)});
        accepted += outcome == jury::MarkOutcome::Accepted;
    }
    EXPECT_EQ(outcome, c.last);
    EXPECT_EQ(row("Ann").jury, c.annsJ);
    EXPECT_EQ(session().jury().markedBy(0).size(), c.annMarkedBy);
    EXPECT_FALSE(session().jury().juryMarkOf(1).has_value()) << "Bo's marking is closed";
    EXPECT_EQ(changes.count(), accepted) << "every accepted mark is shown, nothing else";
    EXPECT_TRUE(row("Ann").pending);
}

INSTANTIATE_TEST_SUITE_P(
    Jury, MarkingRules,
    testing::Values(
        MarkingCase{"accepted", {{0, "Ann", 7.5, "a"}}, false, jury::MarkOutcome::Accepted, 750, 1},
        MarkingCase{"two judges, the mean", {{0, "Ann", 7.5, "a"}, {1, "ann ", 9, "b"}}, false,
                    jury::MarkOutcome::Accepted, 825, 2},
        MarkingCase{"same id twice counts once", {{0, "Ann", 7.5, "a"}, {0, "Ann", 3, "a"}}, false,
                    jury::MarkOutcome::Repeated, 750, 1},
        MarkingCase{"a changed mark: the latest counts", {{0, "Ann", 7.5, "a"}, {0, "Ann", 3, "b"}},
                    false, jury::MarkOutcome::Accepted, 300, 1},
        MarkingCase{"unknown contestant", {{0, "Zed", 5, "a"}}, false,
                    jury::MarkOutcome::UnknownContestant, std::nullopt, 0},
        MarkingCase{"closed", {{0, "Bo", 5, "a"}}, false, jury::MarkOutcome::MarkingClosed,
                    std::nullopt, 0},
        MarkingCase{"out of range", {{0, "Ann", 10.5, "a"}}, false, jury::MarkOutcome::OutOfRange,
                    std::nullopt, 0},
        MarkingCase{"below 0", {{0, "Ann", -0.5, "a"}}, false, jury::MarkOutcome::OutOfRange,
                    std::nullopt, 0},
        MarkingCase{"off step", {{0, "Ann", 7.25, "a"}}, false, jury::MarkOutcome::OffStep,
                    std::nullopt, 0},
        MarkingCase{"unknown token", {{-1, "Ann", 5, "a"}}, false, jury::MarkOutcome::UnknownToken,
                    std::nullopt, 0},
        MarkingCase{"revoked token", {{1, "Ann", 6, "a"}, {0, "Ann", 5, "b"}}, true,
                    jury::MarkOutcome::UnknownToken, 600, 1}));

TEST_F(JurySessionTest, MarkingOpensWhenATurnEndsAndClosesOnlyAtTheOperatorsWord)
{
    const std::vector<jury::Judge> judges = setUp(threeJudges());
    for (const char* name : {"Ann", "Bo"}) {
        session().typeText(brio::fromQString(QString::fromUtf8(name)));
        session().pressKey(MeterCore::kEnter);
        session().setSpaceDown(SpaceSource::Keyboard, true);
        for (int tick = 0; tick < 5; ++tick)
            session().tickOnce();
        session().setSpaceDown(SpaceSource::Keyboard, false);
        session().pressKey(MeterCore::kEnter);
    }
    std::vector<MeterSession::OpenMarking> open = session().openMarkings();
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].name, QStringLiteral("Bo")) << "the latest first";
    EXPECT_TRUE(open[1].noMarksYet());

    ASSERT_EQ(session().takeMark({judges[2].token, QStringLiteral("Ann"), {{QString(), 4}}, "x"}),
              jury::MarkOutcome::Accepted);
    open = session().openMarkings();
    EXPECT_EQ(open[1].markedBy, QStringList{QStringLiteral("Pia")});
    EXPECT_EQ(open[1].judges, 3);
    EXPECT_FALSE(open[1].noMarksYet());

    // The next turn began meanwhile: Ann's marking stays open until closed.
    ASSERT_TRUE(session().closeMarking(0));
    EXPECT_FALSE(row("Ann").pending);
    EXPECT_EQ(session().takeMark({judges[2].token, QStringLiteral("Ann"), {{QString(), 9}}, "y"}),
              jury::MarkOutcome::MarkingClosed);
    ASSERT_TRUE(session().openMarking(0)) << "opened again";
    EXPECT_EQ(session().takeMark({judges[2].token, QStringLiteral("Ann"), {{QString(), 9}}, "y"}),
              jury::MarkOutcome::Accepted);
    EXPECT_EQ(row("Ann").jury, 900);
}

TEST_F(JurySessionTest, JudgesKeepTheirTokensAcrossASetUpAndOneLeftOutLosesHers)
{
    const std::vector<jury::Judge> first = setUp(threeJudges());
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].token.size(), 32);
    EXPECT_NE(first[0].token, first[1].token);

    jury::JuryRules later = threeJudges();
    later.judges = {QStringLiteral("pia "), QStringLiteral("Ines"), QStringLiteral("Uma")};
    const std::vector<jury::Judge> second = setUp(later);
    EXPECT_EQ(second[0].token, first[2].token);
    EXPECT_EQ(second[1].token, first[0].token);
    EXPECT_NE(second[2].token, first[1].token);

    session().restoreEvent({entry("Ann", 50, 0)}, brio::BRStringArray(), 1);
    ASSERT_TRUE(session().openMarking(0));
    EXPECT_EQ(session().takeMark({first[1].token, QStringLiteral("Ann"), {{QString(), 5}}, "o"}),
              jury::MarkOutcome::UnknownToken)
        << "Omar left the jury";
    const std::optional<QString> reissued = session().reissueJudge(QStringLiteral("Uma"));
    ASSERT_TRUE(reissued);
    EXPECT_EQ(session().takeMark({second[2].token, QStringLiteral("Ann"), {{QString(), 5}}, "u"}),
              jury::MarkOutcome::UnknownToken);
    EXPECT_EQ(session().takeMark({*reissued, QStringLiteral("Ann"), {{QString(), 5}}, "u"}),
              jury::MarkOutcome::Accepted);

    jury::JuryRules bad = threeJudges();
    bad.judges.append(QStringLiteral(" ines"));
    const auto refused = session().setUpJury(bad);
    ASSERT_TRUE(std::holds_alternative<jury::RulesCheck>(refused));
    EXPECT_EQ(std::get<jury::RulesCheck>(refused).problem, jury::RulesProblem::JudgeTwice);
    EXPECT_EQ(session().jury().judges().size(), 3u) << "a refused set-up changes nothing";
}

TEST_F(JurySessionTest, TheTableRanksByTheResultWhileTheJuryIsOn)
{
    session().restoreEvent({entry("Ann", 80, 0), entry("Bo", 60, 1), entry("Cy", 40, 2)}, brio::BRStringArray(), 3);
    const std::vector<jury::Judge> judges = setUp(threeJudges());
    for (std::int64_t order = 0; order < 3; ++order)
        ASSERT_TRUE(session().openMarking(order));
    EXPECT_EQ(names(), (QStringList{"Ann", "Bo", "Cy"}));
    session().takeMark({judges[0].token, QStringLiteral("Ann"), {{QString(), 2}}, "1"});
    session().takeMark({judges[0].token, QStringLiteral("Bo"), {{QString(), 10}}, "2"});
    // Ann (80 + 20) / 2 = 50, Bo (60 + 100) / 2 = 80, Cy 40 / 2 = 20.
    EXPECT_EQ(names(), (QStringList{"Bo", "Ann", "Cy"}));
    EXPECT_EQ(row("Bo").result, ranking::Result{800});
    EXPECT_EQ(row("Ann").applause, 80);
    EXPECT_EQ(meter().leagueTable().rankOf(0), 1);

    session().switchJuryOff();
    EXPECT_EQ(names(), (QStringList{"Ann", "Bo", "Cy"})) << "without a jury, the applause alone";
    EXPECT_EQ(row("Bo").result, ranking::resultOf(60));
}

TEST_F(JurySessionTest, AJuryWeighingNothingLeavesTheTableAsTheApplauseHasIt)
{
    const std::vector<Score> entries = {entry("Ann", 70, 0), entry("Bo", 70, 1), entry("Cy", 90, 2)};
    MeterSession today(m_settings);
    today.restoreEvent({entries[2], entries[0], entries[1]}, brio::BRStringArray(), 3);
    session().restoreEvent({entries[2], entries[0], entries[1]}, brio::BRStringArray(), 3);
    const std::vector<jury::Judge> judges = setUp(threeJudges({100, 0}));
    for (std::int64_t order = 0; order < 3; ++order)
        session().openMarking(order);
    session().takeMark({judges[0].token, QStringLiteral("Bo"), {{QString(), 10}}, "1"});
    session().takeMark({judges[1].token, QStringLiteral("Ann"), {{QString(), 0}}, "2"});
    ASSERT_EQ(today.juryRows().size(), session().juryRows().size());
    for (std::size_t index = 0; index < today.juryRows().size(); ++index) {
        EXPECT_EQ(session().juryRows()[index].name, today.juryRows()[index].name);
        EXPECT_EQ(session().juryRows()[index].result, today.juryRows()[index].result);
        EXPECT_EQ(session().meter().leagueTable().rankOf(static_cast<int>(index)),
                  today.meter().leagueTable().rankOf(static_cast<int>(index)));
    }
}

TEST_F(JurySessionTest, ATieOfResultsGoesToAClapOffOfTheApplauseAlone)
{
    session().restoreEvent({entry("Ann", 80, 0), entry("Bo", 60, 1), entry("Cy", 10, 2)},
                           brio::BRStringArray(), 3);
    const std::vector<jury::Judge> judges = setUp(threeJudges());
    for (std::int64_t order = 0; order < 3; ++order)
        ASSERT_TRUE(session().openMarking(order));
    session().takeMark({judges[0].token, QStringLiteral("Ann"), {{QString(), 2}}, QStringLiteral("1")});
    session().takeMark({judges[0].token, QStringLiteral("Bo"), {{QString(), 4}}, QStringLiteral("2")});
    for (std::int64_t order = 0; order < 3; ++order)
        ASSERT_TRUE(session().closeMarking(order));
    session().setWinnersShowing(true);  // Ann and Bo both 50: first place is shared
    ASSERT_TRUE(session().clapOffOffer());
    ASSERT_EQ(session().startClapOff(*session().clapOffOffer()), QString());
    EXPECT_FALSE(meter().juryOn());
    for (const int ticks : {5, 20}) {  // Ann, then Bo the louder
        session().carryOut(ShowCommand{ShowCommand::Kind::Next, {}, false});
        session().setSpaceDown(SpaceSource::Remote, true);
        for (int tick = 0; tick < ticks; ++tick)
            session().tickOnce();
        session().setSpaceDown(SpaceSource::Remote, false);
        session().pressKey(MeterCore::kEnter);
    }
    EXPECT_FALSE(session().clapOffRunning());
    EXPECT_TRUE(meter().juryOn());
    EXPECT_TRUE(session().openMarkings().empty()) << "a clap-off's turn opens no marking";
    EXPECT_EQ(names(), (QStringList{"Bo", "Ann", "Cy"}));
}

}  // namespace
