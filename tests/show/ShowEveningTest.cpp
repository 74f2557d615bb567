// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole evening through the show the application owns, with no widget: the keys, a phone
// remote over show control, a lighting desk over OSC, the microphone's level from a file,
// rounds, hidden scores and their reveal, and the results file with its export.

#include "audio/TestSignals.h"
#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/MicrophoneSettings.h"
#include "core/settings/OscSettings.h"
#include "remote/ShowControlSettings.h"
#include "show/MeterResults.h"
#include "show/Show.h"
#include "store/ResultsCsv.h"
#include "store/StoreMessages.h"
#include "ShowControlRequests.h"

#include <gtest/gtest.h>

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

namespace {

using namespace audio::test;
using ovatron::test::freePort;

// Generous bounds for real sockets and real-time playback on a busy machine; they time nothing.
constexpr int kSettleMs = 10000;
const QByteArray kOscHold("/ovatron/applause\0\0\0,i\0\0\0\0\0\1", 28);
const QByteArray kOscLetGo("/ovatron/applause\0\0\0,i\0\0\0\0\0\0", 28);

class ShowEvening : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_settings.init("Ovatron");
        storeUseLeagueTable(m_settings, true);
        storeShowSummaryScreen(m_settings, false);
        m_show = std::make_unique<Show>(m_settings, m_folder.filePath(QStringLiteral("events.sqlite")));
        m_show->followSettings();
        ASSERT_TRUE(m_show->openResults().saving());
        m_show->beginEvent();
        session().setListening([]() { return true; });
    }

    MeterSession& session() { return m_show->session(); }
    const MeterCore& meter() { return session().meter(); }

    // A request on the phone's connection, which stays open (a hold lasts as long as it).
    QByteArray post(const QByteArray& path, const QByteArray& body)
    {
        if (m_phone.state() != QAbstractSocket::ConnectedState) {
            m_phone.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(m_port));
            if (!m_phone.waitForConnected(kSettleMs))
                return {};
        }
        return ovatron::test::post(m_phone, path, body, m_token);
    }

    void startShowControl()
    {
        m_port = freePort();
        ASSERT_GT(m_port, 0);
        m_show->showControl().startForThisRun(m_port);
        ASSERT_TRUE(m_show->showControl().isRunning());
        m_token = loadShowControlSettings(m_settings).token;
    }

    void startOsc()
    {
        m_oscPort = freePort();
        OscSettings on;
        on.on = true;
        on.port = m_oscPort;
        storeOscSettings(m_settings, on);
        m_show->osc().followSettings();
        ASSERT_NE(m_show->osc().link(), nullptr);
    }

    // The phone keeps holding, repeating its "down" as it does, until the level is at the
    // top; bounded in tries.
    bool climbsToTheTop()
    {
        for (int repeat = 0; repeat < 20 && meter().level() < 100; ++repeat) {
            post("/api/applause", "{\"down\": true}");
            [[maybe_unused]] const bool top =
                QTest::qWaitFor([this]() { return meter().level() == 100; }, 500);
        }
        return meter().level() == 100;
    }

    void osc(const QByteArray& datagram)
    {
        QUdpSocket desk;
        desk.writeDatagram(datagram, QHostAddress::LocalHost, static_cast<quint16>(m_oscPort));
    }

    int scoreOf(const char* name)
    {
        const LeagueTable& table = meter().leagueTable();
        for (int row = 0; row < table.count(); ++row) {
            if (brio::toQString(table.entry(row).name) == QLatin1String(name))
                return table.entry(row).score;
        }
        return -1;
    }

    QTemporaryDir m_folder;
    AppConfig m_settings;
    std::unique_ptr<Show> m_show;
    int m_port = 0;
    int m_oscPort = 0;
    QString m_token;
    QTcpSocket m_phone;
};

