// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RequestHandler.h"
#include "remote/RequestReader.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QTcpSocket;

// One HTTP connection of show control, on the event loop: reads its requests a piece at a time
// within the reader's limits, asks for each one's judgement as soon as its headers are in, and
// writes the answers. It bounds what it holds: the socket's read buffer is small, so that TCP
// slows a fast sender, and nothing more is read while the peer leaves its answers unread. A
// request must arrive whole within kRequestMs, and a connection idle for kIdleMs is closed.
class HttpConnection : public QObject {
    Q_OBJECT
public:
    static constexpr int kRequestMs = 10'000;
    static constexpr int kIdleMs = 15'000;
    // How long a refused request's remaining bytes are read and dropped before the close, so
    // that the peer reads the refusal rather than a reset.
    static constexpr int kLingerMs = 2'000;
    static constexpr qint64 kReadBuffer = 32 * 1024;
    static constexpr qint64 kMaxUnsent = 64 * 1024;

    struct Judge {
        // The refusal for a request's headers, or nothing when it may go on.
        std::function<std::optional<RemoteReply>(const RemoteRequest&)> admit;
        // The answer to a whole request that was admitted; upgrading: the connection is handed
        // over when the answer accepts the upgrade.
        std::function<RemoteReply(const RemoteRequest&, bool upgrading)> answer;
    };

    // Takes the socket, which must be connected.
    HttpConnection(QTcpSocket* socket, Judge judge, QObject* parent);

    // Closes at once, whatever is on the way.
    void abort();

signals:
    // A request showed the right token.
    void trusted();
    // The request is a WebSocket's upgrade that was admitted: the socket, with the upgrade
    // request still unread in it, is no longer this object's.
    void webSocketAsked(QTcpSocket* socket);
    // The connection is over (or given away); this object may be deleted.
    void finished();

private:
    void readRequests();
    void timeUp();
    void answerAndClose(const RemoteReply& reply, bool linger);
    void write(const QByteArray& answer);
    void handOver();

    QTcpSocket* m_socket;  // a child of this object until handed over
    Judge m_judge;
    QString m_peer;
    RequestReader m_reader;
    QTimer m_deadline;
    bool m_inRequest = false;
    bool m_closing = false;
};
