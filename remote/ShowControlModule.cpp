// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The show control module: ShowControlServer behind the plain interface the show loads.

#include "remote/ShowControlServer.h"
#include "remote/ShowControlService.h"
#include "remote/ShowControlSettings.h"

#include <QHostAddress>
#include <QNetworkInterface>

#include <utility>

namespace {

class ModuleShowControl final : public ShowControlService {
public:
    ModuleShowControl(const QString& token, std::function<ShowState()> state,
                      ShowControlEvents events)
        : m_events(std::move(events)), m_server(token, std::move(state))
    {
        QObject::connect(&m_server, &ShowControlServer::commandArrived, &m_server,
                         [this](const RemoteCommand& command) {
                             if (m_events.commandArrived)
                                 m_events.commandArrived(command);
                         });
        if (m_events.judges && m_events.juryAsked)
            m_server.setJury(m_events.judges, m_events.juryAsked);
    }

    bool listen(const QString& address, quint16 port) override
    {
        return m_server.listen(QHostAddress(address), port);
    }
    QString errorString() const override { return m_server.errorString(); }
    void stateMayHaveChanged() override { m_server.stateMayHaveChanged(); }

private:
    ShowControlEvents m_events;
    ShowControlServer m_server;
};

}  // namespace

extern "C" Q_DECL_EXPORT ShowControlService* ovatronMakeShowControl(
    const QString& token, std::function<ShowState()> state, ShowControlEvents events)
{
    return new ModuleShowControl(token, std::move(state), std::move(events));
}

// The first IPv4 address that is not the loopback, else this computer's.
extern "C" Q_DECL_EXPORT QString ovatronLocalNetworkHost()
{
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QString::fromLatin1(kThisComputerAddress);
}
