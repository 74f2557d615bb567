// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The calibration that turns the room's loudness into a meter level. The sound input is always
// given one: what the program stores of it, with its defaults and range, is declared in
// core/settings/SettingsDeclaration.h.
namespace audio {

// The mapping never divides by a narrower range than this, whatever calibration it is given.
inline constexpr double kNarrowestMappedRangeLu = 1.0;

struct MicrophoneCalibration {
    double floorLufs = 0.0;  // the loudness that reads as level 0
    double rangeLu = 0.0;    // how much louder than the floor reads as 100
};

}  // namespace audio
