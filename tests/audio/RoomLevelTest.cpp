// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/DuelVerdict.h"
#include "audio/RoomLevel.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace audio {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RoomLevel, IsTheEnergyMeanOfTheLiveMicrophonesAboveTheirOwnFloors)
{
    // LU above the floor (none: no microphone live) and the level over a range of 30 LU.
    const std::tuple<const char*, std::vector<MicrophoneReading>, std::optional<double>, int>
        cases[] = {
            {"equal readings", {{-35, -50}, {-35, -50}}, 15.0, 50},
            {"equal above their own floors", {{-30, -50}, {-20, -40}}, 20.0, 67},
            {"one 6 dB quieter: between 20 and 14", {{-30, -50}, {-36, -50}}, 17.963, 60},
            {"a stopped one left out", {{-30, -50}, {-5, -50, false}}, 20.0, 67},
            {"silent, below the floor: at it", {{-30, -50}, {-kInf, -50}, {-70, -50}}, 15.315, 51},
            {"silence everywhere", {{-kInf, -50}, {-120, -120}, {-kInf, -kInf}}, 0.0, 0},
            {"a shout, 28 LU or 93 alone, beside applause", {{-22, -50}, {-35, -50}}, 25.202, 84},
            {"all stopped", {{-30, -50, false}, {-30, -50, false}}, std::nullopt, 0},
        };
    for (const auto& [what, microphones, aboveFloorLu, level] : cases) {
        SCOPED_TRACE(what);
        const std::optional<RoomLevel> room = roomLevelOf(microphones, 30.0);
        ASSERT_EQ(room.has_value(), aboveFloorLu.has_value());
        EXPECT_NEAR(room.value_or(RoomLevel{}).aboveFloorLu, aboveFloorLu.value_or(0.0), 0.001);
        EXPECT_EQ(room.value_or(RoomLevel{}).level, level);
    }
}

TEST(RoomLevel, WarnsOfOneMicrophoneFarAboveEachOtherThroughoutTheCalibration)
{
    // Not: 9 LU above for one moment, exactly 10, above one of the others only, no moments.
    const std::vector<double> q{-50, -51, -50};
    const std::pair<std::vector<std::vector<double>>, std::optional<std::size_t>> cases[] = {
        {{q, {-38, -39, -37}}, 1}, {{q, {-38, -42, -37}}, {}}, {{q, {-40, -41, -40}}, {}},
        {{q, {-38, -39}, {-45, -45}}, {}}, {{q, {}}, {}}};
    for (const auto& [readings, outlier] : cases)
        EXPECT_EQ(microphoneAboveTheOthers(readings), outlier) << readings.size();
}

TEST(DuelVerdict, TheLouderWinsByMoreThanOne)
{
    using enum DuelVerdict;
    for (auto [left, right, verdict] :
         {std::tuple{62, 60, LeftWins}, {40, 70, RightWins}, {61, 60, Draw}, {60, 61, Draw}})
        EXPECT_EQ(duelVerdict(left, right), verdict) << left << " " << right;
}

}  // namespace
}  // namespace audio
