// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "show/OscBridge.h"

#include "show/MeterSession.h"
#include "show/ModuleFile.h"

OscBridge::OscBridge(brio::BRAppConfig& settings, MeterSession& session)
    : m_settings(settings), m_session(session)
{
    connect(&m_session, &MeterSession::displayChanged, this, &OscBridge::tell);
    connect(&m_session, &MeterSession::winnersChanged, this, &OscBridge::tell);
}

OscBridge::~OscBridge() = default;

template <typename Entry>
Entry OscBridge::entry(const char* symbol) const
{
    QString error;
    const auto found = moduleEntryOf<Entry>(moduleFilePath(kOscModuleFile), symbol, error);
    if (found == nullptr)
        emit m_session.notice(tr("OSC is off: its module cannot be loaded (%1).").arg(error));
    return found;
}

void OscBridge::followSettings()
{
    m_link.reset();
    // OSC's hold goes with its socket, and only OSC's.
    m_session.releaseAll(SpaceSource::Osc);
    const OscSettings stored = loadOscSettings(m_settings);
    const auto make = stored.on ? entry<MakeOscService>(kMakeOscServiceSymbol) : nullptr;
    if (make != nullptr) {
        OscEvents events;
        events.commandArrived = [this](const ShowCommand& command) {
            m_session.carryOut(command, SpaceSource::Osc);
        };
        events.countsChanged = [this] { emit changed(); };
        std::unique_ptr<OscService> link(make(stored, std::move(events)));
        if (!link->problem().isEmpty()) {
            emit m_session.notice(tr("OSC is off: %1").arg(link->problem()));
        } else {
            m_link = std::move(link);
            // What is under way now is the first thing the targets hear.
            tell();
        }
    }
    emit changed();
}

void OscBridge::tell()
{
    if (!m_link)
        return;
    OscFacts facts = oscFactsOf(m_session.meter(), m_session.winnersShowing());
    if (const std::optional<Duel>& duel = m_session.duel(); duel && duel->verdict) {
        for (const DuelSide& side : duel->sides)
            facts.duelEnded.emplace_back(side.name, side.score);
    }
    for (const MeterSession::OpenMarking& open : m_session.openMarkings())
        facts.marked.emplace_back(open.name, static_cast<int>(open.markedBy.size()));
    m_link->showChanged(facts);
}

QStringList OscBridge::unreadableAddresses(const QString& sendTo, const QString& allowFrom) const
{
    const auto unreadable = entry<UnreadableOscAddresses>(kUnreadableOscAddressesSymbol);
    return unreadable != nullptr ? unreadable(sendTo, allowFrom) : QStringList();
}

int OscBridge::sendTest(const QString& sendTo) const
{
    const auto send = entry<SendOscTest>(kSendOscTestSymbol);
    return send != nullptr ? send(sendTo) : 0;
}
