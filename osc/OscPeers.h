// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <vector>

// Where OSC goes to and whom it is taken from, as the settings write them.
struct OscTarget {
    QString host;
    quint16 port = 0;
    friend bool operator==(const OscTarget&, const OscTarget&) = default;
};

struct OscTargets {
    std::vector<OscTarget> targets;
    QStringList unreadable;  // the parts that are not host:port with a port of 1..65535
};

// "host:port, host:port"; an IPv6 address is written in brackets, "[::1]:9000".
OscTargets parseOscTargets(const QString& text);

// Whether a datagram from sender is taken: from the listed addresses (comma-separated), or,
// with an empty list, from this computer only.
bool oscSenderAllowed(const QHostAddress& sender, const QString& allowFrom);

// The parts of an allow list that are not addresses.
QStringList unreadableAllowList(const QString& allowFrom);
