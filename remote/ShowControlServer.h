// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/ConnectionPlaces.h"
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
    // After this long without a word from the remote that holds the applause down, it is let go.
    static constexpr int kApplauseSilenceMs = 2000;
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

    // Something the show displays may have changed: the live connections hear of it once
    // at the next tick, if it did. Costs nothing while nobody listens.
    void stateMayHaveChanged();

signals:
    void commandArrived(const RemoteCommand& command);

private:
    // Carries out the command a reply holds; the applause is held by the socket that asked.
    void carryOut(QTcpSocket* socket, const RemoteReply& reply);
    void acceptConnections();
    void acceptLive();
    void pingLive();
    void dropLive(QWebSocket* live);
    void sendIfChanged();
    void holdApplause(QTcpSocket* socket);
    void releaseApplause();

    struct Live {
        std::unique_ptr<QWebSocket> socket;
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
    std::vector<Live> m_live;
    QByteArray m_lastSent;
    QTimer m_tick;
    QTimer m_ping;
    // The connection whose "down" holds the applause, and the silence that lets it go.
    QPointer<QTcpSocket> m_applauseFrom;
    QMetaObject::Connection m_applauseClosed;
    QTimer m_applauseSilence;
    bool m_applauseDown = false;
};
