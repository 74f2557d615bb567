// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cues/Cue.h"

#include <QString>

#include <array>

namespace brio {
class BRAppConfig;
}

inline const char kSoundCuesKey[] = "SoundCues";
inline const char kCueDeviceKey[] = "CueDevice";  // output device id; empty: the default
inline const char kCueVolumeKey[] = "CueVolume";  // percent
// A WAV file of the operator's in place of the project's own cue; empty: the project's own.
inline const char kCueDrumRollFileKey[] = "CueDrumRollFile";
inline const char kCueFanfareFileKey[] = "CueFanfareFile";
inline const char kCueBuzzerFileKey[] = "CueBuzzerFile";
inline const char kCueStingFileKey[] = "CueStingFile";

inline constexpr int kDefaultSoundCues = 0;
// Loud enough for a hall's system, below the full scale a WAV of the operator's may use.
inline constexpr int kDefaultCueVolume = 80;
inline constexpr int kMinimumCueVolume = 0;
inline constexpr int kMaximumCueVolume = 100;

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
const char* cueFileKey(Cue cue);

// Each setting with its default when absent or unreadable; a volume outside 0..100 is brought
// inside it.
CueSettings loadCueSettings(brio::BRAppConfig& config);
void storeCueSettings(brio::BRAppConfig& config, const CueSettings& settings);
