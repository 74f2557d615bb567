// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A phone remote's requests to show control over a real loopback connection, for the show's
// tests.

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace ovatron::test {

// A loopback port nobody listens on now.
inline int freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// One request on a remote's connection, which stays open; the reply, or what came of it in
// five seconds. A GET has no body.
inline QByteArray ask(QTcpSocket& remote, const QByteArray& method, const QByteArray& path,
                      const QByteArray& body, const QString& token)
{
    remote.write(method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
                 token.toLatin1() + "\r\nContent-Type: application/json\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray reply;
    // What came is the answer either way: the caller's checks tell a short one.
    [[maybe_unused]] const bool whole = QTest::qWaitFor(
        [&]() {
            reply += remote.readAll();
            return reply.contains("\r\n\r\n") && reply.endsWith('}');
        },
        5000);
    return reply;
}

inline QByteArray post(QTcpSocket& remote, const QByteArray& path, const QByteArray& body,
                       const QString& token)
{
    return ask(remote, "POST", path, body, token);
}

inline QByteArray get(QTcpSocket& remote, const QByteArray& path, const QString& token)
{
    return ask(remote, "GET", path, {}, token);
}

inline int statusOf(const QByteArray& reply) { return reply.mid(9, 3).toInt(); }
inline QByteArray bodyOf(const QByteArray& reply) { return reply.mid(reply.indexOf("\r\n\r\n") + 4); }

}  // namespace ovatron::test
