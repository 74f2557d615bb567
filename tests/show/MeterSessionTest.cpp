// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The running show through its session alone, with no widget and no display: whole turns from
// the keyboard and from a remote, the clock, corrections with undo and an equal turn.

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/MicrophoneSettings.h"
#include "core/settings/RevealSettings.h"
#include "core/settings/TurnSettings.h"
#include "remote/ShowControlSettings.h"
#include "show/MeterSession.h"
#include "show/ShowControlLink.h"
#include "ShowControlRequests.h"
#include "support/TickLimit.h"

#include "SessionTestSupport.h"

#include <gtest/gtest.h>

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <memory>

namespace {

using ovatron::test::freePort;
using ovatron::test::kTickLimit;
using ovatron::test::post;

class MeterSessionTest : public testing::Test {
protected:
    void SetUp() override
    {
        ovatron::test::prepareSessionSettings(m_settings);  // every test starts from the same show
        m_session = std::make_unique<MeterSession>(m_settings);
        m_session->setListening([this]() { return m_listening; });
    }

    MeterSession& session() { return *m_session; }
    const MeterCore& meter() const { return m_session->meter(); }

    void type(const char* name) { session().typeText(brio::fromQString(QString::fromUtf8(name))); }

    // Ticks until the condition holds; false when it never did within the tick limit.
    template <typename Condition>
    bool tickUntil(Condition condition)
    {
        for (int tick = 0; tick < kTickLimit; ++tick) {
            if (condition())
                return true;
            session().tickOnce();
        }
        return condition();
    }

    // One contestant's turn: the name and Enter, SPACE from the source for that many ticks,
    // the level back at 0, and Enter.
    void runTurn(const char* name, SpaceSource source, int ticksHeld)
    {
        type(name);
        session().pressKey(MeterCore::kEnter);
        ASSERT_EQ(meter().state(), MeterState::Measuring);
        session().setSpaceDown(source, true);
        for (int tick = 0; tick < ticksHeld; ++tick)
            session().tickOnce();
        session().setSpaceDown(source, false);
        ASSERT_TRUE(tickUntil([this]() { return meter().level() == 0; }));
        session().pressKey(MeterCore::kEnter);
        ASSERT_EQ(meter().state(), MeterState::NameEntry);
    }

    QString nameAt(int row) const { return brio::toQString(meter().leagueTable().entry(row).name); }
    int scoreAt(int row) const { return meter().leagueTable().entry(row).score; }

