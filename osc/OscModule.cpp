// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The OSC module: OscLink behind the plain interface the show loads, and what the OSC dialog
// asks of the sockets' code.

#include "osc/OscLink.h"
#include "osc/OscOutbox.h"
#include "osc/OscPeers.h"
#include "osc/OscService.h"

#include <utility>

namespace {

class ModuleOsc final : public OscService {
public:
    ModuleOsc(const OscSettings& settings, OscEvents events)
        : m_events(std::move(events)), m_link(settings)
    {
        // The link's last word, a held applause let go, comes from its destructor: m_events
        // outlives it.
        QObject::connect(&m_link, &OscLink::commandArrived, &m_link,
                         [this](const ShowCommand& command) {
                             if (m_events.commandArrived)
                                 m_events.commandArrived(command);
                         });
        QObject::connect(&m_link, &OscLink::countsChanged, &m_link, [this] {
            if (m_events.countsChanged)
                m_events.countsChanged();
        });
    }

    QString problem() const override { return m_link.problem(); }
    OscCounts counts() const override { return m_link.counts(); }
    void showChanged(const OscFacts& now) override { m_link.showChanged(now); }

private:
    OscEvents m_events;
    OscLink m_link;
};

}  // namespace

extern "C" Q_DECL_EXPORT OscService* ovatronMakeOsc(const OscSettings& settings, OscEvents events)
{
    return new ModuleOsc(settings, std::move(events));
}

extern "C" Q_DECL_EXPORT QStringList ovatronUnreadableOscAddresses(const QString& sendTo,
                                                                    const QString& allowFrom)
{
    return parseOscTargets(sendTo).unreadable + unreadableAllowList(allowFrom);
}

extern "C" Q_DECL_EXPORT int ovatronSendOscTest(const QString& sendTo)
{
    OscOutbox outbox(parseOscTargets(sendTo).targets);
    return outbox.send(oscTestMessage());
}
