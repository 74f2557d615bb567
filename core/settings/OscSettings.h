// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/SettingsDeclaration.h"

#include <QString>

namespace brio {
class BRAppConfig;
}

inline constexpr const char* kOscKey = settingKey(Setting::Osc);
inline constexpr const char* kOscPortKey = settingKey(Setting::OscPort);
inline constexpr const char* kOscAddressKey = settingKey(Setting::OscAddress);
inline constexpr const char* kOscAllowFromKey = settingKey(Setting::OscAllowFrom);
inline constexpr const char* kOscSendToKey = settingKey(Setting::OscSendTo);
inline constexpr const char* kOscSendLevelKey = settingKey(Setting::OscSendLevel);

inline constexpr int kDefaultOscPort = declarationOf(Setting::OscPort).defaultNumber;
inline constexpr const char* kOscThisComputer = declarationOf(Setting::OscAddress).choices[0];
inline constexpr const char* kOscLocalNetwork = declarationOf(Setting::OscAddress).choices[1];

struct OscSettings {
    bool on = false;                                          // Osc: 0 or 1
    int port = kDefaultOscPort;                               // OscPort: 1..65535
    QString address = QString::fromLatin1(kOscThisComputer);  // OscAddress: one of the two above
    QString allowFrom;  // OscAllowFrom: sender addresses, comma-separated; empty: this computer
    QString sendTo;     // OscSendTo: host:port, comma-separated; empty: nothing is sent
    bool sendLevel = false;  // OscSendLevel: 0 or 1

    friend bool operator==(const OscSettings&, const OscSettings&) = default;
};

// A stored value out of its range reads as its default.
OscSettings loadOscSettings(brio::BRAppConfig& config);
void storeOscSettings(brio::BRAppConfig& config, const OscSettings& settings);
