// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/OscSettings.h"

#include "core/settings/SettingsAccess.h"

OscSettings loadOscSettings(brio::BRAppConfig& config)
{
    OscSettings settings;
    settings.on = readSwitch(config, Setting::Osc);
    settings.port = readInteger(config, Setting::OscPort);
    settings.address = readText(config, Setting::OscAddress);
    settings.allowFrom = readText(config, Setting::OscAllowFrom);
    settings.sendTo = readText(config, Setting::OscSendTo);
    settings.sendLevel = readSwitch(config, Setting::OscSendLevel);
    return settings;
}

void storeOscSettings(brio::BRAppConfig& config, const OscSettings& settings)
{
    writeSwitch(config, Setting::Osc, settings.on);
    writeInteger(config, Setting::OscPort, settings.port);
    writeText(config, Setting::OscAddress, settings.address);
    writeText(config, Setting::OscAllowFrom, settings.allowFrom);
    writeText(config, Setting::OscSendTo, settings.sendTo);
    writeSwitch(config, Setting::OscSendLevel, settings.sendLevel);
}
