// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The calibration that turns the room's loudness into a meter level. What the program stores
// of it, with the defaults of a stored file, is core/settings/MicrophoneSettings.h.
namespace audio {

// A room nobody has measured: a quiet living room reads about this loud.
inline constexpr double kDefaultFloorLufs = -50.0;
// From the room at rest to a full house cheering.
inline constexpr double kDefaultRangeLu = 30.0;
// A range narrower than this would turn a cough into a full score.
inline constexpr double kMinimumRangeLu = 1.0;

struct MicrophoneCalibration {
    double floorLufs = kDefaultFloorLufs;  // the loudness that reads as level 0
    double rangeLu = kDefaultRangeLu;      // how much louder than the floor reads as 100
};

}  // namespace audio
