// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury through the session: marking's rules, the judges across set-ups, and the table
// ranked by the results.

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "show/MeterSession.h"

#include "SessionTestSupport.h"

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
        ovatron::test::prepareSessionSettings(m_settings);
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

    // The table (best first) with every contestant's marking open.
    std::vector<jury::Judge> markingOpen(const std::vector<Score>& entries, jury::Weights weights = {})
    {
        session().restoreEvent(entries, brio::BRStringArray(), static_cast<std::int64_t>(entries.size()));
        const std::vector<jury::Judge> judges = setUp(threeJudges(weights));
        for (const Score& entry : entries)
            EXPECT_TRUE(session().openMarking(entry.order));
        return judges;
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

    jury::MarkOutcome mark(const jury::Judge& judge, const char* name, double value, const char* id,
                           const char* criterion = "")
    {
        return session().takeMark({judge.token, QString::fromUtf8(name), {{QString::fromUtf8(criterion), value}},
                                   QString::fromUtf8(id)});
    }

    // The turn under way: SPACE held for that many ticks, then Enter.
    void finishTurn(int ticks)
    {
        session().setSpaceDown(SpaceSource::Remote, true);
        for (int tick = 0; tick < ticks; ++tick)
            session().tickOnce();
        session().setSpaceDown(SpaceSource::Remote, false);
        session().pressKey(MeterCore::kEnter);
    }

    AppConfig m_settings;
    std::unique_ptr<MeterSession> m_session;
};

struct Send {
    int judge;  // into the judges; -1 for a token nobody has
    const char* contestant;
    double mark;
    const char* id;
    const char* criterion = "";  // none: the jury marks no criteria
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
    const std::vector<jury::Judge> judges = markingOpen({entry("Ann", 80, 0), entry("Bo", 60, 1)});
    ASSERT_TRUE(session().closeMarking(1));
    ASSERT_EQ(session().revokeJudge(QString::fromLatin1(c.revokeInes ? "ines" : "nobody")), c.revokeInes);
    QSignalSpy changes(&session(), &MeterSession::displayChanged);
    jury::MarkOutcome outcome = jury::MarkOutcome::NoJury;
    int accepted = 0;
    for (const Send& send : c.sends) {
        const jury::Judge stranger{QString(), QStringLiteral("0123456789abcdef")};
        outcome = mark(send.judge < 0 ? stranger : judges[static_cast<std::size_t>(send.judge)],
                       send.contestant, send.mark, send.id, send.criterion);
        accepted += outcome == jury::MarkOutcome::Accepted;
    }
    EXPECT_EQ(outcome, c.last);
    EXPECT_EQ(row("Ann").jury, c.annsJ);
    EXPECT_EQ(session().jury().markedBy(0).size(), c.annMarkedBy);
    EXPECT_FALSE(session().jury().juryMarkOf(1).has_value()) << "Bo's marking is closed";
    EXPECT_EQ(changes.count(), accepted) << "every accepted mark is shown, nothing else";
    EXPECT_TRUE(row("Ann").pending);
}

using jury::MarkOutcome;
INSTANTIATE_TEST_SUITE_P(
    Jury, MarkingRules,
    testing::ValuesIn(std::vector<MarkingCase>{
        {"accepted", {{0, "Ann", 7.5, "a"}}, false, MarkOutcome::Accepted, 750, 1},
        {"two judges, the mean", {{0, "Ann", 7.5, "a"}, {1, "ann ", 9, "b"}}, false, MarkOutcome::Accepted, 825, 2},
        {"same id twice counts once", {{0, "Ann", 7.5, "a"}, {0, "Ann", 3, "a"}}, false, MarkOutcome::Repeated, 750, 1},
        {"a changed mark: the latest counts", {{0, "Ann", 7.5, "a"}, {0, "Ann", 3, "b"}}, false, MarkOutcome::Accepted, 300, 1},
        {"unknown contestant", {{0, "Zed", 5, "a"}}, false, MarkOutcome::UnknownContestant, {}, 0},
        {"closed", {{0, "Bo", 5, "a"}}, false, MarkOutcome::MarkingClosed, {}, 0},
        {"out of range", {{0, "Ann", 10.5, "a"}}, false, MarkOutcome::OutOfRange, {}, 0},
        {"off step", {{0, "Ann", 7.25, "a"}}, false, MarkOutcome::OffStep, {}, 0},
        {"a criterion the jury does not mark", {{0, "Ann", 5, "a", "Talent"}}, false, MarkOutcome::CriteriaMismatch, {}, 0},
        {"unknown token", {{-1, "Ann", 5, "a"}}, false, MarkOutcome::UnknownToken, {}, 0},
        {"revoked token", {{1, "Ann", 6, "a"}, {0, "Ann", 5, "b"}}, true, MarkOutcome::UnknownToken, 600, 1}}));

