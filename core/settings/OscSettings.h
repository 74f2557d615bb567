// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace brio {
class BRAppConfig;
}

inline const char kOscKey[] = "Osc";
inline const char kOscPortKey[] = "OscPort";
inline const char kOscAddressKey[] = "OscAddress";
inline const char kOscAllowFromKey[] = "OscAllowFrom";
inline const char kOscSendToKey[] = "OscSendTo";
inline const char kOscSendLevelKey[] = "OscSendLevel";

inline constexpr int kDefaultOscPort = 7481;
inline const char kOscThisComputer[] = "127.0.0.1";
inline const char kOscLocalNetwork[] = "0.0.0.0";

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
