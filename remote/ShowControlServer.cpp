// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ShowControlServer.h"

#include "remote/ConnectionLimit.h"

#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QNetworkRequest>
#include <QTcpSocket>
#include <QUrl>
#include <QWebSocket>

// Qt HttpServer parses the requests and hands each whole one over; the handler answers.
class ShowControlHttp : public QAbstractHttpServer {
public:
    using Answer = std::function<RemoteReply(const RemoteRequest&, QTcpSocket*)>;
    explicit ShowControlHttp(Answer answer) : m_answer(std::move(answer)) {}

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override
    {
        // A WebSocket's request is answered by the upgrade that follows (acceptLive).
        if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
            return true;
        const QByteArray method =
            QByteArray(QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(
                           static_cast<int>(request.method())))
                .toUpper();
        const RemoteRequest asked{method,
                                  request.url().path(),
                                  request.headers(),
                                  request.url().query(QUrl::FullyEncoded),
                                  request.body(),
                                  request.remoteAddress().toString()};
        const RemoteReply reply = m_answer(asked, socket);
        makeResponder(request, socket)
            .write(reply.body, {{"Content-Type", reply.contentType}, {"Cache-Control", "no-store"}},
                   static_cast<QHttpServerResponder::StatusCode>(reply.status));
        return true;
    }
    void missingHandler(const QHttpServerRequest&, QTcpSocket*) override {}

private:
    Answer m_answer;
};

ShowControlServer::ShowControlServer(const QString& token, std::function<ShowState()> state,
                                     QObject* parent)
    : QObject(parent),
      m_state(std::move(state)),
      m_handler(token),
      m_listener(new ConnectionLimit(this))
{
    m_clock.start();
    m_http = std::make_unique<ShowControlHttp>(
        [this](const RemoteRequest& request, QTcpSocket* socket) {
            const RemoteReply reply = m_handler.handle(request, m_state(), m_clock.elapsed());
            carryOut(socket, reply);
            return reply;
        });
    connect(m_http.get(), &QAbstractHttpServer::newWebSocketConnection, this,
            &ShowControlServer::acceptLive);
    m_tick.setSingleShot(true);
    m_tick.setInterval(20);
    connect(&m_tick, &QTimer::timeout, this, &ShowControlServer::sendIfChanged);
    m_applauseSilence.setSingleShot(true);
    m_applauseSilence.setInterval(kApplauseSilenceMs);
    connect(&m_applauseSilence, &QTimer::timeout, this, &ShowControlServer::releaseApplause);
}

ShowControlServer::~ShowControlServer()
{
    disconnect(m_applauseClosed);
    m_live.clear();
    m_http.reset();
}

bool ShowControlServer::listen(const QHostAddress& address, quint16 port)
{
    if (!m_listener->listen(address, port))
        return false;
    m_http->bind(m_listener);
    return true;
}

QString ShowControlServer::errorString() const
{
    return m_listener->errorString();
}

quint16 ShowControlServer::port() const
{
    return m_listener->serverPort();
}

void ShowControlServer::carryOut(QTcpSocket* socket, const RemoteReply& reply)
{
    if (!reply.command)
        return;
    if (reply.command->kind == RemoteCommand::Kind::Applause) {
        if (reply.command->down)
            holdApplause(socket);
        else
            releaseApplause();
        return;
    }
    emit commandArrived(*reply.command);
}

void ShowControlServer::acceptLive()
{
    while (m_http->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = m_http->nextPendingWebSocketConnection();
        if (!socket)
            continue;
        QList<QPair<QByteArray, QByteArray>> headers{{"upgrade", "websocket"}};
        const QNetworkRequest asked = socket->request();
        for (const QByteArray& name : asked.rawHeaderList())
            headers.append({name, asked.rawHeader(name)});
        const QUrl url = socket->requestUrl();
        const RemoteRequest request{"GET", url.path(), headers, url.query(QUrl::FullyEncoded),
                                    {}, socket->peerAddress().toString()};
        const RemoteReply reply = m_handler.handle(request, m_state(), m_clock.elapsed());
        if (reply.status != RemoteReply::kSwitchingProtocols) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated, QString::fromUtf8(reply.body));
            socket.release()->deleteLater();
            continue;
        }
        // A live display only listens; what it says is not read.
        socket->setMaxAllowedIncomingFrameSize(RequestHandler::kMaxBody);
        socket->setMaxAllowedIncomingMessageSize(RequestHandler::kMaxBody);
        QWebSocket* live = socket.get();
        connect(live, &QWebSocket::disconnected, this, [this, live]() {
            const auto found = std::find_if(m_live.begin(), m_live.end(),
                                            [live](const auto& held) { return held.get() == live; });
            if (found != m_live.end()) {
                found->release()->deleteLater();
                m_live.erase(found);
            }
        });
        if (m_live.empty())
            m_lastSent = showStateJson(m_state());
        live->sendTextMessage(QString::fromUtf8(m_lastSent));
        m_live.push_back(std::move(socket));
    }
}

void ShowControlServer::stateMayHaveChanged()
{
    if (!m_live.empty() && !m_tick.isActive())
        m_tick.start();
}

void ShowControlServer::sendIfChanged()
{
    if (m_live.empty())
        return;
    const QByteArray now = showStateJson(m_state());
    if (now == m_lastSent)
        return;
    m_lastSent = now;
    const QString message = QString::fromUtf8(now);
    for (const auto& live : m_live)
        live->sendTextMessage(message);
}

void ShowControlServer::holdApplause(QTcpSocket* socket)
{
    // Each word from the holding remote keeps the applause down for a while longer.
    m_applauseSilence.start();
    if (socket != m_applauseFrom) {
        disconnect(m_applauseClosed);
        m_applauseFrom = socket;
        m_applauseClosed = connect(socket, &QTcpSocket::disconnected, this,
                                   &ShowControlServer::releaseApplause);
    }
    if (!m_applauseDown) {
        m_applauseDown = true;
        emit commandArrived(RemoteCommand{RemoteCommand::Kind::Applause, {}, true});
    }
}

void ShowControlServer::releaseApplause()
{
    m_applauseSilence.stop();
    disconnect(m_applauseClosed);
    m_applauseFrom = nullptr;
    if (m_applauseDown) {
        m_applauseDown = false;
        emit commandArrived(RemoteCommand{RemoteCommand::Kind::Applause, {}, false});
    }
}
