// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The room heard by several microphones through the show the application owns: each one's
// loudness above its own floor averaged as energy into the meter's level, the held score
// over that, and a microphone unplugged in the middle of a turn on a real sound server.

#include "audio/PulseServer.h"
#include "audio/TestSignals.h"
#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/TurnDetails.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/MicrophoneSettings.h"
#include "remote/ShowControlSettings.h"
#include "show/MeterResults.h"
#include "show/RoomCalibration.h"
#include "show/Show.h"
#include "store/ResultsCsv.h"
#include "store/StoreMessages.h"
#include "ShowControlRequests.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>
#include <utility>

namespace {

using namespace audio::test;

// Generous bounds for real-time playback on a busy machine; they time nothing.
constexpr int kSettleMs = 30000;
constexpr double kFloorLufs = -50.0;
constexpr int kRangeLu = 30;

// A steady 997 Hz tone reads at exactly the loudness asked for, so the arithmetic can be
// checked to one step of the meter; it stands in for applause as loud.
using Sound = std::vector<std::pair<double, int>>;  // LU above the floor, for milliseconds

bool writeSound(const QString& file, const Sound& sound)
{
    std::vector<float> samples;
    for (const auto& [above, milliseconds] : sound)
        samples = joined(samples, sine(framesFor(milliseconds), 997.0, sineAmplitudeFor(kFloorLufs + above)));
    return writeFile(file, wavFile(samples, makeFormat(QAudioFormat::Int16, 1)));
}

// The level the meter shows for this many LU above the floor.
double levelOf(double aboveLu)
{
    return std::clamp(aboveLu * 100.0 / kRangeLu, 0.0, 100.0);
}

// The energy mean of LU figures.
double energyMean(std::initializer_list<double> aboveLu)
{
    double energy = 0.0;
    for (const double above : aboveLu)
        energy += std::pow(10.0, above / 10.0);
    return 10.0 * std::log10(energy / double(aboveLu.size()));
}

class RoomMicrophones : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_settings.init("Ovatron");
        storeShowSummaryScreen(m_settings, false);
        storeUseMicrophone(m_settings, true);
        storeMicrophoneRange(m_settings, kRangeLu);
    }

    void makeShow()
    {
        m_show.reset();
        m_show = std::make_unique<Show>(
            m_settings, m_folder.filePath(QStringLiteral("events%1.sqlite").arg(++m_shows)));
        ASSERT_TRUE(m_show->openResults().saving());
        m_show->beginEvent();
    }

    const MeterCore& meter() { return m_show->session().meter(); }

    bool allHear()
    {
        const std::vector<MicrophoneLevel> levels = m_show->microphone().microphoneLevels();
        return !levels.empty() && std::all_of(levels.begin(), levels.end(), [](const auto& m) {
            return m.live && m.level > 0;
        });
    }

    // Ann's turn from the moment every microphone hears until it took this many readings;
    // `during` runs once it took `at` of them. Her score, or -1.
    int turn(std::size_t readings, std::size_t at = 0, const std::function<void()>& during = {})
    {
        if (!QTest::qWaitFor([this] { return allHear(); }, kSettleMs))
            return -1;
        MeterSession& session = m_show->session();
        session.typeText(brio::fromQString(QStringLiteral("Ann")));
        session.pressKey(MeterCore::kEnter);
        if (during) {
            if (!QTest::qWaitFor([&] { return meter().currentCurve().readings.size() >= at; },
                                 kSettleMs))
                return -1;
            during();
        }
        if (!QTest::qWaitFor([&] { return meter().currentCurve().readings.size() >= readings; },
                             kSettleMs))
            return -1;
        session.pressKey(MeterCore::kEnter);
        const LeagueTable& table = meter().leagueTable();
        return table.count() == 1 ? table.entry(0).score : -1;
    }

    // A show whose microphones are these sounds, each a file.
    bool listenToFiles(const std::vector<Sound>& sounds)
    {
        QStringList files;
        for (const Sound& sound : sounds) {
            files.append(m_folder.filePath(QStringLiteral("mic%1-%2.wav").arg(m_shows).arg(files.size())));
            if (!writeSound(files.back(), sound))
                return false;
        }
        makeShow();
        m_show->microphone().begin(files);
        return true;
    }

    // Show control's state, as a remote reads it.
    QJsonObject state()
    {
        if (!m_show->showControl().isRunning())
            m_show->showControl().startForThisRun(ovatron::test::freePort());
        QTcpSocket remote;
        remote.connectToHost(QHostAddress::LocalHost, quint16(m_show->showControl().current().port));
        const QByteArray reply = ovatron::test::get(remote, "/api/state", loadShowControlSettings(m_settings).token);
        return QJsonDocument::fromJson(ovatron::test::bodyOf(reply)).object();
    }

    QTemporaryDir m_folder;
    AppConfig m_settings;
    PulseServer m_server;  // started by the test that needs it; stopped after the show
    std::unique_ptr<Show> m_show;
    int m_shows = 0;
};