TEST_F(ShowEvening, EveryInputAndEveryRoundGoThroughTheOneShow)
{
    const QByteArray ok = "{\"ok\":true}";
    // SPACE held for a while, and Enter.
    const auto applaud = [this]() {
        session().setSpaceDown(SpaceSource::Keyboard, true);
        for (int tick = 0; tick < 40; ++tick)
            session().tickOnce();
        session().setSpaceDown(SpaceSource::Keyboard, false);
        session().pressKey(MeterCore::kEnter);
    };
    // The keys: Ada's turn.
    session().typeText(brio::fromQString(QStringLiteral("Ada")));
    session().pressKey(MeterCore::kEnter);
    applaud();
    EXPECT_GT(scoreOf("Ada"), 20);

    // A phone remote: Ben, held by one connection, let go by the same one.
    startShowControl();
    EXPECT_TRUE(post("/api/contestant", "{\"name\": \"Ben\"}").endsWith(ok));
    ASSERT_EQ(meter().state(), MeterState::Measuring);
    EXPECT_TRUE(post("/api/applause", "{\"down\": true}").endsWith(ok));
    EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().level() > 10; }, kSettleMs));
    EXPECT_TRUE(post("/api/applause", "{\"down\": false}").endsWith(ok));
    EXPECT_TRUE(post("/api/enter", {}).endsWith(ok));
    EXPECT_GT(scoreOf("Ben"), 10);

    // A lighting desk over OSC: Cal.
    startOsc();
    osc(QByteArray("/ovatron/contestant\0,s\0\0Cal\0", 28));
    ASSERT_TRUE(QTest::qWaitFor([this]() { return meter().state() == MeterState::Measuring; },
                                kSettleMs));
    osc(kOscHold);
    EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().level() > 10; }, kSettleMs));
    osc(kOscLetGo);
    osc(QByteArray("/ovatron/enter\0\0,\0\0\0", 20));
    ASSERT_TRUE(QTest::qWaitFor([this]() { return meter().state() == MeterState::NameEntry; },
                                kSettleMs));
    EXPECT_GT(scoreOf("Cal"), 10);

    // The microphone, a file of a loud tone standing in for the room: Dee's score is the
    // level it held.
    const QString tone = m_folder.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeFile(tone, wavFile(sine(framesFor(1000), 997.0, sineAmplitudeFor(-30.0)),
                                        makeFormat(QAudioFormat::Int16, 1))));
    storeMicrophoneFloor(m_settings, -60.0);
    storeMicrophoneRange(m_settings, 40);
    m_show->microphone().begin({tone});
    m_show->microphone().setInUse(true);
    session().typeText(brio::fromQString(QStringLiteral("Dee")));
    session().pressKey(MeterCore::kEnter);
    EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().peak() > 50; }, kSettleMs));
    session().pressKey(MeterCore::kEnter);
    m_show->microphone().setInUse(false);
    EXPECT_GT(scoreOf("Dee"), 50);

    // A final of the best two, hidden from the audience. Dee, waiting second, is started by
    // name over the API: she runs once, and leaves the running order.
    ASSERT_TRUE(session().addRound(QStringLiteral("Final"), {QStringLiteral("Ada"),
                                                             QStringLiteral("Dee")}).isEmpty());
    session().setHideScores(true);
    EXPECT_TRUE(post("/api/contestant", "{\"name\": \"Dee\"}").endsWith(ok));
    applaud();
    EXPECT_EQ(meter().preloadList().size(), 1) << "Dee no longer waits";
    EXPECT_TRUE(post("/api/next", {}).endsWith(ok));
    applaud();
    EXPECT_TRUE(post("/api/next", {}).endsWith(ok));
    EXPECT_EQ(meter().state(), MeterState::NameEntry) << "nobody is left to start";
    EXPECT_EQ(meter().leagueTable().count(), 2);
    EXPECT_EQ(session().hiddenNames(), (QStringList{QStringLiteral("Dee"), QStringLiteral("Ada")}));

    // The reveal: one score a press, lowest first, then the winners.
    QSignalSpy steps(&session(), &MeterSession::revealed);
    for (int press = 0; press < 3 && session().canReveal(); ++press)
        session().reveal();
    EXPECT_EQ(steps.count(), 2);
    EXPECT_TRUE(session().hiddenNames().isEmpty());
    EXPECT_TRUE(session().winnersShowing());

    // The export of the final holds each of its contestants once.
    const QString csv = QString::fromUtf8(
        resultsCsv(resultsOf(session(), m_show->eventStarted()), StoreMessages::firstRoundName()));
    EXPECT_EQ(csv.count(QStringLiteral(",Dee,")), 2) << csv.toStdString();  // the heat and the final
    EXPECT_EQ(csv.count(QStringLiteral(",Ada,")), 2) << csv.toStdString();
    m_show->end();
    const std::optional<StoredEvent> stored = m_show->recorder().latestEvent();
    ASSERT_TRUE(stored.has_value());
    ASSERT_EQ(stored->rounds.size(), 2u);
    EXPECT_EQ(stored->rounds[0].entries.size(), 4u);
    EXPECT_EQ(stored->rounds[1].entries.size(), 2u) << "Dee and Ada once each in the final";
}

// Held applause from outside is each holder's own: a phone holds, and what lets go decides
// whether the meter goes on climbing.
TEST_F(ShowEvening, APhonesHoldEndsOnlyByItsOwnReleaseOrItsConnectionClosing)
{
    enum class Then { OscLetsGo, PhoneLetsGo, PhoneHangsUp };
    struct Case {
        const char* name;
        Then then;
        bool climbs;
    };
    const Case cases[] = {
        {"OSC lets go", Then::OscLetsGo, true},
        {"the phone lets go", Then::PhoneLetsGo, false},
        {"the phone's connection closes", Then::PhoneHangsUp, false},
    };
    startShowControl();
    startOsc();
    session().setListening([]() { return false; });  // nobody at the keyboard
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_TRUE(post("/api/contestant", "{\"name\": \"Tia\"}").contains("200 OK"));
        ASSERT_TRUE(post("/api/applause", "{\"down\": true}").contains("200 OK"));
        ASSERT_TRUE(QTest::qWaitFor([this]() { return meter().level() > 30; }, kSettleMs));
        if (test.then == Then::OscLetsGo) {
            // The desk holds a moment too, then lets go of its own hold only. The phone says
            // "down" again first, as it repeats its hold, so that its own silence has not
            // run out however slow the machine.
            ASSERT_TRUE(post("/api/applause", "{\"down\": true}").contains("200 OK"));
            osc(kOscHold);
            ASSERT_TRUE(QTest::qWaitFor(
                [this]() { return session().spaceDown(SpaceSource::Osc); }, kSettleMs));
            osc(kOscLetGo);
            ASSERT_TRUE(QTest::qWaitFor(
                [this]() { return !session().spaceDown(SpaceSource::Osc); }, kSettleMs));
        } else if (test.then == Then::PhoneLetsGo) {
            post("/api/applause", "{\"down\": false}");
        } else {
            m_phone.abort();
        }
        if (test.climbs) {
            EXPECT_TRUE(session().spaceDown(SpaceSource::Remote));
            EXPECT_TRUE(climbsToTheTop());
        } else
            EXPECT_TRUE(QTest::qWaitFor([this]() { return meter().level() == 0; }, kSettleMs));
        post("/api/applause", "{\"down\": false}");
        ASSERT_TRUE(post("/api/enter", {}).contains("200 OK"));
    }
}

}  // namespace
