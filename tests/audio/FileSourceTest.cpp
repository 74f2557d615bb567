// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The facade playing WAV files: the same path and the same signals as a microphone.
#include "TestSignals.h"

#include "audio/AudioInput.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace audio {
namespace {

using namespace audio::test;

// Generous bounds: these wait for real-time playback on a busy machine, they time nothing.
constexpr int kSettleMs = 10000;

class FileSourceTest : public testing::Test {
protected:
    QString writeWav(const QString& name, const std::vector<float>& mono, const QAudioFormat& format)
    {
        const QString path = m_folder.filePath(name);
        EXPECT_TRUE(writeFile(path, wavFile(mono, format)));
        return path;
    }

    QTemporaryDir m_folder;
};

TEST_F(FileSourceTest, PlaysAFileInRealTimeAndPublishesItsLevel)
{
    // A 1 s tone at -35 LUFS, looped: level 50 on the default calibration.
    const std::vector<float> tone = sine(framesFor(1000, 44100), 997.0, sineAmplitudeFor(-35.0), 44100);
    const QString path = writeWav(QStringLiteral("tone.wav"), tone, makeFormat(QAudioFormat::Int16, 2, 44100));
    AudioInput input;
    QSignalSpy failed(&input, &AudioInput::failed);
    input.startFile(path, kUnmeasuredRoom);
    // Readings come for every 10 ms of sound; after 3 s the short-term window is full.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return input.isLive() && input.readingCount() >= 300; }, kSettleMs));
    EXPECT_NEAR(input.loudnessLufs(), -35.0, 0.3);
    EXPECT_NEAR(input.level(), 50, 1);
    // And keep coming while the file loops.
    const quint64 before = input.readingCount();
    EXPECT_TRUE(QTest::qWaitFor([&] { return input.readingCount() >= before + 150; }, kSettleMs));
    EXPECT_NEAR(input.level(), 50, 1);

    input.setCalibration({-45.0, 20.0});
    EXPECT_TRUE(QTest::qWaitFor([&] { return input.level() == 50; }, kSettleMs));  // (-35 + 45) / 20

    input.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !input.isLive(); }, kSettleMs));
    EXPECT_EQ(input.level(), 0);
    EXPECT_TRUE(failed.isEmpty());
}

TEST_F(FileSourceTest, MeasuresTheFloorOfARecordedRoom)
{
    const std::vector<float> hum = sine(framesFor(500), 997.0, sineAmplitudeFor(-52.4));
    const QString path = writeWav(QStringLiteral("room.wav"), hum, makeFormat(QAudioFormat::Float, 1));
    AudioInput input;
    EXPECT_FALSE(input.measureFloor());  // nothing heard yet
    QSignalSpy measured(&input, &AudioInput::floorMeasured);
    input.startFile(path, kUnmeasuredRoom);
    ASSERT_TRUE(QTest::qWaitFor([&] { return input.isLive(); }, kSettleMs));
    ASSERT_TRUE(input.measureFloor());
    ASSERT_TRUE(measured.wait(kSettleMs));
    EXPECT_NEAR(measured.first().first().toDouble(), -52.4, 0.5);
}

TEST_F(FileSourceTest, AnUnreadableFileIsReportedInOneLineAndNothingIsPublished)
{
    const QString notWav = m_folder.filePath(QStringLiteral("notes.wav"));
    ASSERT_TRUE(writeFile(notWav, QByteArray("RIFF but not really a wave file")));
    struct Case {
        QString path;
        const char* says;
    };
    const Case cases[] = {
        {m_folder.filePath(QStringLiteral("missing.wav")), "cannot be read"},
        {notWav, "is not a WAV file"},
    };
    for (const Case& c : cases) {
        AudioInput input;
        QSignalSpy failed(&input, &AudioInput::failed);
        input.startFile(c.path, kUnmeasuredRoom);
        ASSERT_TRUE(failed.wait(kSettleMs));
        const QString message = failed.first().first().toString();
        EXPECT_TRUE(message.contains(c.path)) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(c.says))) << message.toStdString();
        EXPECT_FALSE(message.contains(QLatin1Char('\n')));
        EXPECT_FALSE(input.isLive());
        EXPECT_EQ(input.readingCount(), 0u);
    }
}

}  // namespace
}  // namespace audio
