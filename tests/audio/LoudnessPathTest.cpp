// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Generated sound through the whole level path: bytes as a device delivers them, mono
// mixdown, momentary loudness, the calibration mapping, the published reading, and the score
// the meter's core makes of the readings.
#include "TestSignals.h"

#include "audio/FloorCalibration.h"
#include "audio/LevelProcessor.h"
#include "audio/LoudnessMapping.h"
#include "audio/LoudnessMeter.h"
#include "core/MeterCore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace audio {
namespace {

using namespace audio::test;

constexpr double kSineFrequency = 997.0;  // the BS.1770 reference tone

// Feeds the sound in 10 ms pieces that cut frames in two, as device buffers may, and
// collects the reading after every piece.
std::vector<LevelReading> run(const std::vector<float>& mono, const QAudioFormat& format,
                              const MicrophoneCalibration& calibration = kUnmeasuredRoom)
{
    LevelBoard board;
    LevelProcessor processor(format, board, calibration);
    const QByteArray bytes = encode(mono, format);
    const qsizetype piece = qsizetype(framesFor(10, format.sampleRate())) * format.bytesPerFrame() + 1;
    std::vector<LevelReading> readings;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        processor.process(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
        readings.push_back({board.level(), board.loudnessLufs()});
    }
    return readings;
}

// The loudness of the whole of a steady signal: the reference a reading of it should match.
double longTermLoudness(const std::vector<float>& mono, int rate = kRate)
{
    LoudnessMeter meter(unsigned(rate), unsigned(mono.size() * 1000 / std::size_t(rate)));
    meter.addFrames(mono.data(), mono.size());
    return meter.loudness();
}

int medianLevel(std::vector<LevelReading> readings, std::size_t last)
{
    std::vector<int> levels;
    for (std::size_t i = readings.size() - last; i < readings.size(); ++i)
        levels.push_back(readings[i].level);
    std::nth_element(levels.begin(), levels.begin() + levels.size() / 2, levels.end());
    return levels[levels.size() / 2];
}

// Formats devices deliver: the path must read each at the same loudness.
std::vector<QAudioFormat> deviceFormats()
{
    return {
        makeFormat(QAudioFormat::Int16, 1),
        makeFormat(QAudioFormat::Float, 1),
        makeFormat(QAudioFormat::Int16, 2, 44100),
        makeFormat(QAudioFormat::Float, 2, 22050),
        makeFormat(QAudioFormat::Int32, 1),
    };
}

TEST(LoudnessMeter, ReadsTheReferenceToneAtItsLoudnessFromBothSampleTypes)
{
    for (const double lufs : {-10.0, -23.0, -40.0}) {
        const std::vector<float> tone = sine(framesFor(1000), kSineFrequency, sineAmplitudeFor(lufs));
        std::vector<std::int16_t> shorts(tone.size());
        std::transform(tone.begin(), tone.end(), shorts.begin(),
                       [](float s) { return std::int16_t(std::lround(s * 32767.0f)); });
        LoudnessMeter fromFloat(kRate);
        fromFloat.addFrames(tone.data(), tone.size());
        LoudnessMeter fromShort(kRate);
        fromShort.addFrames(shorts.data(), shorts.size());
        SCOPED_TRACE(testing::Message() << lufs << " LUFS");
        EXPECT_NEAR(fromFloat.loudness(), lufs, 0.1);
        EXPECT_NEAR(fromShort.loudness(), lufs, 0.1);
    }
}

TEST(LoudnessMeter, SilenceReadsAsTheFloorValueNeverNan)
{
    LoudnessMeter meter(kRate);
    EXPECT_EQ(meter.loudness(), kSilenceLufs);  // nothing fed yet
    const std::vector<float> quiet = silence(framesFor(500));
    meter.addFrames(quiet.data(), quiet.size());
    EXPECT_EQ(meter.loudness(), kSilenceLufs);
    EXPECT_EQ(boundedLoudness(std::nan("")), kSilenceLufs);
    EXPECT_EQ(LoudnessMeter(0).loudness(), kSilenceLufs);  // a device that names no rate
}

TEST(LoudnessPath, PinkNoiseAtKnownLoudnessGivesTheMappedLevel)
{
    const std::vector<float> noise = pinkNoise(framesFor(3000));
    const double unitLoudness = longTermLoudness(noise);
    // Pink noise of RMS 1 reads near 0 dB RMS in LUFS; far off means the weighting is wrong.
    ASSERT_NEAR(unitLoudness, 0.0, 3.0);

    struct Case {
        double lufs;
        int level;
    };
    const Case cases[] = {{-58.0, 0}, {-47.0, 10}, {-41.0, 30}, {-35.0, 50},
                          {-29.0, 70}, {-23.0, 90}, {-12.0, 100}};
    for (const QAudioFormat& format : deviceFormats()) {
        const std::vector<float> source = pinkNoise(framesFor(5000, format.sampleRate()));
        const double sourceLoudness = longTermLoudness(source, format.sampleRate());
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.lufs << " LUFS as " << format.sampleFormat() << " x"
                                            << format.channelCount() << " at " << format.sampleRate());
            const double gain = std::pow(10.0, (c.lufs - sourceLoudness) / 20.0);
            const std::vector<LevelReading> readings = run(scaled(source, gain), format);
            // The last two seconds: the level is settled.
            EXPECT_NEAR(medianLevel(readings, 200), c.level, 2);
        }
    }
}