    AppConfig m_settings;
    bool m_listening = true;
    std::unique_ptr<MeterSession> m_session;
};

TEST_F(MeterSessionTest, WholeTurnsFromTheKeyboardRankTheContestantsAndEveryChangeIsAnnounced)
{
    QSignalSpy changes(&session(), &MeterSession::displayChanged);
    runTurn("Anna", SpaceSource::Keyboard, 8);
    const int annasChanges = changes.count();
    runTurn("Ben", SpaceSource::Keyboard, 200);
    runTurn("Cleo", SpaceSource::Keyboard, 3);

    ASSERT_EQ(meter().leagueTable().count(), 3);
    EXPECT_EQ(nameAt(0), QStringLiteral("Ben"));
    EXPECT_EQ(scoreAt(0), 100);
    EXPECT_EQ(nameAt(1), QStringLiteral("Anna"));
    EXPECT_EQ(nameAt(2), QStringLiteral("Cleo"));
    EXPECT_GT(scoreAt(1), scoreAt(2));
    EXPECT_GT(scoreAt(2), 0);
    // Each typed letter, each Enter and each tick that moved the level told the displays.
    EXPECT_GT(annasChanges, 4 + 2 + 8);
    // Moving the selection is a change to show too; nothing to undo yet.
    const int before = changes.count();
    session().moveSelection(1);
    EXPECT_EQ(meter().selectedRow(), 0);
    EXPECT_EQ(changes.count(), before + 1);
    EXPECT_FALSE(session().corrections().canUndo());
}

TEST_F(MeterSessionTest, TheKeyboardCountsOnlyWhileHeardAndARemotesApplauseAlways)
{
    m_listening = false;  // the operator's window lost the focus
    type("Dora");
    EXPECT_EQ(meter().typedName(), brio::fromQString(QStringLiteral("Dora")));  // typing is the holder's
    session().pressKey(MeterCore::kEnter);
    session().setSpaceDown(SpaceSource::Keyboard, true);
    EXPECT_FALSE(session().isTicking()) << "a SPACE nobody hears starts no clock";
    for (int tick = 0; tick < 10; ++tick)
        session().tickOnce();
    EXPECT_EQ(meter().level(), 0);
    EXPECT_EQ(meter().peak(), 0);

    session().setSpaceDown(SpaceSource::Keyboard, false);
    session().setSpaceDown(SpaceSource::Remote, true);
    EXPECT_TRUE(session().spaceDown(SpaceSource::Remote));
    EXPECT_TRUE(session().isTicking());
    ASSERT_TRUE(tickUntil([this]() { return meter().level() == 100; }));
    EXPECT_FALSE(session().isTicking()) << "held at 100, a tick changes nothing";
    session().setSpaceDown(SpaceSource::Remote, false);
    EXPECT_TRUE(session().isTicking());
    session().pressKey(MeterCore::kEnter);
    ASSERT_EQ(meter().leagueTable().count(), 1);
    EXPECT_EQ(scoreAt(0), 100);
}

TEST_F(MeterSessionTest, TheClockRunsOnItsOwnOnlyWhileATickCanChangeSomething)
{
    EXPECT_FALSE(session().isTicking()) << "name entry";
    type("Eve");
    session().pressKey(MeterCore::kEnter);
    EXPECT_FALSE(session().isTicking()) << "resting at 0 with SPACE up";
    session().setSpaceDown(SpaceSource::Keyboard, true);
    EXPECT_TRUE(session().isTicking());
    // The real 20 ms timer, with a generous bound for a busy machine.
    EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().level() == 100; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([this]() { return !session().isTicking(); }, 5000));
    session().setSpaceDown(SpaceSource::Keyboard, false);
    EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().level() == 0; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([this]() { return !session().isTicking(); }, 5000));
    EXPECT_EQ(meter().peak(), 100);
}

TEST_F(MeterSessionTest, TheMicrophonesLevelIsFollowedWhateverHasTheFocus)
{
    m_listening = false;
    int room = 60;
    bool inUse = true;
    session().setMeasuredLevel([&room]() { return std::optional<int>(room); },
                               [&inUse]() { return inUse; });
    type("Finn");
    session().pressKey(MeterCore::kEnter);
    EXPECT_TRUE(session().isTicking()) << "a microphone's level may move at any moment";
    ASSERT_TRUE(tickUntil([this]() { return meter().level() == 60; }));
    // The score is the level the room held for three seconds: thirty readings, ten a second.
    ASSERT_TRUE(tickUntil([this]() { return meter().peak() == 60; }));
    room = 20;
    ASSERT_TRUE(tickUntil([this]() { return meter().level() == 20; }));
    EXPECT_EQ(meter().peak(), 60);
    inUse = false;
    session().setMeasuredLevel({}, {});
    session().pressKey(MeterCore::kEnter);
    EXPECT_EQ(scoreAt(0), 60);
}

