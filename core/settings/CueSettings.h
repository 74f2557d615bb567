// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cues/Cue.h"
#include "core/settings/SettingsDeclaration.h"

#include <QString>

#include <array>

namespace brio {
class BRAppConfig;
}

inline constexpr const char* kSoundCuesKey = settingKey(Setting::SoundCues);
inline constexpr const char* kCueDeviceKey = settingKey(Setting::CueDevice);  // output device id
inline constexpr const char* kCueVolumeKey = settingKey(Setting::CueVolume);  // percent
// A WAV file of the operator's in place of the project's own cue; empty: the project's own.
inline constexpr const char* kCueDrumRollFileKey = settingKey(Setting::CueDrumRollFile);
inline constexpr const char* kCueFanfareFileKey = settingKey(Setting::CueFanfareFile);
inline constexpr const char* kCueBuzzerFileKey = settingKey(Setting::CueBuzzerFile);
inline constexpr const char* kCueStingFileKey = settingKey(Setting::CueStingFile);

inline constexpr int kDefaultSoundCues = declarationOf(Setting::SoundCues).defaultNumber;
inline constexpr int kDefaultCueVolume = declarationOf(Setting::CueVolume).defaultNumber;
inline constexpr int kMinimumCueVolume = declarationOf(Setting::CueVolume).minimum;
inline constexpr int kMaximumCueVolume = declarationOf(Setting::CueVolume).maximum;

struct CueSettings {
    bool on = false;             // SoundCues: 0 off, any other value on
    QString deviceId;            // CueDevice
    int volume = kDefaultCueVolume;  // CueVolume: 0..100
    std::array<QString, kAllCues.size()> files;  // by cueIndex

    const QString& fileOf(Cue cue) const { return files[static_cast<std::size_t>(cueIndex(cue))]; }
    QString& fileOf(Cue cue) { return files[static_cast<std::size_t>(cueIndex(cue))]; }

    friend bool operator==(const CueSettings&, const CueSettings&) = default;
};

// The setting that holds the file of a cue.
Setting cueFileSetting(Cue cue);

// Each setting with its default when absent or unreadable; a volume outside 0..100 is brought
// inside it.
CueSettings loadCueSettings(brio::BRAppConfig& config);
void storeCueSettings(brio::BRAppConfig& config, const CueSettings& settings);