TEST(LoudnessPath, SilenceGivesLevelZero)
{
    for (const QAudioFormat& format : deviceFormats()) {
        const std::vector<LevelReading> readings =
            run(silence(framesFor(1000, format.sampleRate())), format);
        ASSERT_FALSE(readings.empty());
        EXPECT_EQ(readings.back().level, 0);
        EXPECT_EQ(readings.back().loudnessLufs, kSilenceLufs);
    }
}

TEST(LoudnessPath, SoundAtFloorPlusRangeGivesFullScale)
{
    const MicrophoneCalibration room{-45.0, 25.0};
    const std::vector<float> tone = sine(framesFor(4000), kSineFrequency, sineAmplitudeFor(-20.0));
    const std::vector<LevelReading> readings = run(tone, makeFormat(QAudioFormat::Float, 1), room);
    EXPECT_EQ(readings.back().level, 100);
    EXPECT_EQ(medianLevel(readings, 50), 100);
}

// Pink noise lasting this long at this loudness (of its steady part).
std::vector<float> noiseAt(double lufs, int milliseconds, std::uint32_t seed = 1)
{
    const std::vector<float> noise = pinkNoise(framesFor(milliseconds), seed);
    const double unit = longTermLoudness(pinkNoise(framesFor(3000), seed));
    return scaled(noise, std::pow(10.0, (lufs - unit) / 20.0));
}

// The same noise with its highest sample at this many dB below full scale.
std::vector<float> burstAtPeak(double dbfs, int milliseconds, std::uint32_t seed = 5)
{
    const std::vector<float> noise = pinkNoise(framesFor(milliseconds), seed);
    float peak = 0.0f;
    for (const float sample : noise)
        peak = std::max(peak, std::abs(sample));
    return scaled(noise, std::pow(10.0, dbfs / 20.0) / peak);
}

std::vector<float> mixed(std::vector<float> a, const std::vector<float>& b, std::size_t at = 0)
{
    for (std::size_t i = 0; i < b.size() && at + i < a.size(); ++i)
        a[at + i] += b[i];
    return a;
}

// The score the meter gives the sound: a turn from Enter, the path's latest reading handed
// to every 20 ms tick as the view's clock does, until half a second after the sound.
int scoreOf(const std::vector<float>& sound,
            const MicrophoneCalibration& calibration = kUnmeasuredRoom)
{
    const QAudioFormat format = makeFormat(QAudioFormat::Int16, 1);
    LevelBoard board;
    LevelProcessor processor(format, board, calibration);
    MeterCore meter(true, false);
    meter.onChar('A');
    meter.onChar(MeterCore::kEnter);
    const QByteArray bytes = encode(joined(sound, silence(framesFor(500))), format);
    const qsizetype tick = qsizetype(framesFor(20)) * format.bytesPerFrame();
    for (qsizetype at = 0; at < bytes.size(); at += tick) {
        processor.process(QByteArrayView(bytes).sliced(at, std::min(tick, bytes.size() - at)));
        meter.tick({}, board.level());
    }
    return meter.leagueTable().entry(0).score;
}

