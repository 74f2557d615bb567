// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ShowControlServer.h"

#include "remote/HttpConnection.h"

#include <QTcpSocket>
#include <QWebSocket>

ShowControlServer::ShowControlServer(const QString& token, std::function<ShowState()> state,
                                     QObject* parent)
    : QObject(parent),
      m_state(std::move(state)),
      m_handler(token),
      m_upgrades(QString(), QWebSocketServer::NonSecureMode)
{
    m_clock.start();
    connect(&m_listener, &QTcpServer::newConnection, this, &ShowControlServer::acceptConnections);
    connect(&m_upgrades, &QWebSocketServer::newConnection, this, &ShowControlServer::acceptLive);
    m_tick.setSingleShot(true);
    m_tick.setInterval(20);
    connect(&m_tick, &QTimer::timeout, this, &ShowControlServer::sendIfChanged);
    m_ping.setInterval(kPingMs);
    connect(&m_ping, &QTimer::timeout, this, &ShowControlServer::pingLive);
    connect(&m_applause, &HeldApplause::changed, this, [this](std::uint64_t holder, bool down) {
        RemoteCommand command{RemoteCommand::Kind::Applause, {}, down};
        command.holder = holder;
        emit commandArrived(command);
    });
}

ShowControlServer::~ShowControlServer()
{
    // Nothing is said of the holds while the server is taken apart: whoever stops show
    // control lets go of every hold it had.
    disconnect(&m_applause, nullptr, this, nullptr);
    m_listener.close();
    // Nothing of a socket that goes may reach back into this object while it is taken apart.
    for (const auto& [id, connection] : std::exchange(m_connections, {})) {
        disconnect(connection, nullptr, this, nullptr);
        delete connection;
    }
    std::vector<Live> live = std::exchange(m_live, {});
    for (Live& held : live) {
        disconnect(held.socket.get(), nullptr, this, nullptr);
        held.socket->close(QWebSocketProtocol::CloseCodeGoingAway);
        held.socket->flush();
        if (held.connection)
            held.connection->abort();
    }
}

bool ShowControlServer::listen(const QHostAddress& address, quint16 port)
{
    return m_listener.listen(address, port);
}

QString ShowControlServer::errorString() const
{
    return m_listener.errorString();
}

quint16 ShowControlServer::port() const
{
    return m_listener.serverPort();
}

void ShowControlServer::acceptConnections()
{
    while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
        const std::uint64_t id = ++m_lastId;
        const ConnectionPlaces::Admission admission =
            m_places.arrive(id, socket->peerAddress().toString());
        if (admission.evict) {
            const auto evicted = m_connections.find(*admission.evict);
            if (evicted != m_connections.end())
                evicted->second->abort();
        }
        if (!admission.admitted) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->write("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n"
                          "Connection: close\r\n\r\n");
            socket->disconnectFromHost();
            continue;
        }
        const HttpConnection::Judge judge{
            [this](const RemoteRequest& request) {
                return m_handler.admit(request, m_clock.elapsed());
            },
            [this, id](const RemoteRequest& request, bool upgrading) {
                RemoteReply reply = m_handler.handle(request, m_state(), m_clock.elapsed());
                // Only an upgrade the connection carries out takes a live place.
                if (reply.status == RemoteReply::kSwitchingProtocols && !upgrading)
                    reply = RemoteReply{426, "application/json",
                                        R"({"error":"a WebSocket is needed"})", std::nullopt};
                else if (reply.status == RemoteReply::kSwitchingProtocols && !m_places.goLive(id))
                    reply = RemoteReply{503, "application/json",
                                        R"({"error":"every live connection is taken"})",
                                        std::nullopt};
                carryOut(id, reply);
                return reply;
            }};
        auto* connection = new HttpConnection(socket, judge, this);
        m_connections.emplace(id, connection);
        connect(connection, &HttpConnection::trusted, this, [this, id]() { m_places.trust(id); });
        connect(connection, &HttpConnection::webSocketAsked, this,
                [this, id](QTcpSocket* upgrading) { upgrade(id, upgrading); });
        // Queued, so that a connection is never deleted inside its own signal.
        connect(
            connection, &HttpConnection::finished, this,
            [this, id]() {
                // A connection that went live keeps its place, and its holds, as the socket.
                if (!m_places.isLive(id)) {
                    m_places.leave(id);
                    m_applause.forget(id);
                }
                const auto found = m_connections.find(id);
                if (found == m_connections.end())
                    return;
                found->second->deleteLater();
                m_connections.erase(found);
            },
            Qt::QueuedConnection);
    }
}

