// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/OscSettings.h"
#include "core/ShowCommand.h"
#include "osc/OscAnnouncer.h"
#include "osc/OscInbox.h"
#include "osc/OscService.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

class OscOutbox;

// OSC while it is on: takes commands from the allowed senders on the chosen address and port,
// and tells the targets what the show does. Made when switched on and deleted when off, so
// that no socket is open while it is off. Everything runs on the thread's event loop.
class OscLink : public QObject {
    Q_OBJECT
public:
    // After this long without a repeat, a held applause is let go, as over HTTP.
    static constexpr int kApplauseSilenceMs = 2000;
    // The level goes out at most this often.
    static constexpr int kLevelGapMs = 100;

    explicit OscLink(const OscSettings& settings, QObject* parent = nullptr);
    ~OscLink() override;

    // Empty while listening; otherwise why not, in the user's language.
    QString problem() const { return m_problem; }
    quint16 port() const { return m_socket.localPort(); }

    using Counts = OscCounts;
    Counts counts() const { return m_counts; }

    // Called whenever the show may have changed; sends what the change calls for.
    void showChanged(const OscFacts& now);
    void sendTest();

signals:
    void commandArrived(const ShowCommand& command);
    void countsChanged();

private:
    void readDatagrams();
    void carryOut(const ShowCommand& command);
    void send(const OscMessage& message);
    void sendLevel();

    OscSettings m_settings;
    QUdpSocket m_socket;
    OscInbox m_inbox;
    OscOutbox* m_outbox;  // a child of this object
    QString m_problem;
    Counts m_counts;
    OscFacts m_told;
    QTimer m_applauseSilence;
    bool m_applauseHeld = false;
    QElapsedTimer m_sinceLevel;
    QTimer m_levelDue;
    int m_levelSent = -1;
};
