// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace brio {
class BRAppConfig;
}

inline const char kShowControlKey[] = "ShowControl";
inline const char kShowControlAddressKey[] = "ShowControlAddress";
inline const char kShowControlPortKey[] = "ShowControlPort";
inline const char kShowControlTokenKey[] = "ShowControlToken";

inline const char kThisComputerAddress[] = "127.0.0.1";
inline const char kLocalNetworkAddress[] = "0.0.0.0";
inline constexpr int kDefaultShowControlPort = 7480;

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
// The settings to run with: a token is made (and stored) the first time they are on.
ShowControlSettings withToken(brio::BRAppConfig& config, ShowControlSettings settings);

// The three addresses a remote uses, for a host name or address the remote reaches.
struct ShowControlAddresses {
    QString overlay;
    QString remote;
    QString api;
};
ShowControlAddresses showControlAddresses(const QString& host, int port, const QString& token);
