// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TestSignals.h"

#include "audio/LoudnessMapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace audio {
namespace {

using test::kUnmeasuredRoom;

struct MappingCase {
    double lufs;
    MicrophoneCalibration calibration;
    int level;
};

TEST(LoudnessMapping, IsLinearInLuBetweenFloorAndFloorPlusRange)
{
    const MappingCase cases[] = {
        {-50.0, kUnmeasuredRoom, 0},     // the floor
        {-35.0, kUnmeasuredRoom, 50},    // half the range
        {-20.0, kUnmeasuredRoom, 100},   // floor + range
        {-44.0, kUnmeasuredRoom, 20},
        {-49.86, kUnmeasuredRoom, 0},    // rounds down below half a step
        {-49.84, kUnmeasuredRoom, 1},    // and up from half a step
        {-60.0, kUnmeasuredRoom, 0},     // quieter than the floor
        {-5.0, kUnmeasuredRoom, 100},    // louder than the top
        {-30.0, {-40.0, 20.0}, 50},      // a measured room
        {-30.0, {-40.0, 10.0}, 100},
        {-42.5, {-45.5, 12.0}, 25},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lufs << " LUFS, floor " << c.calibration.floorLufs
                                        << ", range " << c.calibration.rangeLu);
        EXPECT_EQ(levelForLoudness(c.lufs, c.calibration), c.level);
    }
}

TEST(LoudnessMapping, FiguresWithoutAMeaningStayOnTheScale)
{
    const MicrophoneCalibration calibration = kUnmeasuredRoom;
    EXPECT_EQ(levelForLoudness(-std::numeric_limits<double>::infinity(), calibration), 0);
    EXPECT_EQ(levelForLoudness(std::numeric_limits<double>::infinity(), calibration), 100);
    EXPECT_EQ(levelForLoudness(std::numeric_limits<double>::quiet_NaN(), calibration), 0);
    // A broken stored range neither divides by zero nor turns the scale round.
    EXPECT_EQ(levelForLoudness(-49.0, {-50.0, 0.0}), 100);
    EXPECT_EQ(levelForLoudness(-51.0, {-50.0, -30.0}), 0);
}

TEST(LoudnessMapping, RoundsStoredLoudnessToOneDecimal)
{
    EXPECT_DOUBLE_EQ(roundToTenth(-41.26), -41.3);
    EXPECT_DOUBLE_EQ(roundToTenth(-41.24), -41.2);
    EXPECT_DOUBLE_EQ(roundToTenth(-50.0), -50.0);
}

}  // namespace
}  // namespace audio