TEST_F(MeterSessionTest, CorrectionsGoOnTheHistoryAndUndoAndRedoTakeThemBackAndMakeThemAgain)
{
    runTurn("Gus", SpaceSource::Keyboard, 30);
    runTurn("Hana", SpaceSource::Keyboard, 10);
    ASSERT_EQ(nameAt(0), QStringLiteral("Gus"));
    QUndoStack& history = session().corrections();

    // Renamed: the selected row, typed again and Enter.
    session().moveSelection(1);
    session().beginRename();
    for (int i = 0; i < 3; ++i)
        session().pressKey(MeterCore::kBackspace);
    type("Gustav");
    session().pressKey(MeterCore::kEnter);
    ASSERT_EQ(history.count(), 1);
    EXPECT_EQ(nameAt(0), QStringLiteral("Gustav"));
    EXPECT_EQ(history.undoText(), QStringLiteral("Rename Gus to Gustav"));

    // Removed (with nothing selected, the contestant measured last), once the operator agrees;
    // a refusal changes nothing.
    QString asked;
    session().removeContestant([&asked](const QString& name) {
        asked = name;
        return false;
    });
    EXPECT_EQ(asked, QStringLiteral("Hana"));
    EXPECT_EQ(meter().leagueTable().count(), 2);
    session().removeContestant([](const QString&) { return true; });
    ASSERT_EQ(meter().leagueTable().count(), 1);
    EXPECT_EQ(nameAt(0), QStringLiteral("Gustav"));
    EXPECT_EQ(history.undoText(), QStringLiteral("Remove Hana"));

    // The whole table cleared, then everything taken back in turn.
    session().clearLeagueTable();
    EXPECT_EQ(meter().leagueTable().count(), 0);
    EXPECT_EQ(history.count(), 3);
    QSignalSpy changes(&session(), &MeterSession::displayChanged);
    session().undo();
    EXPECT_EQ(meter().leagueTable().count(), 1);
    session().undo();
    EXPECT_EQ(meter().leagueTable().count(), 2);
    session().undo();
    EXPECT_EQ(nameAt(0), QStringLiteral("Gus"));
    EXPECT_EQ(changes.count(), 3) << "every undo is shown";
    session().redo();
    EXPECT_EQ(nameAt(0), QStringLiteral("Gustav"));

    // Not while a turn runs: Ctrl+Z must not reach into the table under a measurement.
    type("Ivo");
    session().pressKey(MeterCore::kEnter);
    session().undo();
    EXPECT_EQ(nameAt(0), QStringLiteral("Gustav"));
    session().pressKey(MeterCore::kEscape);

    // A new table starts afresh: nothing before it can be taken back.
    session().toggleLeagueTable();
    EXPECT_FALSE(history.canUndo());
}

TEST_F(MeterSessionTest, AnEqualTurnEndsByItselfWhenItsWindowRunsOut)
{
    session().setTurnSeconds(2);
    EXPECT_EQ(loadTurnSeconds(m_settings), 2) << "the length is stored at once";
    // Told once, as the window runs out (the buzzer's moment), and not when Enter ends a turn.
    QSignalSpy ranOut(&session(), &MeterSession::equalTurnRanOut);
    int stateWhenTold = -1;
    QObject::connect(&session(), &MeterSession::equalTurnRanOut, &session(),
            [&]() { stateWhenTold = static_cast<int>(meter().state()); });
    type("Jo");
    session().pressKey(MeterCore::kEnter);
    session().setSpaceDown(SpaceSource::Remote, true);
    session().tickOnce();  // the window opens as the level leaves 0
    ASSERT_GT(meter().level(), 0);
    int ticks = 1;
    while (meter().state() == MeterState::Measuring && ticks < kTickLimit) {
        session().tickOnce();
        ++ticks;
    }
    session().setSpaceDown(SpaceSource::Remote, false);
    EXPECT_EQ(meter().state(), MeterState::NameEntry);
    EXPECT_NEAR(ticks, 2 * MeterCore::kTicksPerSecond, 2);
    ASSERT_EQ(meter().leagueTable().count(), 1);
    EXPECT_EQ(nameAt(0), QStringLiteral("Jo"));
    EXPECT_FALSE(session().isTicking()) << "after the turn the meter rests";
    EXPECT_EQ(ranOut.size(), 1);
    EXPECT_EQ(stateWhenTold, static_cast<int>(MeterState::NameEntry)) << "told after the turn ended";
    type("Al");
    session().pressKey(MeterCore::kEnter);
    session().setSpaceDown(SpaceSource::Remote, true);
    for (int i = 0; i < MeterCore::kTicksPerSecond; ++i)
        session().tickOnce();
    session().setSpaceDown(SpaceSource::Remote, false);
    session().pressKey(MeterCore::kEnter);
    EXPECT_EQ(meter().state(), MeterState::NameEntry);
    EXPECT_EQ(ranOut.size(), 1) << "Enter ended Al's turn inside its window";

    // The Microphone dialog's caller may store another length; the session hears it from the
    // store, by the setting's rules, and no other setting moves it.
    storeTurnSeconds(m_settings, 5);
    EXPECT_EQ(meter().turnSeconds(), 5);
    storeMicrophoneRange(m_settings, 12);
    EXPECT_EQ(meter().turnSeconds(), 5);
    storeTurnSeconds(m_settings, 61);
    EXPECT_EQ(meter().turnSeconds(), 0) << "out of range reads as turns until Enter";
}