TEST_F(RoomMicrophones, TheRoomsScoreIsTheEnergyMeanOfItsMicrophonesAboveTheirFloors)
{
    // Each file loops. The shout, a second and a half of every two and a half, is on the
    // first microphone only; the held level of eight seconds takes it in.
    const Sound applause{{24.0, 3000}};
    const Sound quieter{{18.0, 3000}};  // the same, 6 dB lower
    const Sound softly{{12.0, 2500}};
    const Sound shout{{12.0, 1000}, {28.0, 1500}};
    struct Case {
        const char* what;
        std::vector<Sound> microphones;
        std::size_t readings;
        double expected;
    };
    const Case cases[] = {
        {"the applause alone", {applause}, 40, levelOf(24.0)},
        {"6 dB quieter alone", {quieter}, 40, levelOf(18.0)},
        {"both: the energy mean", {applause, quieter}, 40, levelOf(energyMean({24.0, 18.0}))},
        {"soft applause on both", {softly, softly}, 80, levelOf(12.0)},
        {"the shouting side alone", {shout}, 80, levelOf(28.0)},
        {"the shout on one, beside soft applause", {shout, softly}, 80,
         levelOf(energyMean({28.0, 12.0}))},
    };
    std::vector<int> scores;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Each sound a file standing in for one microphone.
        scores.push_back(listenToFiles(c.microphones) ? turn(c.readings) : -1);
        EXPECT_NEAR(scores.back(), c.expected, 1.0);
    }
    ASSERT_EQ(scores.size(), 6u);
    EXPECT_LT(scores[1], scores[2]) << "the room lies between its two microphones";
    EXPECT_LT(scores[2], scores[0]) << "the room lies between its two microphones";
    EXPECT_LT(scores[5] - scores[3], scores[4] - scores[3])
        << "one microphone's shout moves the room less than it moves that microphone alone";
}

