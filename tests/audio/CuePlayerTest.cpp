// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound cues' player: the operator's WAV files and the project's own cues as they are
// read, and playing through a real PulseAudio server that each playing test starts for
// itself, heard back from its virtual microphone.
#include "PulseServer.h"
#include "TestSignals.h"

#include "audio/AudioInput.h"
#include "audio/CuePlayback.h"
#include "audio/CueSample.h"
#include "audio/WavFile.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace audio {
namespace {

using namespace audio::test;

// Bounds that catch a hang; they time nothing.
constexpr int kPromptMs = 5000;
constexpr int kSettleMs = 10000;
constexpr int kLoudLevel = 40;
constexpr int kQuietLevel = 10;

const char kOwnProcess[] =
    "another test already used the sound system in this process; ctest runs each in its own";

TEST(CueFiles, AFileThatCannotBeACueIsNamedWithItsReason)
{
    QTemporaryDir folder;
    const auto path = [&folder](const char* name) { return folder.filePath(QString::fromLatin1(name)); };
    const std::vector<float> second = sine(framesFor(1000, 8000), 440.0, 0.5, 8000);
    QByteArray compressed = wavFile(second, makeFormat(QAudioFormat::Int16, 1, 8000));
    compressed[20] = char(0x55);  // MPEG layer 3 in the format chunk
    QByteArray empty = wavFile({}, makeFormat(QAudioFormat::Int16, 1, 8000));
    std::vector<float> overAMinute;
    for (int i = 0; i <= kMaximumCueSeconds; ++i)
        overAMinute = joined(std::move(overAMinute), second);
    struct Case {
        const char* name;
        QByteArray bytes;  // none written for the missing file
        const char* reason;
    };
    const std::vector<Case> cases{
        {"missing.wav", {}, "cannot be read"},
        {"notes.wav", "Fanfare: trumpets, then drums.\n", "is not a WAV file"},
        {"compressed.wav", compressed, "is compressed or 24-bit"},
        {"empty.wav", empty, "holds no sound"},
        {"long.wav", wavFile(overAMinute, makeFormat(QAudioFormat::Int16, 1, 8000)),
         "longer than a minute"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.isEmpty()) {
            ASSERT_TRUE(writeFile(path(c.name), c.bytes));
        }
        const LoadedCue loaded = loadCueFile(path(c.name));
        EXPECT_TRUE(loaded.problem.contains(QLatin1String(c.name))) << loaded.problem.toStdString();
        EXPECT_TRUE(loaded.problem.contains(QLatin1String(c.reason))) << loaded.problem.toStdString();
        EXPECT_TRUE(loaded.sample.isEmpty());
    }
    const LoadedCue folderAsFile = loadCueFile(folder.path());
    EXPECT_TRUE(folderAsFile.problem.contains(QLatin1String("cannot be read")));

    // A stereo file at 44.1 kHz plays as one channel at its own rate, all of it.
    const QAudioFormat stereo = makeFormat(QAudioFormat::Int16, 2, 44100);
    ASSERT_TRUE(writeFile(path("stereo.wav"), wavFile(sine(44100, 440.0, 0.5, 44100), stereo)));
    const LoadedCue good = loadCueFile(path("stereo.wav"));
    EXPECT_TRUE(good.problem.isEmpty()) << good.problem.toStdString();
    EXPECT_EQ(good.sample.format.channelCount(), 1);
    EXPECT_EQ(good.sample.format.sampleRate(), 44100);
    EXPECT_EQ(good.sample.samples.size(), qsizetype{44100} * 4);
}

// The project's own cues are compiled in, small and short: mono, 48 kHz or less, seconds.
TEST(CueFiles, TheProjectsOwnCuesAreShortMonoAndCompiledIn)
{
    for (const CueSound cue : {CueSound::DrumRoll, CueSound::Fanfare, CueSound::Buzzer,
                               CueSound::Sting}) {
        SCOPED_TRACE(ownCuePath(cue).toStdString());
        const WavAudio wav = readWav(ownCuePath(cue));
        ASSERT_EQ(wav.error, WavError::None);
        EXPECT_EQ(wav.format.channelCount(), 1);
        EXPECT_LE(wav.format.sampleRate(), 48000);
        const double seconds = double(wav.samples.size()) / wav.format.bytesPerFrame() /
                               wav.format.sampleRate();
        EXPECT_GE(seconds, 0.3);
        EXPECT_LE(seconds, 3.0);
        EXPECT_FALSE(ownCue(cue).isEmpty());
    }
}

TEST(CuePlayerWithoutServer, SaysSoOnceAndRests)
{
    if (!claimSoundSystem())
        GTEST_SKIP() << kOwnProcess;
    qputenv("PULSE_SERVER", "unix:/nonexistent/ovatron-no-sound-server");
    CuePlayback player;
    QSignalSpy failed(&player, &CuePlayback::failed);
    player.play(CueSound::Fanfare);
    player.play(CueSound::Buzzer);
    player.startRoll();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !failed.isEmpty(); }, kPromptMs));
    EXPECT_EQ(failed.size(), 1);
    EXPECT_FALSE(player.isSounding());
}

class CuePlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!PulseServer::isInstalled())
            GTEST_SKIP() << "pulseaudio, pactl or paplay is missing "
                            "(scripts/install-deps.sh installs them)";
        if (!claimSoundSystem())
            GTEST_SKIP() << kOwnProcess;
        ASSERT_TRUE(m_server.start()) << m_server.error().toStdString();
        // Made after the server: Qt asks the sound system once, when first used.
        m_roomInput = std::make_unique<AudioInput>();
        m_playback = std::make_unique<CuePlayback>();
        // What the player sends into the sink "hall" is heard from its monitor, "hallmic".
        room().startDevice(QStringLiteral("hallmic"), kUnmeasuredRoom);
        ASSERT_TRUE(QTest::qWaitFor([&] { return room().isLive(); }, kSettleMs));
        player().setOutput(QStringLiteral("hall"), 100);
    }

    void TearDown() override
    {
        m_playback.reset();
        m_roomInput.reset();
        m_server.stop();
    }

    AudioInput& room() { return *m_roomInput; }
    CuePlayback& player() { return *m_playback; }

    bool heard() { return QTest::qWaitFor([&] { return room().level() > kLoudLevel; }, kSettleMs); }
    bool quiet() { return QTest::qWaitFor([&] { return room().level() < kQuietLevel; }, kSettleMs); }

    PulseServer m_server;
    std::unique_ptr<AudioInput> m_roomInput;
    std::unique_ptr<CuePlayback> m_playback;
};

TEST_F(CuePlayerTest, ACueIsHeardOnceAndThePlayerComesToRest)
{
    QSignalSpy failed(&player(), &CuePlayback::failed);
    player().play(CueSound::Fanfare);
    player().play(CueSound::Sting);
    EXPECT_TRUE(player().isSounding());
    EXPECT_TRUE(heard()) << "level " << room().level();
    // Both played, one after the other, and nothing is left running.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player().isSounding(); }, kSettleMs));
    EXPECT_TRUE(quiet()) << "level " << room().level();
    EXPECT_TRUE(failed.isEmpty());
}

TEST_F(CuePlayerTest, TheRollGoesOnPastItsLengthUntilStoppedAndStopAllCutsACueShort)
{
    player().startRoll();
    ASSERT_TRUE(heard());
    // The roll's file lasts two seconds; three later it still sounds (a loaded machine may
    // leave a gap in the room's reading, so it is looked for rather than read once).
    QTest::qWait(3000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return room().level() > kLoudLevel; }, kSettleMs))
        << "level " << room().level();
    player().stopRoll();
    EXPECT_FALSE(player().isSounding());
    EXPECT_TRUE(quiet());

    // A cue of the operator's that lasts half a minute is cut at once.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.wav"));
    ASSERT_TRUE(writeFile(path, wavFile(pinkNoise(framesFor(30000, 8000)),
                                        makeFormat(QAudioFormat::Int16, 1, 8000))));
    ASSERT_TRUE(player().setSound(CueSound::Buzzer, path).isEmpty());
    player().play(CueSound::Buzzer);
    player().play(CueSound::Sting);
    ASSERT_TRUE(heard());
    player().stopAll();
    EXPECT_FALSE(player().isSounding()) << "the sting that waited went too";
    EXPECT_TRUE(quiet()) << "level " << room().level();
}

TEST_F(CuePlayerTest, AFileThatCannotBePlayedLeavesTheProjectsOwnCue)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.wav"));
    ASSERT_TRUE(writeFile(path, "RIFF....WAVE"));
    EXPECT_TRUE(player().setSound(CueSound::Fanfare, path).contains(QLatin1String("broken.wav")));
    player().play(CueSound::Fanfare);
    EXPECT_TRUE(heard()) << "the project's own fanfare plays";
}

}  // namespace
}  // namespace audio
