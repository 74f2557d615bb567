// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounds through the session alone: heats, a clap-off at the cut and for first place, a final
// from the best of each heat, names refused, an empty round removed and brought back by undo,
// and what show control's state says of them.
#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "remote/ShowState.h"
#include "show/MeterSession.h"
#include "support/TickLimit.h"

#include "SessionTestSupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {

using ovatron::test::kTickLimit;

class RoundsSession : public testing::Test {
protected:
    void SetUp() override
    {
        ovatron::test::prepareSessionSettings(m_settings);
        m_session = std::make_unique<MeterSession>(m_settings);
        m_session->setListening([]() { return true; });
    }

    MeterSession& session() { return *m_session; }
    const MeterCore& meter() const { return m_session->meter(); }

    // SPACE held for ticksHeld ticks in a turn already started, then the level back at 0 and
    // Enter: equal ticks give equal scores.
    void finishTurn(int ticksHeld)
    {
        ASSERT_EQ(meter().state(), MeterState::Measuring);
        session().setSpaceDown(SpaceSource::Remote, true);
        for (int tick = 0; tick < ticksHeld; ++tick)
            session().tickOnce();
        session().setSpaceDown(SpaceSource::Remote, false);
        for (int tick = 0; tick < kTickLimit && meter().level() > 0; ++tick)
            session().tickOnce();
        session().pressKey(MeterCore::kEnter);
    }

    void play(const char* name, int ticksHeld)
    {
        session().carryOut(ShowCommand{ShowCommand::Kind::Contestant, QString::fromUtf8(name), false});
        finishTurn(ticksHeld);
    }

    // The next waiting name, as POST /api/next.
    void playNext(int ticksHeld)
    {
        session().carryOut(ShowCommand{ShowCommand::Kind::Next, {}, false});
        finishTurn(ticksHeld);
    }

    QStringList tableNames() const
    {
        QStringList names;
        for (int row = 0; row < meter().leagueTable().count(); ++row)
            names << brio::toQString(meter().leagueTable().entry(row).name);
        return names;
    }

    int roundId(const char* name) const
    {
        const rounds::Round* round = m_session->roundBook().named(brio::fromQString(QString::fromUtf8(name)));
        return round ? round->id : -1;
    }

    QJsonObject state() const
    {
        ShowState shown = showStateOf(meter(), QStringLiteral("Gala"), m_session->winnersShowing());
        addRounds(shown, *m_session);
        return QJsonDocument::fromJson(showStateJson(shown)).object();
    }

    AppConfig m_settings;
    std::unique_ptr<MeterSession> m_session;
};

QStringList namesOf(const std::vector<brio::BRString>& names)
{
    QStringList list;
    for (const brio::BRString& name : names)
        list << brio::toQString(name);
    return list;
}

TEST_F(RoundsSession, TwoHeatsAClapOffAtTheCutAndAFinalOfTheBestOfEach)
{
    EXPECT_EQ(session().roundName(), QStringLiteral("Round 1"));
    EXPECT_FALSE(session().roundsUsed());
    ASSERT_EQ(session().renameRound(0, QStringLiteral("Heat 1")), QString());
    EXPECT_TRUE(session().roundsUsed());
    play("Ana", 40);
    play("Ben", 20);
    play("Cy", 20);
    play("Dee", 5);
    ASSERT_EQ(session().addRound(QStringLiteral("Heat 2"), {"Eve", "Fay", "Gus", "Hal"}), QString());
    EXPECT_TRUE(meter().leagueTable().count() == 0);
    playNext(35);
    playNext(25);
    playNext(10);
    playNext(3);
    EXPECT_TRUE(session().roundDone(roundId("Heat 1")));
    EXPECT_TRUE(session().roundDone(roundId("Heat 2")));

    // Ben and Cy tie at the cut of Heat 1: nothing is made until a clap-off settles it.
    const std::vector<int> heats{roundId("Heat 1"), roundId("Heat 2")};
    rounds::Advancement advancing = session().advancementFrom(
        heats, 2, rounds::TieRule::Refuse, rounds::RunningOrder::RoundsInOrder);
    ASSERT_EQ(advancing.ties.size(), 1u);
    EXPECT_EQ(namesOf(advancing.ties.front().names), (QStringList{"Ben", "Cy"}));

    ASSERT_EQ(session().startClapOff(advancing.ties.front()), QString());
    EXPECT_EQ(session().roundName(), QStringLiteral("Heat 1"));  // switched to the heat
    EXPECT_TRUE(session().clapOffRunning());
    EXPECT_EQ(meter().leagueTable().count(), 0);  // a screen of only the tied
    EXPECT_EQ(state()["clapOff"].toObject()["names"].toArray().size(), 2);
    EXPECT_NE(session().switchRound(roundId("Heat 2")), QString());  // not during a clap-off
    playNext(15);  // Ben
    playNext(30);  // Cy wins the clap-off
    EXPECT_FALSE(session().clapOffRunning());
    EXPECT_FALSE(session().clapOffOffer());
    // The heat is back with its own scores, Cy above Ben.
    EXPECT_EQ(tableNames(), (QStringList{"Ana", "Cy", "Ben", "Dee"}));
    EXPECT_EQ(meter().leagueTable().entry(1).score, meter().leagueTable().entry(2).score);

    advancing = session().advancementFrom(heats, 2, rounds::TieRule::Refuse,
                                          rounds::RunningOrder::Reversed);
    EXPECT_TRUE(advancing.ties.empty());
    EXPECT_EQ(namesOf(advancing.names), (QStringList{"Fay", "Eve", "Cy", "Ana"}));
    ASSERT_EQ(session().addRound(QStringLiteral("Final"), namesOf(advancing.names)), QString());
    EXPECT_EQ(session().roundName(), QStringLiteral("Final"));
    const QJsonObject shown = state();
    EXPECT_EQ(shown["round"].toString(), QStringLiteral("Final"));
    const QJsonArray rounds = shown["rounds"].toArray();
    ASSERT_EQ(rounds.size(), 3);
    EXPECT_TRUE(rounds[0].toObject()["done"].toBool());
    EXPECT_FALSE(rounds[2].toObject()["done"].toBool());  // four wait
    EXPECT_EQ(shown["next"].toArray().size(), 4);
    EXPECT_TRUE(shown["clapOff"].isNull());

    // Switching keeps each round's table and running order where it was.
    playNext(20);
    ASSERT_EQ(session().switchRound(roundId("Heat 2")), QString());
    EXPECT_EQ(tableNames(), (QStringList{"Eve", "Fay", "Gus", "Hal"}));
    ASSERT_EQ(session().switchRound(roundId("Final")), QString());
    EXPECT_EQ(tableNames(), QStringList{"Fay"});
    EXPECT_EQ(meter().preloadList().size(), 3u);
}