TEST_F(RoomMicrophones, ADuelsLouderSideWinsCloseSidesDrawAndBothAreRows)
{
    storeMicrophones(m_settings, {{{}, QStringLiteral("Left"), kFloorLufs},
                                  {{}, QStringLiteral("Right"), kFloorLufs}});
    const std::tuple<const char*, double, double, const char*> cases[] = {
        {"the left side 6 dB louder", 24.0, 18.0, "Blue House"},
        {"the right side 6 dB louder", 12.0, 18.0, "Red House"},
        {"equal sides", 18.0, 18.0, "draw"},
    };
    for (const auto& [what, left, right, winner] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(listenToFiles({{{left, 3000}}, {{right, 3000}}}));
        ASSERT_TRUE(QTest::qWaitFor([this] { return allHear(); }, kSettleMs));
        ShowCommand duel{ShowCommand::Kind::Duel, {}, false};
        duel.names = QStringList{QStringLiteral("Blue House"), QStringLiteral("Red House")};
        duel.left = QStringList{QStringLiteral("left")};  // places are named in any case
        duel.right = QStringList{QStringLiteral("Right")};
        m_show->session().carryOut(duel);
        ASSERT_TRUE(QTest::qWaitFor([&] { return meter().currentCurve().readings.size() >= 40; },
                                    kSettleMs));
        const QJsonObject running = state();
        EXPECT_TRUE(running.value("duel").toObject().value("winner").isNull());
        EXPECT_EQ(running.value("microphones").toArray()[1].toObject().value("place"), "Right");
        m_show->session().pressKey(MeterCore::kEnter);

        const QJsonObject over = state().value("duel").toObject();
        EXPECT_EQ(over.value("winner").toString(), QLatin1String(winner));
        EXPECT_NEAR(over.value("left").toObject().value("score").toInt(), levelOf(left), 1.0);
        EXPECT_NEAR(over.value("right").toObject().value("score").toInt(), levelOf(right), 1.0);
        // Both sides are rows with those scores, in the export as any turn, each row's curve
        // with its own side's microphone beside it.
        const StoredEvent results = resultsOf(m_show->session(), m_show->eventStarted());
        const Duel& ended = *m_show->session().duel();
        for (const auto& [order, place] : {std::pair{ended.leftOrder, u"Left"}, {ended.rightOrder, u"Right"}}) {
            ASSERT_FALSE(meter().curvesOf(order).empty());
            const TurnCurve& curve = meter().curvesOf(order).back();
            ASSERT_EQ(curve.source.microphones.size(), 1u);
            EXPECT_EQ(curve.source.microphones[0].place, brio::BRString(place));
            EXPECT_EQ(curve.source.inputName, curve.source.microphones[0].inputName);
            EXPECT_EQ(curve.source.floorLufs, curve.source.microphones[0].floorLufs);
            EXPECT_EQ(curve.microphoneReadings.at(0), curve.readings) << "one microphone is its side";
        }
        const QString csv = QString::fromUtf8(resultsCsv(results, StoreMessages::firstRoundName()));
        for (const char* side : {"left", "right"}) {
            const QJsonObject shown = over.value(side).toObject();
            EXPECT_TRUE(csv.contains(QStringLiteral(",%1,%2").arg(shown.value("name").toString())
                                         .arg(shown.value("score").toInt())))
                << side << "\n" << csv.toStdString();
        }
    }
}

// A dead microphone beside a working one is named as silent, not the working one as far above.
TEST(RoomCalibration, NamesASilentMicrophoneApartFromOneFarAboveTheOthers)
{
    const QStringList places{QStringLiteral("Left"), QStringLiteral("Right")};
    constexpr double kDead = -std::numeric_limits<double>::infinity();
    const std::tuple<std::vector<std::vector<double>>, const char*> cases[] = {
        {{{-50, -51}, {-49, -50}}, nullptr},
        {{{-50, -51}, {kDead, -120}}, "\"Right\" heard nothing"},
        {{{-50, -51}, {-38, -39}}, "\"Right\" read more than 10 LU above"},
        {{{-50, -51}, {-38, -50}}, nullptr},  // above for a moment only
    };
    for (const auto& [loudness, warning] : cases) {
        const QStringList warnings = roomCalibrationWarnings(places, loudness);
        EXPECT_EQ(warnings.size(), warning ? 1 : 0) << warnings.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(!warning || warnings.value(0).contains(QLatin1String(warning))) << warning;
    }
}

