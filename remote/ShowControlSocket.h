// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTcpServer>
#include <QTcpSocket>

// A connection of show control. Qt WebSockets answers an upgrade naming its server and allowing
// every origin; what it writes as the handshake's answer goes out without those headers.
class ShowControlSocket : public QTcpSocket {
    Q_OBJECT
public:
    using QTcpSocket::QTcpSocket;
    // The next write is the handshake's answer.
    void expectHandshake() { m_handshake = true; }

protected:
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool m_handshake = false;
};

// Listens and makes each connection a ShowControlSocket.
class ShowControlListener : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override;
};
