// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/ConnectionPlaces.h"
#include "remote/HeldApplause.h"
#include "remote/RemoteCommand.h"
#include "remote/RequestHandler.h"
#include "remote/ShowControlSocket.h"
#include "remote/ShowState.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWebSocketServer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class HttpConnection;
class QTcpSocket;
class QWebSocket;

// Show control while it is on: listens for the API, the pages and the live WebSocket, and
// hands the meter the commands that arrive. Made when switched on and deleted when off, so
// that nothing of it runs otherwise.
class ShowControlServer : public QObject {
    Q_OBJECT
public:
    // After this long without a word from a remote that holds the applause down, its hold goes.
    static constexpr int kApplauseSilenceMs = HeldApplause::kSilenceMs;
    // Live sockets are pinged this often; one that has not answered for kLiveSilenceMs is dropped.
    static constexpr int kPingMs = 5'000;
    static constexpr int kLiveSilenceMs = 20'000;

    // state gives what the show looks like now, whenever asked.
    ShowControlServer(const QString& token, std::function<ShowState()> state,
                      QObject* parent = nullptr);
    ~ShowControlServer() override;

    // False, with errorString(), when the port cannot be had.
    bool listen(const QHostAddress& address, quint16 port);
    QString errorString() const;
    quint16 port() const;

    // The judges' tokens and the jury that answers their requests (see RequestHandler).
    void setJury(RequestHandler::JudgeTokens judges, RequestHandler::JuryDesk desk)
    {
        m_handler.setJury(std::move(judges), std::move(desk));
    }

    // Something the show displays may have changed: the live connections hear of it once
    // at the next tick, if it did. Costs nothing while nobody listens.
    void stateMayHaveChanged();

signals:
    // An applause command names its holder: the connection it came from, never 0 and never
    // reused. A hold that begins is one applause down; one that ends (released, silent for
    // kApplauseSilenceMs, or its connection gone) one applause up with the same holder; the
    // repeats between them say nothing.
    void commandArrived(const RemoteCommand& command);

private:
    // Carries out the command a reply holds; an applause is held by the connection id.
    void carryOut(std::uint64_t id, const RemoteReply& reply);
    void acceptConnections();
    void upgrade(std::uint64_t id, QTcpSocket* upgrading);
    void acceptLive();
    void hearLive(std::uint64_t id, const QString& message);
    void pingLive();
    void dropLive(QWebSocket* live);
    void sendIfChanged();

    struct Live {
        std::unique_ptr<QWebSocket> socket;
        std::uint64_t id = 0;  // its connection's, which it holds the applause as
        QPointer<QTcpSocket> connection;  // the socket under it, this object's child
        qint64 lastHeard = 0;  // on m_clock
    };

    std::function<ShowState()> m_state;
    RequestHandler m_handler;
    QElapsedTimer m_clock;
    ShowControlListener m_listener;
    ConnectionPlaces m_places;
    std::map<std::uint64_t, HttpConnection*> m_connections;  // children of this object
    std::uint64_t m_lastId = 0;
    // Completes the upgrades that were admitted; it listens on no port of its own.
    QWebSocketServer m_upgrades;
    std::map<std::uint64_t, QPointer<QTcpSocket>> m_upgrading;  // handed to m_upgrades
    std::vector<Live> m_live;
    QByteArray m_lastSent;
    QTimer m_tick;
    QTimer m_ping;
    HeldApplause m_applause;
};
