// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/HttpConnection.h"

#include "remote/HttpAnswer.h"

#include <QHostAddress>
#include <QTcpSocket>

HttpConnection::HttpConnection(QTcpSocket* socket, Judge judge, QObject* parent)
    : QObject(parent),
      m_socket(socket),
      m_judge(std::move(judge)),
      m_peer(socket->peerAddress().toString())
{
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kReadBuffer);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpConnection::readRequests);
    // Answers left unread pause the reading; each part the peer takes lets it go on.
    connect(m_socket, &QTcpSocket::bytesWritten, this, &HttpConnection::readRequests);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpConnection::finished);
    m_deadline.setSingleShot(true);
    // A coarse timer may be late by a twentieth; the limits are promised to the second.
    m_deadline.setTimerType(Qt::PreciseTimer);
    connect(&m_deadline, &QTimer::timeout, this, &HttpConnection::timeUp);
    // The first request, too, must come whole in time.
    m_deadline.start(kRequestMs);
    readRequests();
}

void HttpConnection::abort()
{
    m_deadline.stop();
    m_socket->abort();
}

void HttpConnection::readRequests()
{
    if (m_closing) {
        // What follows a refusal is dropped unread.
        m_socket->skip(m_socket->bytesAvailable());
        return;
    }
    while (m_socket->state() == QAbstractSocket::ConnectedState &&
           m_socket->bytesToWrite() <= kMaxUnsent) {
        const qint64 available = m_socket->bytesAvailable();
        if (available > 0 && !m_inRequest) {
            m_inRequest = true;
            m_deadline.start(kRequestMs);
        }
        const QByteArray bytes = available > 0 ? m_socket->peek(available) : QByteArray();
        const RequestReader::Progress progress = m_reader.feed(bytes);
        switch (progress.step) {
        case RequestReader::Step::NeedMore:
            m_socket->skip(progress.consumed);
            // The reader's limits are below the buffer's: a full buffer it cannot use is not HTTP.
            if (progress.consumed == 0 && available >= kReadBuffer)
                answerAndClose(RequestHandler::unreadable(400), true);
            return;
        case RequestReader::Step::Failed:
            answerAndClose(RequestHandler::unreadable(m_reader.failure()), true);
            return;
        case RequestReader::Step::HeaderDone: {
            const RemoteRequest head = m_reader.request(m_peer);
            if (const std::optional<RemoteReply> refused = m_judge.admit(head)) {
                answerAndClose(*refused, true);
                return;
            }
            emit trusted();
            if (m_reader.wantsWebSocket()) {
                const RemoteReply reply = m_judge.answer(head, true);
                if (reply.status == RemoteReply::kSwitchingProtocols)
                    handOver();
                else
                    answerAndClose(reply, true);
                return;
            }
            m_socket->skip(progress.consumed);
            break;
        }
        case RequestReader::Step::Done: {
            m_socket->skip(progress.consumed);
            const bool keepAlive = m_reader.keepAlive();
            const RemoteReply reply = m_judge.answer(m_reader.request(m_peer), false);
            m_reader.reset();
            m_inRequest = false;
            if (!keepAlive) {
                answerAndClose(reply, false);
                return;
            }
            write(httpAnswer(reply, true));
            m_deadline.start(kIdleMs);
            break;
        }
        }
    }
}

void HttpConnection::answerAndClose(const RemoteReply& reply, bool linger)
{
    m_closing = true;
    write(httpAnswer(reply, false));
    m_deadline.start(kLingerMs);
    if (linger)
        m_socket->skip(m_socket->bytesAvailable());
    else
        m_socket->disconnectFromHost();
}

void HttpConnection::write(const QByteArray& answer)
{
    m_socket->write(answer);
    // Handed to the system at once: a client that half-closes after its request (nc -N, a
    // simple button) makes Qt close the socket as soon as it reads the end, and what still
    // waits in Qt's buffer then would be lost.
    m_socket->flush();
}

void HttpConnection::timeUp()
{
    // A refusal that the peer has taken ends with an orderly close; anything else at once.
    if (m_closing && m_socket->bytesToWrite() == 0 &&
        m_socket->state() == QAbstractSocket::ConnectedState) {
        m_deadline.start(kLingerMs);
        m_socket->disconnectFromHost();
        return;
    }
    m_socket->abort();
}

void HttpConnection::handOver()
{
    m_deadline.stop();
    disconnect(m_socket, nullptr, this, nullptr);
    QTcpSocket* socket = m_socket;
    socket->setParent(nullptr);
    emit webSocketAsked(socket);
    emit finished();
}
