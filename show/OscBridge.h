// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/OscSettings.h"
#include "osc/OscService.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace brio {
class BRAppConfig;
}
class MeterSession;

// Ties OSC to the show's session: runs the link while OSC is on (and only then), tells it of
// every change of the display, and hands the session the commands that arrive. The link
// comes from its module (osc/OscService.h), loaded the first time OSC is switched on or the
// dialog asks what only the sockets' code knows; a module that cannot be loaded is a notice.
// Its notices go to the session's.
class OscBridge : public QObject {
    Q_OBJECT
public:
    OscBridge(brio::BRAppConfig& settings, MeterSession& session);
    ~OscBridge() override;

    // Follows the stored settings: opens, reopens or closes the socket.
    void followSettings();
    // The link while OSC is on, for the dialog's counts; null while off.
    const OscService* link() const { return m_link.get(); }

    // For the dialog, whether OSC is on or not: the parts of its two lists that are not
    // addresses, and "Send Test" to the targets it lists, answering how many it reached.
    QStringList unreadableAddresses(const QString& sendTo, const QString& allowFrom) const;
    int sendTest(const QString& sendTo) const;

signals:
    // OSC was switched on or off, or its counts changed.
    void changed();

private:
    void tell();
    // The module's entry point by that name; null, with a notice, when it cannot be had.
    template <typename Entry>
    Entry entry(const char* symbol) const;

    brio::BRAppConfig& m_settings;
    MeterSession& m_session;
    std::unique_ptr<OscService> m_link;
};
