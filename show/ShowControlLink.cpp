// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/ShowControlLink.h"

#include "brio/BRStringQt.h"
#include "core/settings/StageSettings.h"
#include "remote/ShowControlServer.h"
#include "show/MeterSession.h"

#include <QHostAddress>

ShowControlLink::ShowControlLink(brio::BRAppConfig& settings, MeterSession& session)
    : m_settings(settings), m_session(session)
{
    const auto tell = [this]() {
        if (m_server)
            m_server->stateMayHaveChanged();
    };
    connect(&m_session, &MeterSession::displayChanged, this, tell);
    connect(&m_session, &MeterSession::winnersChanged, this, tell);
}

ShowControlLink::~ShowControlLink()
{
    stop();
}

void ShowControlLink::followSettings()
{
    stop();
    const ShowControlSettings stored = loadShowControlSettings(m_settings);
    if (stored.on)
        start(withToken(m_settings, stored));
}

void ShowControlLink::startForThisRun(int port)
{
    stop();
    ShowControlSettings settings = withToken(m_settings, loadShowControlSettings(m_settings));
    settings.address = QString::fromLatin1(kThisComputerAddress);
    settings.port = port;
    settings.on = true;
    m_thisRun = settings;
    start(settings);
}

ShowControlSettings ShowControlLink::current() const
{
    return m_thisRun ? *m_thisRun : loadShowControlSettings(m_settings);
}

void ShowControlLink::apply(const ShowControlSettings& chosen)
{
    if (!m_thisRun) {
        storeShowControlSettings(m_settings, chosen);
        followSettings();
        return;
    }
    ShowControlSettings stored = loadShowControlSettings(m_settings);
    stored.token = chosen.token;
    storeShowControlSettings(m_settings, stored);
    stop();
    m_thisRun = chosen;
    if (chosen.on)
        start(withToken(m_settings, chosen));
}

void ShowControlLink::start(const ShowControlSettings& settings)
{
    // Read when a server first needs it, not at every start of the program.
    if (!m_title)
        m_title = brio::toQString(loadStageSettings(m_settings).eventTitle);
    auto server = std::make_unique<ShowControlServer>(settings.token, [this]() {
        ShowState state = showStateOf(m_session.meter(), *m_title, m_session.winnersShowing(),
                                      m_session.hiddenNames());
        addRounds(state, m_session);
        return state;
    });
    if (!server->listen(QHostAddress(settings.address), static_cast<quint16>(settings.port))) {
        emit m_session.notice(tr("Show control is off: port %1 cannot be opened (%2).")
                                  .arg(settings.port)
                                  .arg(server->errorString()));
        return;
    }
    connect(server.get(), &ShowControlServer::commandArrived, &m_session,
            [this](const RemoteCommand& command) {
                m_session.carryOut(command, SpaceSource::Remote);
            });
    m_server = std::move(server);
}

void ShowControlLink::stop()
{
    if (!m_server)
        return;
    m_server.reset();
    m_session.releaseAll(SpaceSource::Remote);
}

void ShowControlLink::setEventTitle(const QString& title)
{
    m_title = title;
    if (m_server)
        m_server->stateMayHaveChanged();
}
