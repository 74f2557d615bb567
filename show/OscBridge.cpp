// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/OscBridge.h"

#include "show/MeterSession.h"

OscBridge::OscBridge(brio::BRAppConfig& settings, MeterSession& session)
    : m_settings(settings), m_session(session)
{
    connect(&m_session, &MeterSession::displayChanged, this, &OscBridge::tell);
    connect(&m_session, &MeterSession::winnersChanged, this, &OscBridge::tell);
}

OscBridge::~OscBridge() = default;

void OscBridge::followSettings()
{
    m_link.reset();
    // OSC's hold goes with its socket, and only OSC's.
    m_session.releaseAll(SpaceSource::Osc);
    const OscSettings stored = loadOscSettings(m_settings);
    if (stored.on) {
        auto link = std::make_unique<OscLink>(stored);
        if (!link->problem().isEmpty()) {
            emit m_session.notice(tr("OSC is off: %1").arg(link->problem()));
        } else {
            connect(link.get(), &OscLink::commandArrived, &m_session,
                    [this](const ShowCommand& command) {
                        m_session.carryOut(command, SpaceSource::Osc);
                    });
            connect(link.get(), &OscLink::countsChanged, this, &OscBridge::changed);
            m_link = std::move(link);
            // What is under way now is the first thing the targets hear.
            tell();
        }
    }
    emit changed();
}

void OscBridge::tell()
{
    if (m_link)
        m_link->showChanged(oscFactsOf(m_session.meter(), m_session.winnersShowing()));
}