TEST_F(MeterSessionTest, TogglesAreStoredAndTheWinnersAreAnnouncedOnceEachWay)
{
    session().toggleSummaryScreen();
    session().toggleLeagueTable();
    const DisplaySettings stored = loadDisplaySettings(m_settings);
    EXPECT_FALSE(stored.useLeagueTable);
    EXPECT_TRUE(stored.showSummaryScreen);
    MeterSession next(m_settings);
    EXPECT_FALSE(next.meter().useLeagueTable());
    EXPECT_TRUE(next.meter().showSummaryScreen());

    QSignalSpy winners(&session(), &MeterSession::winnersChanged);
    session().setWinnersShowing(true);
    session().setWinnersShowing(true);
    EXPECT_TRUE(session().winnersShowing());
    session().setWinnersShowing(false);
    ASSERT_EQ(winners.count(), 2);
    EXPECT_TRUE(winners.at(0).at(0).toBool());
    EXPECT_FALSE(winners.at(1).at(0).toBool());
}

TEST_F(MeterSessionTest, ARestoredEventComesBackInNameEntryWithItsTableAndWaitingNames)
{
    runTurn("Kim", SpaceSource::Keyboard, 5);
    session().clearLeagueTable();
    ASSERT_TRUE(session().corrections().canUndo());
    brio::BRStringArray waiting;
    waiting.add(brio::fromQString(QStringLiteral("Lou")));
    QSignalSpy changes(&session(), &MeterSession::displayChanged);
    session().restoreEvent({Score{brio::fromQString(QStringLiteral("Max")), 70, 4},
                            Score{brio::fromQString(QStringLiteral("Nia")), 40, 5}},
                           waiting, 6);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(session().corrections().canUndo()) << "the stored event is not the old table";
    ASSERT_EQ(meter().leagueTable().count(), 2);
    EXPECT_EQ(nameAt(0), QStringLiteral("Max"));
    EXPECT_EQ(meter().state(), MeterState::NameEntry);
    ASSERT_EQ(meter().preloadList().size(), 1u);
    // The next contestant carries on the stored event's order of entry.
    type("Oli");
    session().pressKey(MeterCore::kEnter);
    EXPECT_EQ(meter().state(), MeterState::Measuring);
    session().pressKey(MeterCore::kEscape);
    ASSERT_EQ(meter().leagueTable().count(), 3);
    const int oli = meter().leagueTable().rowOf(6);
    ASSERT_GE(oli, 0);
    EXPECT_EQ(nameAt(oli), QStringLiteral("Oli"));
}

