// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

// A connection of show control. Qt WebSockets answers an upgrade naming its server and allowing
// every origin; what it writes as the handshake's answer goes out without those headers.
// Once live, a close that Qt WebSockets asks for (after its close frame, such as 1009 for a
// frame over the limit) ends only the sending: what the peer still sends is read and dropped
// until it closes, or for kLingerMs, so that it reads the close frame rather than a reset.
class ShowControlSocket : public QTcpSocket {
    Q_OBJECT
public:
    static constexpr int kLingerMs = 2'000;

    using QTcpSocket::QTcpSocket;
    // The next write is the handshake's answer, and the socket is live from then on.
    void expectHandshake() { m_handshake = true; m_live = true; }
    void close() override;

protected:
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool m_handshake = false;
    bool m_live = false;
    QTimer m_linger;
};

// Listens and makes each connection a ShowControlSocket.
class ShowControlListener : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override;
};
