// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/MicrophoneSettings.h"

#include "core/settings/SettingsAccess.h"
#include "core/settings/TurnSettings.h"

using brio::BRAppConfig;

MicrophoneConfig loadMicrophoneConfig(BRAppConfig& config)
{
    MicrophoneConfig loaded;
    loaded.useMicrophone = readSwitch(config, Setting::UseMicrophone);
    loaded.deviceId = readText(config, Setting::MicrophoneDevice);
    loaded.calibration.floorLufs = readDecimal(config, Setting::MicrophoneFloor);
    loaded.calibration.rangeLu = readInteger(config, Setting::MicrophoneRange);
    return loaded;
}

void storeUseMicrophone(BRAppConfig& config, bool useMicrophone)
{
    writeSwitch(config, Setting::UseMicrophone, useMicrophone);
}

void storeMicrophoneDevice(BRAppConfig& config, const QString& deviceId)
{
    writeText(config, Setting::MicrophoneDevice, deviceId);
}

void storeMicrophoneFloor(BRAppConfig& config, double floorLufs)
{
    writeDecimal(config, Setting::MicrophoneFloor, floorLufs);
}

void storeMicrophoneRange(BRAppConfig& config, int rangeLu)
{
    writeInteger(config, Setting::MicrophoneRange, rangeLu);
}

void storeMicrophoneChoice(BRAppConfig& config, const MicrophoneChoice& choice)
{
    if (choice.deviceId)
        storeMicrophoneDevice(config, *choice.deviceId);
    storeMicrophoneRange(config, choice.rangeLu);
    // A stored length the program could not read stays in the file until another is chosen.
    if (choice.turnSeconds)
        storeTurnSeconds(config, *choice.turnSeconds);
}
