// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "audio/MicrophoneSettings.h"

#include <QString>

namespace brio {
class BRAppConfig;
}

// The microphone's settings in the store, beside the display settings. The floor is kept as
// text with one decimal ("-42.5"), as the operator reads it in LUFS; the range in whole LU.
inline const char kUseMicrophoneKey[] = "UseMicrophone";
inline constexpr int kDefaultUseMicrophone = 0;
// The widest range the calibration dialog offers.
inline constexpr int kMaximumRangeLu = 60;

struct MicrophoneConfig {
    bool useMicrophone = false;  // stored as 0 off, any other value on
    QString deviceId;            // empty: the system's default
    audio::MicrophoneCalibration calibration;
};

// Reads the four settings, each with its default when absent or unreadable; a range outside
// what the dialog offers is brought inside it, so that a bad file cannot make a cough a full
// score.
MicrophoneConfig loadMicrophoneConfig(brio::BRAppConfig& config);

void storeUseMicrophone(brio::BRAppConfig& config, bool useMicrophone);
void storeMicrophoneDevice(brio::BRAppConfig& config, const QString& deviceId);
void storeMicrophoneFloor(brio::BRAppConfig& config, double floorLufs);
void storeMicrophoneRange(brio::BRAppConfig& config, int rangeLu);
