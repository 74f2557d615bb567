// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ShowControlSettings.h"

#include "remote/AccessToken.h"

#include "brio/BRStringQt.h"
#include "core/AppConfig.h"

ShowControlSettings loadShowControlSettings(brio::BRAppConfig& config)
{
    ShowControlSettings settings;
    settings.on = readSetting(config, kShowControlKey, 0) != 0;
    const QString address = readTextSetting(config, kShowControlAddressKey);
    if (address == QLatin1String(kLocalNetworkAddress))
        settings.address = address;
    const int port = readSetting(config, kShowControlPortKey, kDefaultShowControlPort);
    if (port >= 1 && port <= 65535)
        settings.port = port;
    settings.token = readTextSetting(config, kShowControlTokenKey);
    return settings;
}

void storeShowControlSettings(brio::BRAppConfig& config, const ShowControlSettings& settings)
{
    writeSetting(config, kShowControlKey, settings.on ? 1 : 0);
    writeTextSetting(config, kShowControlAddressKey, settings.address);
    writeSetting(config, kShowControlPortKey, settings.port);
    writeTextSetting(config, kShowControlTokenKey, settings.token);
}

ShowControlSettings withToken(brio::BRAppConfig& config, ShowControlSettings settings)
{
    if (settings.token.isEmpty()) {
        settings.token = newAccessToken();
        writeTextSetting(config, kShowControlTokenKey, settings.token);
    }
    return settings;
}

ShowControlAddresses showControlAddresses(const QString& host, int port, const QString& token)
{
    const QString base = QStringLiteral("http://%1:%2").arg(host).arg(port);
    const QString withToken = QStringLiteral("?token=") + token;
    return ShowControlAddresses{base + QStringLiteral("/overlay") + withToken,
                                base + QStringLiteral("/remote") + withToken,
                                base + QStringLiteral("/api/state") + withToken};
}
