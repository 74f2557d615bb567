// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/RemoteCommand.h"
#include "remote/ShowControlSettings.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace brio {
class BRAppConfig;
}
class MeterView;
class ShowControlServer;

// Ties show control to the meter view: runs the server while show control is on (and only
// then), lets remotes hear of every change of the display, and carries out their commands on
// the view as its keys would.
class ShowControlLink : public QObject {
    Q_OBJECT
public:
    ShowControlLink(brio::BRAppConfig& settings, MeterView& view);
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
    // The event's title changed (View > Event...): remotes are told with the next state.
    void setEventTitle(const QString& title);

signals:
    // A one-line message for the operator (a port that cannot be had).
    void notice(const QString& text);

private:
    void start(const ShowControlSettings& settings);
    void stop();
    void carryOut(const RemoteCommand& command);

    brio::BRAppConfig& m_settings;
    MeterView& m_view;
    std::unique_ptr<ShowControlServer> m_server;
    QString m_title;  // the event's, read once and then told of changes
    std::optional<ShowControlSettings> m_thisRun;  // set by --show-control
};