TEST_F(MeterSessionTest, ARemoteStartsAContestantAndHoldsTheApplauseThroughShowControl)
{
    m_listening = false;  // nobody at the keyboard: the remote alone drives the show
    QSignalSpy notices(&session(), &MeterSession::notice);
    ShowControlLink link(m_settings, session());
    const int port = freePort();
    ASSERT_GT(port, 0);
    link.startForThisRun(port);
    ASSERT_TRUE(link.isRunning()) << notices.count() << " notices";
    const QString token = loadShowControlSettings(m_settings).token;
    ASSERT_FALSE(token.isEmpty());
    const QByteArray ok = "{\"ok\":true}";

    QTcpSocket desk;
    desk.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    ASSERT_TRUE(desk.waitForConnected(5000));
    EXPECT_TRUE(post(desk, "/api/contestant", "{\"name\": \"Pia\"}", token).endsWith(ok));
    EXPECT_EQ(meter().state(), MeterState::Measuring);

    // The applause is held while the connection that said "down" stays open, and the
    // session's own clock lifts the level.
    QTcpSocket holder;
    holder.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    ASSERT_TRUE(holder.waitForConnected(5000));
    EXPECT_TRUE(post(holder, "/api/applause", "{\"down\": true}", token).endsWith(ok));
    EXPECT_TRUE(session().spaceDown(SpaceSource::Remote));
    EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().level() > 20; }, 20000));
    holder.disconnectFromHost();
    EXPECT_TRUE(QTest::qWaitFor([this]() { return !session().spaceDown(SpaceSource::Remote); },
                                10000));
    const int peak = meter().peak();
    EXPECT_GT(peak, 20);

    EXPECT_TRUE(post(desk, "/api/enter", {}, token).endsWith(ok));
    EXPECT_EQ(meter().state(), MeterState::NameEntry);
    ASSERT_EQ(meter().leagueTable().count(), 1);
    EXPECT_EQ(nameAt(0), QStringLiteral("Pia"));
    EXPECT_GE(scoreAt(0), peak);
    // The production desk's two commands without a key of their own.
    EXPECT_TRUE(post(desk, "/api/winners", {}, token).endsWith(ok));
    EXPECT_TRUE(session().winnersShowing());
    EXPECT_TRUE(post(desk, "/api/next", {}, token).endsWith(ok));
    EXPECT_EQ(meter().state(), MeterState::NameEntry) << "no name waits: Next starts nothing";
    EXPECT_EQ(notices.count(), 0);
}

TEST_F(MeterSessionTest, CommandsFromOutsideActAsTheKeysWould)
{
    brio::BRStringArray waiting;
    for (const char* name : {"Ria", "Sam"})
        waiting.add(brio::fromQString(QString::fromUtf8(name)));
    session().restoreEvent({}, waiting, 0);
    session().toggleSummaryScreen();
    using Kind = ShowCommand::Kind;

    session().carryOut({Kind::Next, {}, false});
    ASSERT_EQ(meter().state(), MeterState::Measuring);
    EXPECT_EQ(nameAt(meter().currentIndex()), QStringLiteral("Ria"));
    session().carryOut({Kind::Next, {}, false});
    EXPECT_EQ(nameAt(meter().currentIndex()), QStringLiteral("Ria")) << "a turn runs: no next yet";
    session().carryOut({Kind::Applause, {}, true});
    ASSERT_TRUE(tickUntil([this]() { return meter().peak() >= 10; }));
    session().carryOut({Kind::Applause, {}, false});
    session().carryOut({Kind::Enter, {}, false});
    ASSERT_EQ(meter().state(), MeterState::Summary);
    // From the summary, Next is Enter: the next waiting name starts.
    session().carryOut({Kind::Next, {}, false});
    EXPECT_EQ(nameAt(meter().currentIndex()), QStringLiteral("Sam"));
    session().carryOut({Kind::Escape, {}, false});
    ASSERT_EQ(meter().state(), MeterState::NameEntry);

    // A contestant from outside: what the operator had typed gives way.
    type("Typo");
    session().carryOut({Kind::Contestant, QStringLiteral("Tia"), false});
    EXPECT_EQ(nameAt(meter().currentIndex()), QStringLiteral("Tia"));
    EXPECT_EQ(meter().leagueTable().count(), 3);
    session().carryOut({Kind::Escape, {}, false});

    QSignalSpy winners(&session(), &MeterSession::winnersChanged);
    session().carryOut({Kind::Winners, {}, false});
    session().carryOut({Kind::Winners, {}, false});
    ASSERT_EQ(winners.count(), 2);
    EXPECT_EQ(winners.at(0).at(0).toBool(), true);
    EXPECT_EQ(winners.at(1).at(0).toBool(), false);
}