// A room of this floor, measured as "Measure the Room" does, then ten seconds of applause
// `above` LU over it on top of the room's own noise: the score.
int scoreInRoom(double roomLufs, double above)
{
    const std::vector<float> room = noiseAt(roomLufs, 14000, 7);
    FloorCalibration floor(kRate);
    floor.addFrames(room.data(), room.size());
    const MicrophoneCalibration calibration{floor.floorLufs(), kDefaultMicrophoneRangeLu};
    const std::vector<float> applause =
        joined(silence(framesFor(3000)), noiseAt(floor.floorLufs() + above, 10000, 3));
    return scoreOf(mixed(room, applause), calibration);
}

// What a contest needs from the score, "the loudness the room held for three seconds": the
// room's sustained applause wins, a burst of a second and a half or less counts for nothing
// however loud, and the room's own noise does not count.
TEST(LoudnessPath, HeldLevelFigures)
{
    // The room applauding at a level that reads 50 on the default scale.
    constexpr double kApplause = kDefaultMicrophoneFloorLufs + 15.0;
    const double steadyReference = [] {
        LoudnessMeter momentary(kRate, kMomentaryWindowMs);
        const std::vector<float> tone = sine(framesFor(4000), kSineFrequency, sineAmplitudeFor(-30.0));
        momentary.addFrames(tone.data(), tone.size());
        return momentary.loudness();
    }();
    const std::vector<float> tenSeconds = noiseAt(kApplause, 10000);
    const int sustained = scoreOf(tenSeconds);
    struct Figure {
        std::string what;
        int score;
        double expected;
        double tolerance;
    };
    std::vector<Figure> figures = {
        {"10 s of the room applauding", sustained, 50, 1},
        // Held for three seconds in full: the 400 ms window covers the sound for 3 s.
        {"3.4 s of the same applause", scoreOf(noiseAt(kApplause, 3400)), double(sustained), 1},
        {"a steady tone, as libebur128's momentary loudness maps",
         scoreOf(sine(framesFor(4000), kSineFrequency, sineAmplitudeFor(-30.0))),
         double(levelForLoudness(steadyReference, kUnmeasuredRoom)), 1},
        {"applause 20 LU above the floor, rooms 15 dB apart", scoreInRoom(-60.0, 20.0),
         double(scoreInRoom(-45.0, 20.0)), 1},
    };
    for (const int milliseconds : {200, 500, 1000, 1500}) {
        for (const double dbfs : {-30.0, -12.0, 0.0}) {
            const std::vector<float> burst = burstAtPeak(dbfs, milliseconds);
            const std::string what = std::to_string(milliseconds) + " ms burst peaking at " +
                                     std::to_string(int(dbfs)) + " dBFS";
            figures.push_back({what + ", alone", scoreOf(burst), 0, 0});
            figures.push_back({what + ", in 10 s of applause",
                               scoreOf(mixed(tenSeconds, burst, framesFor(4000))),
                               double(sustained), 1});
        }
    }
    for (const Figure& figure : figures)
        EXPECT_NEAR(figure.score, figure.expected, figure.tolerance) << figure.what;
    // The level, unlike the score, shows a short burst at once, and its echo is gone from
    // the reading once the window has passed it.
    const std::vector<LevelReading> burst = run(joined(noiseAt(kApplause, 200), silence(framesFor(600))),
                                                makeFormat(QAudioFormat::Int16, 1));
    int loudest = 0;
    for (const LevelReading& reading : burst)
        loudest = std::max(loudest, reading.level);
    EXPECT_GE(loudest, 35);
    EXPECT_EQ(burst.back().level, 0);
}

TEST(LoudnessPath, PublishesAReadingForEveryTenMillisecondsOfSound)
{
    LevelBoard board;
    LevelProcessor processor(makeFormat(QAudioFormat::Int16, 1), board, {});
    const QByteArray second = encode(silence(framesFor(1000)), makeFormat(QAudioFormat::Int16, 1));
    processor.process(second);
    EXPECT_EQ(board.updates(), 100u);
    // Pieces smaller than 10 ms add up to the same count.
    constexpr qsizetype kPiece = 333;
    for (qsizetype at = 0; at < second.size(); at += kPiece)
        processor.process(QByteArrayView(second).sliced(at, std::min(kPiece, second.size() - at)));
    EXPECT_EQ(board.updates(), 200u);
}

}  // namespace
}  // namespace audio
