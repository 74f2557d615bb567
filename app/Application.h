// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/StartupWarmUp.h"
#include "core/AppConfig.h"
#include "show/Show.h"
#include "widgets/MainWindow.h"

#include <QPointer>
#include <QStringList>

#include <optional>

// The application object: made in main() after the configuration store, it makes the show,
// creates, places and shows the main window (which deletes itself when closed), and offers to
// resume an event that was cut off.
class Application {
public:
    // audioFiles: WAV files that stand in for the microphones, one each; none for the devices.
    // showControlPort: show control on for this run, on that port.
    explicit Application(AppConfig& config, const QStringList& audioFiles = {},
                         std::optional<int> showControlPort = std::nullopt);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Shows the window, then, once its first frame is drawn, sets the icon from warmUp's
    // pictures, opens the results file and begins or resumes the event.
    void start(StartupWarmUp& warmUp);

private:
    // Resumes the last event or begins a new one; the operator is asked when the last one was
    // cut off with results in it.
    void beginOrResumeEvent();

    AppConfig& m_config;
    QStringList m_audioFiles;
    std::optional<int> m_showControlPort;
    Show m_show;
    QPointer<MainWindow> m_window;
};