TEST_F(RoundsSession, BadNamesAreRefusedWithAReasonAndChangeNothing)
{
    const struct {
        QString name;
        const char* reason;
    } cases[] = {{QString(), "needs a name"},
                 {QStringLiteral("   "), "needs a name"},
                 {QString(61, QLatin1Char('x')), "at most 60"},
                 {QStringLiteral(" Round 1 "), "already"}};
    for (const auto& c : cases) {
        const QString refused = session().addRound(c.name, {});
        EXPECT_TRUE(refused.contains(QString::fromUtf8(c.reason))) << refused.toStdString();
        EXPECT_EQ(session().renameRound(0, c.name).isEmpty(), c.name.trimmed() == u"Round 1");
    }
    EXPECT_EQ(session().roundBook().rounds().size(), 1u);
    // Not while a turn runs.
    session().carryOut(ShowCommand{ShowCommand::Kind::Contestant, QStringLiteral("Ana"), false});
    EXPECT_FALSE(session().addRound(QStringLiteral("Heat 2"), {}).isEmpty());
    EXPECT_EQ(session().roundBook().rounds().size(), 1u);
}

TEST_F(RoundsSession, AnEmptyRoundIsRemovedAndUndoBringsItBack)
{
    play("Ana", 10);
    ASSERT_EQ(session().addRound(QStringLiteral("Spare"), {"Zoe"}), QString());
    EXPECT_FALSE(session().removeRound(0).isEmpty());  // it has a score
    ASSERT_EQ(session().removeRound(roundId("Spare")), QString());
    EXPECT_EQ(session().roundBook().rounds().size(), 1u);
    EXPECT_EQ(session().roundName(), QStringLiteral("Round 1"));
    EXPECT_EQ(tableNames(), QStringList{"Ana"});
    ASSERT_TRUE(session().corrections().canUndo());
    session().undo();
    ASSERT_EQ(session().roundBook().rounds().size(), 2u);
    ASSERT_EQ(session().switchRound(roundId("Spare")), QString());
    EXPECT_EQ(meter().preloadList().size(), 1u);  // its running order came back with it
    EXPECT_FALSE(session().removeRound(0).isEmpty());
}

TEST_F(RoundsSession, ATieForFirstOffersAClapOffAgainUntilSettledOrShared)
{
    play("Ana", 25);
    play("Ben", 25);
    play("Cy", 5);
    session().setWinnersShowing(true);
    ASSERT_TRUE(session().clapOffOffer());
    EXPECT_EQ(namesOf(session().clapOffOffer()->names), (QStringList{"Ana", "Ben"}));
    ASSERT_EQ(session().startClapOff(*session().clapOffOffer()), QString());
    EXPECT_FALSE(session().winnersShowing());
    playNext(12);
    playNext(12);  // tied again
    ASSERT_TRUE(session().clapOffOffer());
    EXPECT_EQ(namesOf(session().clapOffOffer()->names), (QStringList{"Ana", "Ben"}));
    session().sharePlace();
    EXPECT_FALSE(session().clapOffOffer());
    EXPECT_EQ(tableNames(), (QStringList{"Ana", "Ben", "Cy"}));
    // A second clap-off sets them apart.
    ASSERT_EQ(session().startClapOff({brio::fromQString(QStringLiteral("Round 1")),
                                      {brio::fromQString(QStringLiteral("Ana")),
                                       brio::fromQString(QStringLiteral("Ben"))}}),
              QString());
    playNext(5);
    playNext(20);
    EXPECT_FALSE(session().clapOffOffer());
    EXPECT_EQ(tableNames(), (QStringList{"Ben", "Ana", "Cy"}));
    session().setWinnersShowing(true);
    EXPECT_FALSE(session().clapOffOffer());
}

}  // namespace
