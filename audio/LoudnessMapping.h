// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/MicrophoneSettings.h"

// From loudness to the meter's 0..100 scale: linear in LU, so that every step of the meter
// is the same step in perceived loudness.
namespace audio {

inline constexpr int kLevelMinimum = 0;
inline constexpr int kLevelMaximum = 100;

// 0 at the floor, 100 at floor + range, linear between, clamped and rounded.
int levelForLoudness(double lufs, const MicrophoneCalibration& calibration);

// Loudness values are stored and shown with one decimal.
double roundToTenth(double value);

}  // namespace audio
