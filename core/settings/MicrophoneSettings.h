// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace brio {
class BRAppConfig;
}

// The microphone's settings in the store, beside the display settings. The floor is kept as
// text with one decimal ("-42.5"), as the operator reads it in LUFS; the range in whole LU.
inline const char kUseMicrophoneKey[] = "UseMicrophone";
inline const char kMicrophoneDeviceKey[] = "MicrophoneDevice";  // device id; empty = default
inline const char kMicrophoneFloorKey[] = "MicrophoneFloor";    // LUFS, one decimal
inline const char kMicrophoneRangeKey[] = "MicrophoneRange";    // LU
inline constexpr int kDefaultUseMicrophone = 0;
// A room nobody has measured: a quiet living room reads about this loud.
inline constexpr double kDefaultMicrophoneFloorLufs = -50.0;
// From the room at rest to a full house cheering.
inline constexpr int kDefaultMicrophoneRangeLu = 30;
// A narrower range would turn a cough into a full score; the widest the calibration dialog
// offers.
inline constexpr int kMinimumRangeLu = 1;
inline constexpr int kMaximumRangeLu = 60;

// The calibration as stored; the microphone's input takes it as audio::MicrophoneCalibration.
struct StoredCalibration {
    double floorLufs = kDefaultMicrophoneFloorLufs;  // the loudness that reads as level 0
    double rangeLu = kDefaultMicrophoneRangeLu;      // how much louder reads as 100
};

struct MicrophoneConfig {
    bool useMicrophone = false;  // stored as 0 off, any other value on
    QString deviceId;            // empty: the system's default
    StoredCalibration calibration;
};

// Reads the four settings, each with its default when absent or unreadable; a range outside
// what the dialog offers is brought inside it, so that a bad file cannot make a cough a full
// score.
MicrophoneConfig loadMicrophoneConfig(brio::BRAppConfig& config);

void storeUseMicrophone(brio::BRAppConfig& config, bool useMicrophone);
void storeMicrophoneDevice(brio::BRAppConfig& config, const QString& deviceId);
// Stored to a tenth of a LU, as the dialog shows it.
void storeMicrophoneFloor(brio::BRAppConfig& config, double floorLufs);
void storeMicrophoneRange(brio::BRAppConfig& config, int rangeLu);
