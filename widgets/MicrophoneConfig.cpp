// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MicrophoneConfig.h"

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "audio/LoudnessMapping.h"

#include <algorithm>
#include <cmath>

using brio::BRAppConfig;

namespace {

QString readText(BRAppConfig& config, const char* key)
{
    return brio::toQString(
        config.getRegistryString(kSettingsSection, key, brio::BRString(), kSettingsHive));
}

void writeText(BRAppConfig& config, const char* key, const QString& text)
{
    config.setRegistryString(kSettingsSection, key, brio::fromQString(text), kSettingsHive);
}

double readFloor(BRAppConfig& config)
{
    bool ok = false;
    const double floor = readText(config, audio::kMicrophoneFloorKey).trimmed().toDouble(&ok);
    return ok && std::isfinite(floor) ? audio::roundToTenth(floor) : audio::kDefaultFloorLufs;
}

}  // namespace

MicrophoneConfig loadMicrophoneConfig(BRAppConfig& config)
{
    MicrophoneConfig loaded;
    loaded.useMicrophone = readSetting(config, kUseMicrophoneKey, kDefaultUseMicrophone) != 0;
    loaded.deviceId = readText(config, audio::kMicrophoneDeviceKey);
    loaded.calibration.floorLufs = readFloor(config);
    const int range = readSetting(config, audio::kMicrophoneRangeKey,
                                  static_cast<int>(audio::kDefaultRangeLu));
    loaded.calibration.rangeLu =
        std::clamp(range, static_cast<int>(audio::kMinimumRangeLu), kMaximumRangeLu);
    return loaded;
}

void storeUseMicrophone(BRAppConfig& config, bool useMicrophone)
{
    writeSetting(config, kUseMicrophoneKey, useMicrophone ? 1 : 0);
}

void storeMicrophoneDevice(BRAppConfig& config, const QString& deviceId)
{
    writeText(config, audio::kMicrophoneDeviceKey, deviceId);
}

void storeMicrophoneFloor(BRAppConfig& config, double floorLufs)
{
    writeText(config, audio::kMicrophoneFloorKey,
              QString::number(audio::roundToTenth(floorLufs), 'f', 1));
}

void storeMicrophoneRange(BRAppConfig& config, int rangeLu)
{
    writeSetting(config, audio::kMicrophoneRangeKey, rangeLu);
}
