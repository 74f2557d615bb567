// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/LoudnessMapping.h"

#include <algorithm>
#include <cmath>

namespace audio {

int levelForLoudness(double lufs, const MicrophoneCalibration& calibration)
{
    if (std::isnan(lufs))
        return kLevelMinimum;
    // A stored range of zero or less must not divide by zero or turn the scale round.
    const double range = std::max(calibration.rangeLu, kNarrowestMappedRangeLu);
    const double share = (lufs - calibration.floorLufs) / range;
    const double level = std::round(share * kLevelMaximum);
    return static_cast<int>(std::clamp(level, double(kLevelMinimum), double(kLevelMaximum)));
}

double roundToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

}  // namespace audio
