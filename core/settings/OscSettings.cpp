// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/OscSettings.h"

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"

namespace {

QString readText(brio::BRAppConfig& config, const char* key)
{
    return brio::toQString(
        config.getRegistryString(kSettingsSection, key, brio::BRString(), kSettingsHive));
}

void writeText(brio::BRAppConfig& config, const char* key, const QString& value)
{
    config.setRegistryString(kSettingsSection, key, brio::fromQString(value), kSettingsHive);
}

}  // namespace

OscSettings loadOscSettings(brio::BRAppConfig& config)
{
    OscSettings settings;
    settings.on = readSetting(config, kOscKey, 0) == 1;
    const int port = readSetting(config, kOscPortKey, kDefaultOscPort);
    if (port >= 1 && port <= 65535)
        settings.port = port;
    if (readText(config, kOscAddressKey) == QLatin1String(kOscLocalNetwork))
        settings.address = QString::fromLatin1(kOscLocalNetwork);
    settings.allowFrom = readText(config, kOscAllowFromKey);
    settings.sendTo = readText(config, kOscSendToKey);
    settings.sendLevel = readSetting(config, kOscSendLevelKey, 0) == 1;
    return settings;
}

void storeOscSettings(brio::BRAppConfig& config, const OscSettings& settings)
{
    writeSetting(config, kOscKey, settings.on ? 1 : 0);
    writeSetting(config, kOscPortKey, settings.port);
    writeText(config, kOscAddressKey, settings.address);
    writeText(config, kOscAllowFromKey, settings.allowFrom);
    writeText(config, kOscSendToKey, settings.sendTo);
    writeSetting(config, kOscSendLevelKey, settings.sendLevel ? 1 : 0);
}
