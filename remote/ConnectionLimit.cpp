// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ConnectionLimit.h"

int ConnectionLimit::liveConnections()
{
    m_live.removeIf([](const QPointer<QTcpSocket>& socket) {
        return socket.isNull() || socket->state() != QAbstractSocket::ConnectedState;
    });
    return static_cast<int>(m_live.size());
}

void ConnectionLimit::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (liveConnections() >= kMaxConnections) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->write("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n"
                      "Connection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    m_live.append(socket);
    addPendingConnection(socket);
}
