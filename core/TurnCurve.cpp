// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TurnCurve.h"

#include "core/LevelDynamics.h"

#include <algorithm>

std::optional<LoudestMoment> loudestMoment(std::span<const std::uint8_t> readings)
{
    if (readings.empty())
        return std::nullopt;
    const auto loudest = std::max_element(readings.begin(), readings.end());
    return LoudestMoment{*loudest,
                         double(loudest - readings.begin()) / curve::kReadingsPerSecond};
}

double curveSeconds(std::span<const std::uint8_t> readings)
{
    return double(readings.size()) / curve::kReadingsPerSecond;
}

bool isValidCurve(std::span<const int> readings)
{
    return !readings.empty() && readings.size() <= curve::kMaximumReadings &&
           std::all_of(readings.begin(), readings.end(), [](int reading) {
               return reading >= level::kMinimum && reading <= level::kMaximum;
           });
}

bool isValidMicrophoneCurve(std::span<const int> readings, std::size_t count)
{
    return readings.size() == count && std::all_of(readings.begin(), readings.end(), [](int reading) {
               return reading == curve::kNotHeard ||
                      (reading >= level::kMinimum && reading <= level::kMaximum);
           });
}
