// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ShowControlLink.h"

#include "brio/BRStringQt.h"
#include "core/StageSettings.h"
#include "remote/ShowControlServer.h"
#include "widgets/MeterView.h"

#include <QHostAddress>

ShowControlLink::ShowControlLink(brio::BRAppConfig& settings, MeterView& view)
    : m_settings(settings), m_view(view),
      m_title(brio::toQString(loadStageSettings(settings).eventTitle))
{
    connect(&m_view, &MeterView::displayChanged, this, [this]() {
        if (m_server)
            m_server->stateMayHaveChanged();
    });
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
    auto server = std::make_unique<ShowControlServer>(settings.token, [this]() {
        return showStateOf(m_view.meter(), m_title);
    });
    if (!server->listen(QHostAddress(settings.address), static_cast<quint16>(settings.port))) {
        emit notice(tr("Show control is off: port %1 cannot be opened (%2).")
                        .arg(settings.port)
                        .arg(server->errorString()));
        return;
    }
    connect(server.get(), &ShowControlServer::commandArrived, this, &ShowControlLink::carryOut);
    m_server = std::move(server);
}

void ShowControlLink::stop()
{
    if (!m_server)
        return;
    m_server.reset();
    m_view.setRemoteSpaceDown(false);
}

void ShowControlLink::carryOut(const RemoteCommand& command)
{
    switch (command.kind) {
    case RemoteCommand::Kind::Contestant:
        // What the operator had typed gives way to the remote's name.
        m_view.pressMeterKey(MeterCore::kEscape);
        m_view.typeText(command.name);
        m_view.pressMeterKey(MeterCore::kEnter);
        break;
    case RemoteCommand::Kind::Enter:
        m_view.pressMeterKey(MeterCore::kEnter);
        break;
    case RemoteCommand::Kind::Escape:
        m_view.pressMeterKey(MeterCore::kEscape);
        break;
    case RemoteCommand::Kind::Applause:
        m_view.setRemoteSpaceDown(command.down);
        break;
    }
}

void ShowControlLink::setEventTitle(const QString& title)
{
    m_title = title;
    if (m_server)
        m_server->stateMayHaveChanged();
}
