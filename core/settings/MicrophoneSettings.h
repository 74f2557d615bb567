// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/SettingsDeclaration.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace brio {
class BRAppConfig;
}

// The microphone's settings in the store, beside the display settings. The floor is kept as
// text with one decimal ("-42.5"), as the operator reads it in LUFS; the range in whole LU.
inline constexpr const char* kUseMicrophoneKey = settingKey(Setting::UseMicrophone);
inline constexpr const char* kMicrophoneDeviceKey = settingKey(Setting::MicrophoneDevice);
inline constexpr const char* kMicrophoneFloorKey = settingKey(Setting::MicrophoneFloor);
inline constexpr const char* kMicrophoneRangeKey = settingKey(Setting::MicrophoneRange);
inline constexpr int kDefaultUseMicrophone = declarationOf(Setting::UseMicrophone).defaultNumber;
inline constexpr double kDefaultMicrophoneFloorLufs =
    declarationOf(Setting::MicrophoneFloor).defaultDecimal;
inline constexpr int kDefaultMicrophoneRangeLu =
    declarationOf(Setting::MicrophoneRange).defaultNumber;
inline constexpr int kMinimumRangeLu = declarationOf(Setting::MicrophoneRange).minimum;
inline constexpr int kMaximumRangeLu = declarationOf(Setting::MicrophoneRange).maximum;
inline constexpr const char* kMicrophoneDevicesKey = settingKey(Setting::MicrophoneDevices);
inline constexpr const char* kMicrophonePlacesKey = settingKey(Setting::MicrophonePlaces);
inline constexpr const char* kMicrophoneFloorsKey = settingKey(Setting::MicrophoneFloors);
// The room is heard by at most this many microphones; a longer list's rest is ignored.
inline constexpr int kMaxMicrophones = 4;

// The calibration as stored; the microphone's input takes it as audio::MicrophoneCalibration.
struct StoredCalibration {
    double floorLufs = kDefaultMicrophoneFloorLufs;  // the loudness that reads as level 0
    double rangeLu = kDefaultMicrophoneRangeLu;      // how much louder reads as 100
};

// One of the room's microphones: where it stands and its own floor.
struct MicrophoneSpot {
    QString deviceId;  // empty: the system's default
    QString place;     // "Left", "Balcony"; empty when the show has named none
    double floorLufs = kDefaultMicrophoneFloorLufs;
};

struct MicrophoneConfig {
    bool useMicrophone = false;  // stored as 0 off, any other value on
    QString deviceId;            // the first microphone's; empty: the system's default
    StoredCalibration calibration;  // the first microphone's floor and the room's range
    std::vector<MicrophoneSpot> microphones;  // one to kMaxMicrophones, the first as above
};

// Reads the settings, each with its default when absent or unreadable; a range outside what
// the dialog offers is brought inside it, so that a bad file cannot make a cough a full
// score. Without MicrophoneDevices the room has one microphone, MicrophoneDevice's.
MicrophoneConfig loadMicrophoneConfig(brio::BRAppConfig& config);

// The microphones' lists as stored: entries separated by "|", at most kMaxMicrophones.
QStringList microphoneListOf(const QString& stored);
// The place a notice or the state names a microphone by: its place name, or its number
// counted from 1 when it has none.
QString microphonePlaceOf(const MicrophoneSpot& spot, int index);
// Stores the room's microphones in their three lists (the room's range is stored apart).
void storeMicrophones(brio::BRAppConfig& config, const std::vector<MicrophoneSpot>& microphones);

// What the Microphone dialog chose on OK; none where it changed nothing of that setting.
struct MicrophoneChoice {
    std::optional<QString> deviceId;  // none while a sound file stands in for every device
    int rangeLu = kDefaultMicrophoneRangeLu;
    std::optional<int> turnSeconds;  // none unless the operator set another length
};

void storeUseMicrophone(brio::BRAppConfig& config, bool useMicrophone);
// The first microphone's device and floor: also the first entry of the lists, when the show
// has them.
void storeMicrophoneDevice(brio::BRAppConfig& config, const QString& deviceId);
// Stored to a tenth of a LU, as the dialog shows it.
void storeMicrophoneFloor(brio::BRAppConfig& config, double floorLufs);
void storeMicrophoneRange(brio::BRAppConfig& config, int rangeLu);
// Stores what the dialog chose (the turn length too).
void storeMicrophoneChoice(brio::BRAppConfig& config, const MicrophoneChoice& choice);
