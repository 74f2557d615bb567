// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/SettingsDeclaration.h"

#include <QString>

namespace brio {
class BRAppConfig;
}

// Show control's settings in the store. The token is made in remote/, where it is checked.
inline constexpr const char* kShowControlKey = settingKey(Setting::ShowControl);
inline constexpr const char* kShowControlAddressKey = settingKey(Setting::ShowControlAddress);
inline constexpr const char* kShowControlPortKey = settingKey(Setting::ShowControlPort);
inline constexpr const char* kShowControlTokenKey = settingKey(Setting::ShowControlToken);

inline constexpr const char* kThisComputerAddress =
    declarationOf(Setting::ShowControlAddress).choices[0];
inline constexpr const char* kLocalNetworkAddress =
    declarationOf(Setting::ShowControlAddress).choices[1];
inline constexpr int kDefaultShowControlPort =
    declarationOf(Setting::ShowControlPort).defaultNumber;

struct ShowControlSettings {
    bool on = false;
    QString address = QString::fromLatin1(kThisComputerAddress);  // one of the two above
    int port = kDefaultShowControlPort;
    QString token;  // empty until show control is first switched on
};

// A stored address other than the two offered, or a port outside 1..65535, reads as the
// default.
ShowControlSettings loadShowControlSettings(brio::BRAppConfig& config);
void storeShowControlSettings(brio::BRAppConfig& config, const ShowControlSettings& settings);
void storeShowControlToken(brio::BRAppConfig& config, const QString& token);