TEST_F(JurySessionTest, MarkingOpensWhenATurnEndsAndClosesOnlyAtTheOperatorsWord)
{
    const std::vector<jury::Judge> judges = setUp(threeJudges());
    for (const char16_t* name : {u"Ann", u"Bo"}) {
        session().typeText(name);
        session().pressKey(MeterCore::kEnter);
        finishTurn(5);
    }
    std::vector<MeterSession::OpenMarking> open = session().openMarkings();
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0].name, QStringLiteral("Bo")) << "the latest first";
    EXPECT_TRUE(open[1].noMarksYet());

    ASSERT_EQ(mark(judges[2], "Ann", 4, "x"), jury::MarkOutcome::Accepted);
    open = session().openMarkings();
    EXPECT_EQ(open[1].markedBy, QStringList{QStringLiteral("Pia")});
    EXPECT_EQ(open[1].judges, 3);
    EXPECT_FALSE(open[1].noMarksYet());

    // The next turn began meanwhile: Ann's marking stays open until closed.
    ASSERT_TRUE(session().closeMarking(0));
    EXPECT_FALSE(row("Ann").pending);
    EXPECT_EQ(mark(judges[2], "Ann", 9, "y"), jury::MarkOutcome::MarkingClosed);
    ASSERT_TRUE(session().openMarking(0)) << "opened again";
    EXPECT_EQ(mark(judges[2], "Ann", 9, "y"), jury::MarkOutcome::Accepted);
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
    EXPECT_EQ(mark(first[1], "Ann", 5, "o"), jury::MarkOutcome::UnknownToken) << "Omar left";
    const std::optional<QString> reissued = session().reissueJudge(QStringLiteral("Uma"));
    ASSERT_TRUE(reissued);
    EXPECT_EQ(mark(second[2], "Ann", 5, "u"), jury::MarkOutcome::UnknownToken);
    EXPECT_EQ(mark({QString(), *reissued}, "Ann", 5, "u"), jury::MarkOutcome::Accepted);

    jury::JuryRules twice = threeJudges();
    twice.judges.append(QStringLiteral(" ines"));
    EXPECT_TRUE(std::holds_alternative<jury::RulesCheck>(session().setUpJury(twice)));
    EXPECT_EQ(session().jury().judges().size(), 3u) << "a refused set-up changes nothing";
}

TEST_F(JurySessionTest, TheTableRanksByTheResultWhileTheJuryIsOn)
{
    const std::vector<jury::Judge> judges =
        markingOpen({entry("Ann", 80, 0), entry("Bo", 60, 1), entry("Cy", 40, 2)});
    EXPECT_EQ(names(), (QStringList{"Ann", "Bo", "Cy"}));
    mark(judges[0], "Ann", 2, "1");
    mark(judges[0], "Bo", 10, "2");
    // Ann (80 + 20) / 2 = 50, Bo (60 + 100) / 2 = 80, Cy 40 / 2 = 20.
    EXPECT_EQ(names(), (QStringList{"Bo", "Ann", "Cy"}));
    EXPECT_EQ(row("Bo").result, ranking::Result{800});

    session().switchJuryOff();
    EXPECT_EQ(names(), (QStringList{"Ann", "Bo", "Cy"})) << "without a jury, the applause alone";
    EXPECT_EQ(row("Bo").result, ranking::resultOf(60));
}

TEST_F(JurySessionTest, AJuryWeighingNothingLeavesTheTableAsTheApplauseHasIt)
{
    const std::vector<jury::Judge> judges =
        markingOpen({entry("Cy", 90, 2), entry("Ann", 70, 0), entry("Bo", 70, 1)}, {100, 0});
    mark(judges[0], "Bo", 10, "1");
    mark(judges[1], "Ann", 0, "2");
    EXPECT_EQ(names(), (QStringList{"Cy", "Ann", "Bo"}));
    for (const MeterSession::JuryRow& row : session().juryRows())
        EXPECT_EQ(row.result, ranking::resultOf(row.applause));
    EXPECT_EQ(meter().leagueTable().rankOf(2), 2) << "Ann and Bo share second place";
}

TEST_F(JurySessionTest, ATieOfResultsGoesToAClapOffOfTheApplauseAlone)
{
    const std::vector<jury::Judge> judges =
        markingOpen({entry("Ann", 80, 0), entry("Bo", 60, 1), entry("Cy", 10, 2)});
    mark(judges[0], "Ann", 2, "1");
    mark(judges[0], "Bo", 4, "2");
    for (std::int64_t order = 0; order < 3; ++order)
        ASSERT_TRUE(session().closeMarking(order));
    session().setWinnersShowing(true);  // Ann and Bo both 50: first place is shared
    ASSERT_TRUE(session().clapOffOffer());
    ASSERT_EQ(session().startClapOff(*session().clapOffOffer()), QString());
    EXPECT_FALSE(meter().juryOn());
    for (const int ticks : {5, 20}) {  // Ann, then Bo the louder
        session().carryOut(ShowCommand{ShowCommand::Kind::Next, {}, false});
        finishTurn(ticks);
    }
    EXPECT_FALSE(session().clapOffRunning());
    EXPECT_TRUE(meter().juryOn());
    EXPECT_TRUE(session().openMarkings().empty()) << "a clap-off's turn opens no marking";
    EXPECT_EQ(names(), (QStringList{"Bo", "Ann", "Cy"}));
}

}  // namespace
