// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/RoomLevel.h"

#include "audio/LoudnessMapping.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// Each microphone is taken relative to its own floor before anything is averaged: the
// microphones differ in gain and in the hum of their spot, and their floors hold both, so a
// hot preamp or a noisy corner weighs no more than the others. A microphone below its floor
// counts as at it, as it reads 0 alone: the room's level of microphones that each read 0 is
// 0, and one that is quieter than when it was measured (the fan beside it stopped) pulls the
// room no lower than silence would. That also keeps silence (minus infinity, or a floor that
// is itself silence) from making NaN.
double aboveOwnFloor(const MicrophoneReading& microphone)
{
    const double above = microphone.loudnessLufs - microphone.floorLufs;
    return std::isnan(above) ? 0.0 : std::max(above, 0.0);
}

}  // namespace

std::optional<RoomLevel> roomLevelOf(std::span<const MicrophoneReading> microphones,
                                     double rangeLu)
{
    double energy = 0.0;
    int live = 0;
    for (const MicrophoneReading& microphone : microphones) {
        if (!microphone.live)
            continue;
        energy += std::pow(10.0, aboveOwnFloor(microphone) / 10.0);
        ++live;
    }
    if (live == 0)
        return std::nullopt;
    // Energy, not the LU figures, is what adds up in a room; each term is at least 1, so the
    // mean's logarithm is at least 0.
    const double aboveFloor = 10.0 * std::log10(energy / live);
    return RoomLevel{aboveFloor, levelForLoudness(aboveFloor, {0.0, rangeLu})};
}

std::optional<std::size_t> microphoneAboveTheOthers(
    std::span<const std::vector<double>> readingsPerMicrophone)
{
    if (readingsPerMicrophone.size() < 2)
        return std::nullopt;
    std::size_t moments = readingsPerMicrophone.front().size();
    for (const std::vector<double>& readings : readingsPerMicrophone)
        moments = std::min(moments, readings.size());
    if (moments == 0)
        return std::nullopt;
    // Only the loudest at the first moment can be above all the others at every moment.
    const auto loudest = std::max_element(
        readingsPerMicrophone.begin(), readingsPerMicrophone.end(),
        [](const std::vector<double>& a, const std::vector<double>& b) { return a[0] < b[0]; });
    const std::size_t outlier = std::size_t(loudest - readingsPerMicrophone.begin());
    for (std::size_t moment = 0; moment < moments; ++moment) {
        const double loud = readingsPerMicrophone[outlier][moment];
        for (std::size_t other = 0; other < readingsPerMicrophone.size(); ++other) {
            // Written so that a NaN anywhere gives no warning.
            if (other != outlier
                && !(loud > readingsPerMicrophone[other][moment] + kCalibrationOutlierLu))
                return std::nullopt;
        }
    }
    return outlier;
}

}  // namespace audio
