// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ShowControlSocket.h"

#include <sys/socket.h>

qint64 ShowControlSocket::writeData(const char* data, qint64 size)
{
    if (!m_handshake)
        return QTcpSocket::writeData(data, size);
    m_handshake = false;
    // The answer comes in one write, its lines ended by CR LF.
    QList<QByteArray> lines = QByteArray(data, size).split('\n');
    lines.removeIf([](const QByteArray& line) {
        const QByteArray name = line.left(line.indexOf(':')).trimmed().toLower();
        return name == "server" || name.startsWith("access-control-");
    });
    const QByteArray kept = lines.join('\n');
    return QTcpSocket::writeData(kept.constData(), kept.size()) < 0 ? -1 : size;
}

void ShowControlSocket::close()
{
    if (m_linger.isActive())
        return;  // what is still read may make Qt WebSockets ask again
    if (!m_live || state() != ConnectedState) {
        QTcpSocket::close();
        return;
    }
    // A close with bytes unread would be a reset, which can overtake the close frame.
    flush();
    ::shutdown(static_cast<int>(socketDescriptor()), SHUT_WR);
    connect(this, &QIODevice::readyRead, this, [this]() { skip(bytesAvailable()); });
    skip(bytesAvailable());
    m_linger.setSingleShot(true);
    connect(&m_linger, &QTimer::timeout, this, &QAbstractSocket::abort);
    m_linger.start(kLingerMs);
}

void ShowControlListener::incomingConnection(qintptr descriptor)
{
    auto* socket = new ShowControlSocket(this);
    if (socket->setSocketDescriptor(descriptor))
        addPendingConnection(socket);
    else
        delete socket;
}
