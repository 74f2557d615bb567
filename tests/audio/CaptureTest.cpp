// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The capture path against a real PulseAudio server that each test starts for itself,
// with pink noise played into its sink and heard from its virtual microphone "HallMic".
#include "PulseServer.h"
#include "TestSignals.h"

#include "audio/AudioInput.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace audio {
namespace {

using namespace audio::test;

// Bounds for things that take milliseconds on an idle machine: they catch a hang, they
// time nothing (the benchmark does).
constexpr int kPromptMs = 5000;
constexpr int kSettleMs = 10000;
// -25 LUFS on the default calibration reads 83; silence reads 0.
constexpr double kNoiseLufs = -25.0;
constexpr int kLoudLevel = 50;
constexpr int kQuietLevel = 10;

const char kHallMic[] = "HallMic";
const char kOwnProcess[] =
    "another capture test already used the sound system in this process; ctest runs each in its own";

// Without a server there is no microphone, and saying so must not wait for anything.
TEST(CaptureWithoutServer, ReportsNoInputDevicePromptly)
{
    if (!claimSoundSystem())
        GTEST_SKIP() << kOwnProcess;
    AudioInput input;
    QSignalSpy failed(&input, &AudioInput::failed);
    input.startDevice(QString(), kUnmeasuredRoom);
    ASSERT_TRUE(failed.wait(kPromptMs));
    EXPECT_TRUE(failed.first().first().toString().contains(QLatin1String("No microphone")));
    EXPECT_FALSE(input.isLive());
    EXPECT_TRUE(AudioInput::devices().isEmpty());
}

class CaptureTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!PulseServer::isInstalled())
            GTEST_SKIP() << "pulseaudio, pactl or paplay is missing "
                            "(scripts/install-deps.sh installs them)";
        if (!claimSoundSystem())
            GTEST_SKIP() << kOwnProcess;
        ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
        const std::vector<float> noise = pinkNoise(framesFor(8000));
        // Pink noise of RMS 1 reads within a few tenths of 0 LUFS.
        m_noise = m_folder.filePath(QStringLiteral("noise.wav"));
        ASSERT_TRUE(writeFile(m_noise, wavFile(scaled(noise, std::pow(10.0, kNoiseLufs / 20.0)),
                                               makeFormat(QAudioFormat::Int16, 1))));
    }

    void TearDown() override { m_server.stop(); }

    bool remapModule(bool load)
    {
        if (!load)
            return m_server.pactl({QStringLiteral("unload-module"),
                                   QStringLiteral("module-remap-source")});
        return m_server.pactl({QStringLiteral("load-module"),
                               QStringLiteral("module-remap-source"),
                               QStringLiteral("master=hall.monitor"),
                               QStringLiteral("source_name=hallmic"),
                               QStringLiteral("source_properties=device.description=HallMic")}) &&
               m_server.pactl({QStringLiteral("set-default-source"), QStringLiteral("hallmic")});
    }

    // Noise raises the level, silence lets it fall.
    void expectLevelFollowsTheRoom(AudioInput& input)
    {
        ASSERT_TRUE(m_server.play(m_noise));
        EXPECT_TRUE(QTest::qWaitFor([&] { return input.level() > kLoudLevel; }, kSettleMs))
            << "level " << input.level() << ", " << input.loudnessLufs() << " LUFS";
        m_server.stopPlaying();
        EXPECT_TRUE(QTest::qWaitFor([&] { return input.level() < kQuietLevel; }, kSettleMs))
            << "level " << input.level();
        EXPECT_TRUE(input.isLive());
    }

    PulseServer m_server;
    QTemporaryDir m_folder;
    QString m_noise;
};

TEST_F(CaptureTest, ListsTheVirtualMicrophoneWithIdAndDescription)
{
    const QList<InputDevice> devices = AudioInput::devices();
    const auto hallMic = std::find_if(devices.begin(), devices.end(), [](const InputDevice& d) {
        return d.description == QLatin1String(kHallMic);
    });
    ASSERT_NE(hallMic, devices.end());
    EXPECT_EQ(hallMic->id, QStringLiteral("hallmic"));
}

TEST_F(CaptureTest, DefaultMicrophoneLevelRisesWithNoiseAndFallsInSilence)
{
    AudioInput input;
    QSignalSpy failed(&input, &AudioInput::failed);
    input.startDevice(QString(), kUnmeasuredRoom);
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.isLive(); }, kSettleMs));
    expectLevelFollowsTheRoom(input);
    EXPECT_TRUE(failed.isEmpty()) << failed.first().first().toString().toStdString();
}

TEST_F(CaptureTest, ChosenMicrophoneIsHeardAndItsRoomCanBeMeasured)
{
    AudioInput input;
    input.startDevice(QStringLiteral("hallmic"), kUnmeasuredRoom);
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.isLive(); }, kSettleMs));
    expectLevelFollowsTheRoom(input);

    QSignalSpy measured(&input, &AudioInput::floorMeasured);
    ASSERT_TRUE(m_server.play(m_noise));
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.level() > kLoudLevel; }, kSettleMs));
    ASSERT_TRUE(input.measureFloor());
    ASSERT_TRUE(measured.wait(kSettleMs));
    // The sink mixes to stereo and back; the noise arrives at its own loudness.
    EXPECT_NEAR(measured.first().first().toDouble(), kNoiseLufs, 1.0);
}

TEST_F(CaptureTest, AMissingMicrophoneIsNamedAndNothingIsPublished)
{
    AudioInput input;
    QSignalSpy failed(&input, &AudioInput::failed);
    input.startDevice(QStringLiteral("usb-mic-that-is-not-there"), kUnmeasuredRoom);
    ASSERT_TRUE(failed.wait(kPromptMs));
    EXPECT_TRUE(failed.first().first().toString().contains(QLatin1String("usb-mic-that-is-not-there")));
    EXPECT_FALSE(input.isLive());
}

TEST_F(CaptureTest, AMicrophoneThatGoesAwayIsReportedAndItsReturnNoticed)
{
    AudioInput input;
    QSignalSpy failed(&input, &AudioInput::failed);
    QSignalSpy resumed(&input, &AudioInput::resumed);
    input.startDevice(QStringLiteral("hallmic"), kUnmeasuredRoom);
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.isLive(); }, kSettleMs));

    ASSERT_TRUE(remapModule(false));
    ASSERT_TRUE(failed.wait(kSettleMs));
    const QString lost = failed.first().first().toString();
    EXPECT_TRUE(lost.contains(QLatin1String(kHallMic))) << lost.toStdString();
    EXPECT_FALSE(input.isLive());
    EXPECT_EQ(input.level(), 0);

    ASSERT_TRUE(remapModule(true));
    ASSERT_TRUE(resumed.wait(kSettleMs));
    EXPECT_TRUE(resumed.first().first().toString().contains(QLatin1String(kHallMic)));
    EXPECT_TRUE(input.isLive());
    expectLevelFollowsTheRoom(input);
    EXPECT_EQ(failed.size(), 1);  // one outage, one message
}

TEST_F(CaptureTest, WhenTheServerStopsTheInputFallsBackToTheKeyboard)
{
    AudioInput input;
    QSignalSpy failed(&input, &AudioInput::failed);
    input.startDevice(QString(), kUnmeasuredRoom);
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.isLive(); }, kSettleMs));
    m_server.stop();
    ASSERT_TRUE(failed.wait(kSettleMs));
    EXPECT_FALSE(input.isLive());
}

}  // namespace
}  // namespace audio