// Measured at once, each microphone gets its own floor; a silent one keeps the one it had.
TEST_F(RoomMicrophones, MeasuringTheRoomGivesEachMicrophoneItsOwnFloor)
{
    storeMicrophones(m_settings, {{{}, QStringLiteral("Left"), -60.0},
                                  {{}, QStringLiteral("Right"), -60.0},
                                  {{}, QStringLiteral("Stage"), -60.0}});
    // A quiet room 7 LU apart at two spots, and a microphone that hears nothing.
    ASSERT_TRUE(listenToFiles({{{-5.0, 4000}}, {{2.0, 4000}}, {{-200.0, 4000}}}));
    ASSERT_TRUE(QTest::qWaitFor([this] {
        const std::vector<MicrophoneLevel> levels = m_show->microphone().microphoneLevels();
        return levels.size() == 3 && levels[0].level > 0 && levels[1].level > 0;
    }, kSettleMs));
    QSignalSpy measured(&m_show->microphone(), &MicrophoneSource::roomMeasured);
    ASSERT_TRUE(m_show->microphone().measureRoom());
    ASSERT_TRUE(measured.wait(kSettleMs));
    const QStringList warnings = measured.first().first().toStringList();
    ASSERT_EQ(warnings.size(), 1) << warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("\"Stage\""))) << warnings.first().toStdString();
    const std::vector<MicrophoneSpot> stored = loadMicrophoneConfig(m_settings).microphones;
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_NEAR(stored[0].floorLufs, kFloorLufs - 5.0, 1.0);
    EXPECT_NEAR(stored[1].floorLufs, kFloorLufs + 2.0, 1.0);
    EXPECT_DOUBLE_EQ(stored[2].floorLufs, -60.0);
}

TEST_F(RoomMicrophones, AnUnpluggedMicrophoneIsNamedOnceAndTheTurnGoesOnWithTheOthers)
{
    if (!PulseServer::isInstalled())
        GTEST_SKIP() << "pulseaudio is not installed";
    if (!claimSoundSystem())
        GTEST_SKIP() << "the sound system was claimed by an earlier test in this process";
    ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
    ASSERT_GE(m_server.loadModule({QStringLiteral("module-null-sink"), QStringLiteral("sink_name=right")}), 0);
    const int right = m_server.loadModule({QStringLiteral("module-remap-source"),
                                         QStringLiteral("master=right.monitor"),
                                         QStringLiteral("source_name=rightmic")});
    ASSERT_GE(right, 0);
    storeMicrophones(m_settings, {{QStringLiteral("hallmic"), QStringLiteral("Left"), kFloorLufs},
                                  {QStringLiteral("rightmic"), QStringLiteral("Right"), kFloorLufs}});
    // The right side quieter: left out as silence rather than dropped, it would pull the
    // room 10 below the left's level.
    for (const auto& [sink, above] : {std::pair{"hall", 18.0}, {"right", 6.0}}) {
        const QString file = m_folder.filePath(QLatin1String(sink) + QStringLiteral(".wav"));
        ASSERT_TRUE(writeSound(file, {{above, 25000}}));
        ASSERT_TRUE(m_server.play(file, QLatin1String(sink)));
    }
    makeShow();
    QSignalSpy notices(&m_show->session(), &MeterSession::notice);
    m_show->microphone().begin();

    const int score = turn(80, 10, [&] {
        ASSERT_TRUE(m_server.pactl({QStringLiteral("unload-module"), QString::number(right)}));
    });
    EXPECT_NEAR(score, levelOf(18.0), 2.0) << "the score is the left microphone's alone";
    EXPECT_EQ(meter().state(), MeterState::NameEntry);
    // The turn's curve records that the right microphone stopped, and the left heard it all.
    const std::vector<MicrophoneLine> heard = microphoneLines(meter().curvesOf(0).back());
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].heard, heard[0].readings.size());
    ASSERT_TRUE(heard[1].stoppedAfter) << "the right microphone heard to the end";
    EXPECT_GE(*heard[1].stoppedAfter, 1.0) << "it heard the ten readings before it was removed";
    const std::vector<MicrophoneLevel> levels = m_show->microphone().microphoneLevels();
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_TRUE(levels[0].live && !levels[1].live);
    ASSERT_EQ(notices.size(), 1) << notices.last().first().toString().toStdString();
    EXPECT_TRUE(notices.first().first().toString().contains(QStringLiteral("\"Right\"")))
        << notices.first().first().toString().toStdString();
}

}  // namespace
