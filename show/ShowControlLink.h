// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RemoteCommand.h"
#include "remote/ShowControlService.h"
#include "remote/ShowControlSettings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace brio {
class BRAppConfig;
}
class MeterSession;
class MicrophoneSource;

// Ties show control to the show's session: runs the server while show control is on (and only
// then), lets remotes hear of every change of the display, and carries out their commands as
// the session's intents, as the operator's keys would. The server comes from its module
// (remote/ShowControlService.h), loaded the first time show control is switched on; a module
// that cannot be loaded is a notice. Its notices go to the session's.
class ShowControlLink : public QObject {
    Q_OBJECT
public:
    ShowControlLink(brio::BRAppConfig& settings, MeterSession& session);
    ~ShowControlLink() override;

    // Follows the stored settings: starts, restarts or stops the server.
    void followSettings();
    // --show-control PORT: on for this run, for this computer only, whatever is stored.
    void startForThisRun(int port);
    bool isRunning() const { return m_server != nullptr; }
    // What show control runs with: the command line's choice for this run, else the stored one.
    ShowControlSettings current() const;
    // The dialog's choice: stored and followed; in a run started with --show-control it applies
    // to this run, and only a new token is stored.
    void apply(const ShowControlSettings& chosen);
    // What makes the jury's changes last (the results file's flush): a set-up's links and a
    // mark are answered only once it says they are kept; without it, at once.
    void keepJuryWith(std::function<bool()> kept) { m_juryKept = std::move(kept); }
    // The event's title changed (View > Event...): remotes are told with the next state.
    void setEventTitle(const QString& title);
    // The room's microphones, whose levels the state reports while they measure; the source
    // must outlive the link.
    void setMicrophones(const MicrophoneSource* microphones) { m_microphones = microphones; }

private:
    void start(const ShowControlSettings& settings);
    void stop();

    brio::BRAppConfig& m_settings;
    MeterSession& m_session;
    std::unique_ptr<ShowControlService> m_server;
    const MicrophoneSource* m_microphones = nullptr;
    std::optional<QString> m_title;  // the event's, read once and then told of changes
    std::optional<ShowControlSettings> m_thisRun;  // set by --show-control
    std::function<bool()> m_juryKept;
};

// The address at which other machines reach this one: its first IPv4 address on the local
// network, or this computer's own when it has none (or show control's module cannot be had).
QString localNetworkHost();
