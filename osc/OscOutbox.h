// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "osc/OscAnnouncer.h"
#include "osc/OscPeers.h"

#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include <vector>

// Sends messages to every target, each as one datagram from one socket of its own. Host
// names are looked up once, without waiting; a target whose name does not resolve gets nothing.
class OscOutbox : public QObject {
    Q_OBJECT
public:
    explicit OscOutbox(const std::vector<OscTarget>& targets, QObject* parent = nullptr);

    // How many datagrams went out.
    int send(const OscMessage& message);

private:
    struct Place {
        QHostAddress address;  // null until the name is resolved
        quint16 port = 0;
    };
    QUdpSocket m_socket;
    std::vector<Place> m_places;
};

// The message in OSC 1.0's wire form, serialised by liblo.
QByteArray oscDatagram(const OscMessage& message);
