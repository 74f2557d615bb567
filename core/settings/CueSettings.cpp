// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/CueSettings.h"

#include "core/settings/SettingsAccess.h"

#include <algorithm>

Setting cueFileSetting(Cue cue)
{
    switch (cue) {
    case Cue::DrumRoll: return Setting::CueDrumRollFile;
    case Cue::Fanfare: return Setting::CueFanfareFile;
    case Cue::Buzzer: return Setting::CueBuzzerFile;
    case Cue::Sting: return Setting::CueStingFile;
    }
    return Setting::CueStingFile;
}

CueSettings loadCueSettings(brio::BRAppConfig& config)
{
    CueSettings settings;
    settings.on = readSwitch(config, Setting::SoundCues);
    settings.deviceId = readText(config, Setting::CueDevice);
    settings.volume = readInteger(config, Setting::CueVolume);
    for (const Cue cue : kAllCues)
        settings.fileOf(cue) = readText(config, cueFileSetting(cue));
    return settings;
}

void storeCueSettings(brio::BRAppConfig& config, const CueSettings& settings)
{
    writeSwitch(config, Setting::SoundCues, settings.on);
    writeText(config, Setting::CueDevice, settings.deviceId);
    writeInteger(config, Setting::CueVolume,
                 std::clamp(settings.volume, kMinimumCueVolume, kMaximumCueVolume));
    for (const Cue cue : kAllCues)
        writeText(config, cueFileSetting(cue), settings.fileOf(cue));
}
