// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/AppConfig.h"
#include "store/EventRecorder.h"
#include "show/EventJournal.h"
#include "widgets/MainWindow.h"

#include <QPointer>

#include <optional>

// The application object: made in main() after the configuration store, it opens the event
// store, creates, places and shows the main window (which deletes itself when closed), offers
// to resume an event that was cut off, and records the show as it happens.
class Application {
public:
    // audioFile: a WAV file that stands in for the microphone; empty for the device.
    // showControlPort: show control on for this run, on that port.
    explicit Application(AppConfig& config, const QString& audioFile = {},
                         std::optional<int> showControlPort = std::nullopt);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void start();

private:
    // Resumes the last event or begins a new one; the operator is asked when the last one was
    // cut off with results in it.
    void beginOrResumeEvent();
    // File > Exit or the close box: the event needs no resume offer next time.
    void endEvent();

    AppConfig& m_config;
    QString m_audioFile;
    std::optional<int> m_showControlPort;
    EventRecorder m_recorder;
    EventJournal m_journal;
    QPointer<MainWindow> m_window;
};
