// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestSignals.h"

#include "audio/FloorCalibration.h"

#include <gtest/gtest.h>

#include <cmath>

namespace audio {
namespace {

using namespace audio::test;

double measure(const std::vector<float>& room, int rate = kRate)
{
    FloorCalibration calibration(unsigned(rate), kFloorMeasureMs);
    // In device-sized pieces, with more sound after the three seconds than needed.
    const std::size_t piece = framesFor(20, rate);
    for (std::size_t at = 0; at < room.size() && !calibration.isComplete(); at += piece)
        calibration.addFrames(room.data() + at, std::min(piece, room.size() - at));
    EXPECT_TRUE(calibration.isComplete());
    return calibration.floorLufs();
}

TEST(FloorCalibration, AQuietRoomMeasuresAtItsLoudness)
{
    for (const double lufs : {-62.0, -48.3, -35.0}) {
        SCOPED_TRACE(testing::Message() << lufs << " LUFS");
        const std::vector<float> hum = sine(framesFor(4000), 997.0, sineAmplitudeFor(lufs));
        EXPECT_NEAR(measure(hum), lufs, 0.5);
        const std::vector<float> hum44 =
            sine(framesFor(4000, 44100), 997.0, sineAmplitudeFor(lufs), 44100);
        EXPECT_NEAR(measure(hum44, 44100), lufs, 0.5);
    }
}

TEST(FloorCalibration, ACoughCountsByItsEnergyNotAsTheWholeRoom)
{
    // 2.8 s of a -50 LUFS room and 0.2 s of a -30 LUFS cough: the energy mean lands about
    // 8 LU above the room, far from both the room alone and the cough.
    const double roomGain = sineAmplitudeFor(-50.0);
    const double coughGain = sineAmplitudeFor(-30.0);
    const std::vector<float> room =
        joined(sine(framesFor(2800), 997.0, roomGain), sine(framesFor(200), 997.0, coughGain));
    const double roomEnergy = 2.8 * std::pow(10.0, -50.0 / 10.0);
    const double coughEnergy = 0.2 * std::pow(10.0, -30.0 / 10.0);
    const double expected = 10.0 * std::log10((roomEnergy + coughEnergy) / 3.0);
    EXPECT_NEAR(measure(room), expected, 0.5);
}

TEST(FloorCalibration, TakesThreeSecondsAndAnswersWithOneDecimal)
{
    FloorCalibration calibration(kRate);
    const std::vector<float> room = sine(framesFor(3000), 997.0, sineAmplitudeFor(-47.26));
    calibration.addFrames(room.data(), framesFor(2990));
    EXPECT_FALSE(calibration.isComplete());
    calibration.addFrames(room.data() + framesFor(2990), framesFor(10));
    ASSERT_TRUE(calibration.isComplete());
    const double floor = calibration.floorLufs();
    EXPECT_DOUBLE_EQ(floor * 10.0, std::round(floor * 10.0));
    EXPECT_NEAR(floor, -47.3, 0.15);

    FloorCalibration silentRoom(kRate);
    const std::vector<float> nothing = silence(framesFor(3000));
    silentRoom.addFrames(nothing.data(), nothing.size());
    EXPECT_EQ(silentRoom.floorLufs(), kSilenceLufs);
}

}  // namespace
}  // namespace audio
