// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ShowControlSettings.h"

#include "remote/AccessToken.h"

ShowControlSettings withToken(brio::BRAppConfig& config, ShowControlSettings settings)
{
    if (settings.token.isEmpty()) {
        settings.token = newAccessToken();
        storeShowControlToken(config, settings.token);
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
