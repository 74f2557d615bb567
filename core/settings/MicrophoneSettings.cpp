// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/MicrophoneSettings.h"

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"

#include <algorithm>
#include <cmath>

using brio::BRAppConfig;

namespace {

double roundToTenth(double value)
{
    return std::round(value * 10.0) / 10.0;
}

double readFloor(BRAppConfig& config)
{
    bool ok = false;
    const double floor = readTextSetting(config, kMicrophoneFloorKey).trimmed().toDouble(&ok);
    return ok && std::isfinite(floor) ? roundToTenth(floor) : kDefaultMicrophoneFloorLufs;
}

}  // namespace

MicrophoneConfig loadMicrophoneConfig(BRAppConfig& config)
{
    MicrophoneConfig loaded;
    loaded.useMicrophone = readSetting(config, kUseMicrophoneKey, kDefaultUseMicrophone) != 0;
    loaded.deviceId = readTextSetting(config, kMicrophoneDeviceKey);
    loaded.calibration.floorLufs = readFloor(config);
    const int range = readSetting(config, kMicrophoneRangeKey, kDefaultMicrophoneRangeLu);
    loaded.calibration.rangeLu = std::clamp(range, kMinimumRangeLu, kMaximumRangeLu);
    return loaded;
}

void storeUseMicrophone(BRAppConfig& config, bool useMicrophone)
{
    writeSetting(config, kUseMicrophoneKey, useMicrophone ? 1 : 0);
}

void storeMicrophoneDevice(BRAppConfig& config, const QString& deviceId)
{
    writeTextSetting(config, kMicrophoneDeviceKey, deviceId);
}

void storeMicrophoneFloor(BRAppConfig& config, double floorLufs)
{
    writeTextSetting(config, kMicrophoneFloorKey,
              QString::number(roundToTenth(floorLufs), 'f', 1));
}

void storeMicrophoneRange(BRAppConfig& config, int rangeLu)
{
    writeSetting(config, kMicrophoneRangeKey, rangeLu);
}
