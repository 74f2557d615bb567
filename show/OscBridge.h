// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/OscSettings.h"
#include "osc/OscLink.h"

#include <QObject>

#include <memory>

namespace brio {
class BRAppConfig;
}
class MeterSession;

// Ties OSC to the show's session: runs the link while OSC is on (and only then), tells it of
// every change of the display, and hands the session the commands that arrive. Its notices go
// to the session's.
class OscBridge : public QObject {
    Q_OBJECT
public:
    OscBridge(brio::BRAppConfig& settings, MeterSession& session);
    ~OscBridge() override;

    // Follows the stored settings: opens, reopens or closes the socket.
    void followSettings();
    // The link while OSC is on, for the dialog's counts and "Send Test"; null while off.
    OscLink* link() const { return m_link.get(); }

signals:
    // OSC was switched on or off, or its counts changed.
    void changed();

private:
    void tell();

    brio::BRAppConfig& m_settings;
    MeterSession& m_session;
    std::unique_ptr<OscLink> m_link;
};
