// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QVector>

// A listening socket that keeps at most kMaxConnections connections alive; one more is
// answered "503 Service Unavailable" and closed.
class ConnectionLimit : public QTcpServer {
    Q_OBJECT
public:
    static constexpr int kMaxConnections = 16;

    using QTcpServer::QTcpServer;
    int liveConnections();

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QVector<QPointer<QTcpSocket>> m_live;
};
