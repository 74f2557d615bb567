// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/CueSettings.h"

#include "core/AppConfig.h"

#include <algorithm>

const char* cueFileKey(Cue cue)
{
    switch (cue) {
    case Cue::DrumRoll: return kCueDrumRollFileKey;
    case Cue::Fanfare: return kCueFanfareFileKey;
    case Cue::Buzzer: return kCueBuzzerFileKey;
    case Cue::Sting: return kCueStingFileKey;
    }
    return kCueStingFileKey;
}

CueSettings loadCueSettings(brio::BRAppConfig& config)
{
    CueSettings settings;
    settings.on = readSetting(config, kSoundCuesKey, kDefaultSoundCues) != 0;
    settings.deviceId = readTextSetting(config, kCueDeviceKey);
    settings.volume = std::clamp(readSetting(config, kCueVolumeKey, kDefaultCueVolume),
                                 kMinimumCueVolume, kMaximumCueVolume);
    for (const Cue cue : kAllCues)
        settings.fileOf(cue) = readTextSetting(config, cueFileKey(cue));
    return settings;
}

void storeCueSettings(brio::BRAppConfig& config, const CueSettings& settings)
{
    writeSetting(config, kSoundCuesKey, settings.on ? 1 : 0);
    writeTextSetting(config, kCueDeviceKey, settings.deviceId);
    writeSetting(config, kCueVolumeKey,
                 std::clamp(settings.volume, kMinimumCueVolume, kMaximumCueVolume));
    for (const Cue cue : kAllCues)
        writeTextSetting(config, cueFileKey(cue), settings.fileOf(cue));
}
