// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/OscSettings.h"

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"

OscSettings loadOscSettings(brio::BRAppConfig& config)
{
    OscSettings settings;
    settings.on = readSetting(config, kOscKey, 0) == 1;
    const int port = readSetting(config, kOscPortKey, kDefaultOscPort);
    if (port >= 1 && port <= 65535)
        settings.port = port;
    if (readTextSetting(config, kOscAddressKey) == QLatin1String(kOscLocalNetwork))
        settings.address = QString::fromLatin1(kOscLocalNetwork);
    settings.allowFrom = readTextSetting(config, kOscAllowFromKey);
    settings.sendTo = readTextSetting(config, kOscSendToKey);
    settings.sendLevel = readSetting(config, kOscSendLevelKey, 0) == 1;
    return settings;
}

void storeOscSettings(brio::BRAppConfig& config, const OscSettings& settings)
{
    writeSetting(config, kOscKey, settings.on ? 1 : 0);
    writeSetting(config, kOscPortKey, settings.port);
    writeTextSetting(config, kOscAddressKey, settings.address);
    writeTextSetting(config, kOscAllowFromKey, settings.allowFrom);
    writeTextSetting(config, kOscSendToKey, settings.sendTo);
    writeSetting(config, kOscSendLevelKey, settings.sendLevel ? 1 : 0);
}
