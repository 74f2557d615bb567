// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/ShowControlSettings.h"

#include "core/settings/SettingsAccess.h"

ShowControlSettings loadShowControlSettings(brio::BRAppConfig& config)
{
    ShowControlSettings settings;
    settings.on = readSwitch(config, Setting::ShowControl);
    settings.address = readText(config, Setting::ShowControlAddress);
    settings.port = readInteger(config, Setting::ShowControlPort);
    settings.token = readText(config, Setting::ShowControlToken);
    return settings;
}

void storeShowControlSettings(brio::BRAppConfig& config, const ShowControlSettings& settings)
{
    writeSwitch(config, Setting::ShowControl, settings.on);
    writeText(config, Setting::ShowControlAddress, settings.address);
    writeInteger(config, Setting::ShowControlPort, settings.port);
    storeShowControlToken(config, settings.token);
}

void storeShowControlToken(brio::BRAppConfig& config, const QString& token)
{
    writeText(config, Setting::ShowControlToken, token);
}