void ShowControlServer::carryOut(std::uint64_t id, const RemoteReply& reply)
{
    if (!reply.command)
        return;
    if (reply.command->kind == RemoteCommand::Kind::Applause)
        m_applause.hear(id, reply.command->down);
    else
        emit commandArrived(*reply.command);
}

void ShowControlServer::upgrade(std::uint64_t id, QTcpSocket* upgrading)
{
    upgrading->setParent(this);
    if (auto* ours = qobject_cast<ShowControlSocket*>(upgrading))
        ours->expectHandshake();
    m_upgrading.emplace(id, upgrading);
    // A handshake that Qt WebSockets refuses closes the socket without a live one: its place goes.
    connect(upgrading, &QTcpSocket::disconnected, this, [this, id]() {
        const auto found = m_upgrading.find(id);
        if (found == m_upgrading.end())
            return;
        if (found->second)
            found->second->deleteLater();
        m_upgrading.erase(found);
        m_places.leave(id);
        m_applause.forget(id);
    }, Qt::QueuedConnection);
    m_upgrades.handleConnection(upgrading);
}

void ShowControlServer::acceptLive()
{
    while (m_upgrades.hasPendingConnections()) {
        std::unique_ptr<QWebSocket> socket(m_upgrades.nextPendingConnection());
        if (!socket)
            continue;
        // A live page says only whether it holds the applause.
        socket->setMaxAllowedIncomingFrameSize(RequestHandler::kMaxBody);
        socket->setMaxAllowedIncomingMessageSize(RequestHandler::kMaxBody);
        QWebSocket* live = socket.get();
        // The socket under it is the one upgraded from the same peer's address and port.
        const auto under = std::find_if(m_upgrading.begin(), m_upgrading.end(), [&](const auto& up) {
            return up.second && up.second->peerPort() == live->peerPort() &&
                   up.second->peerAddress() == live->peerAddress();
        });
        if (under == m_upgrading.end()) {
            live->abort();
            continue;
        }
        const std::uint64_t id = under->first;
        const QPointer<QTcpSocket> connection = under->second;
        m_upgrading.erase(under);
        // Queued, so that no socket leaves m_live while it is being gone through.
        connect(live, &QWebSocket::disconnected, this, [this, live]() { dropLive(live); },
                Qt::QueuedConnection);
        connect(live, &QWebSocket::textMessageReceived, this,
                [this, id](const QString& message) { hearLive(id, message); });
        connect(live, &QWebSocket::pong, this, [this, live]() {
            for (Live& held : m_live) {
                if (held.socket.get() == live)
                    held.lastHeard = m_clock.elapsed();
            }
        });
        if (m_live.empty()) {
            m_lastSent = showStateJson(m_state());
            m_ping.start();
        }
        live->sendTextMessage(QString::fromUtf8(m_lastSent));
        m_live.push_back(Live{std::move(socket), id, connection, m_clock.elapsed()});
    }
}

void ShowControlServer::hearLive(std::uint64_t id, const QString& message)
{
    if (const std::optional<RemoteCommand> command = RequestHandler::liveCommand(message.toUtf8()))
        m_applause.hear(id, command->down);
}

void ShowControlServer::pingLive()
{
    const qint64 now = m_clock.elapsed();
    for (const Live& held : m_live) {
        if (now - held.lastHeard > kLiveSilenceMs)
            held.socket->abort();
        else
            held.socket->ping();
    }
    if (m_live.empty())
        m_ping.stop();
}

void ShowControlServer::dropLive(QWebSocket* live)
{
    const auto found = std::find_if(m_live.begin(), m_live.end(),
                                    [live](const Live& held) { return held.socket.get() == live; });
    if (found == m_live.end())
        return;
    m_places.leave(found->id);
    m_applause.forget(found->id);
    found->socket.release()->deleteLater();
    if (found->connection)
        found->connection->deleteLater();
    m_live.erase(found);
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
    for (const Live& live : m_live)
        live.socket->sendTextMessage(message);
}