TEST_F(MeterSessionTest, HiddenScoresAreRevealedLowestFirstWithTheWinnersPodiumLast)
{
    session().setHideScores(true);
    EXPECT_TRUE(loadHideScores(m_settings));
    runTurn("Anna", SpaceSource::Keyboard, 20);
    runTurn("Ben", SpaceSource::Keyboard, 200);
    runTurn("Cleo", SpaceSource::Keyboard, 5);
    EXPECT_EQ(session().hiddenNames(), (QStringList{"Anna", "Ben", "Cleo"}));
    // The scores stay in the table: only the audience does not see them.
    EXPECT_EQ(nameAt(0), QStringLiteral("Ben"));
    EXPECT_EQ(scoreAt(0), 100);
    QSignalSpy revealed(&session(), &MeterSession::revealed);
    QSignalSpy winners(&session(), &MeterSession::winnersChanged);
    const std::vector<QString> expected{"Cleo", "Anna", "Ben"};
    for (std::size_t press = 0; press < expected.size(); ++press) {
        ASSERT_TRUE(session().canReveal());
        session().reveal();
        ASSERT_EQ(revealed.count(), static_cast<int>(press) + 1);
        const QList<QVariant> step = revealed.at(static_cast<int>(press));
        EXPECT_EQ(nameAt(step.at(0).toInt()), expected[press]);
        EXPECT_EQ(step.at(1).toBool(), press == 2);
        EXPECT_EQ(session().revealUnderWay(), press < 2);
        EXPECT_EQ(session().scoreReveal().pair.size(), press == 0 || press == 1 ? 2u : 0u);
    }
    EXPECT_FALSE(session().canReveal());
    EXPECT_TRUE(session().winnersShowing());
    EXPECT_EQ(winners.count(), 1);
    // The next turn is hidden again and takes the podium away.
    type("Dee");
    session().pressKey(MeterCore::kEnter);
    EXPECT_FALSE(session().winnersShowing());
    EXPECT_EQ(session().hiddenNames(), QStringList{"Dee"});
    EXPECT_FALSE(session().canReveal());  // not while it measures
    session().pressKey(MeterCore::kEnter);
    EXPECT_TRUE(session().canReveal());
}

TEST_F(MeterSessionTest, EscEndsARevealAndTurningHidingOffShowsEverything)
{
    session().setHideScores(true);
    runTurn("Anna", SpaceSource::Keyboard, 20);
    runTurn("Ben", SpaceSource::Keyboard, 40);
    runTurn("Cleo", SpaceSource::Keyboard, 5);
    session().reveal();
    ASSERT_TRUE(session().revealUnderWay());
    session().endReveal();
    EXPECT_FALSE(session().revealUnderWay());
    EXPECT_TRUE(session().hiddenNames().isEmpty());
    EXPECT_FALSE(session().winnersShowing());
    runTurn("Dee", SpaceSource::Keyboard, 5);
    EXPECT_EQ(session().hiddenNames(), QStringList{"Dee"});
    session().setHideScores(false);
    EXPECT_TRUE(session().hiddenNames().isEmpty());
    EXPECT_FALSE(loadHideScores(m_settings));
    runTurn("Eve", SpaceSource::Keyboard, 5);
    EXPECT_TRUE(session().hiddenNames().isEmpty());
    // A command from outside reveals as the menu does.
    session().setHideScores(true);
    runTurn("Fay", SpaceSource::Keyboard, 5);
    session().carryOut(ShowCommand{ShowCommand::Kind::Reveal, {}, false});
    EXPECT_TRUE(session().hiddenNames().isEmpty());
}

}  // namespace
