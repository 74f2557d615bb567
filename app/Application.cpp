// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "store/StoreLocation.h"
#include "widgets/dialogs/ResumeQuestion.h"

#include <future>

Application::Application(AppConfig& config, const QStringList& audioFiles,
                         std::optional<int> showControlPort)
    : m_config(config),
      m_audioFiles(audioFiles),
      m_showControlPort(showControlPort),
      m_show(config, defaultDatabasePath())
{
}

Application::~Application()
{
    // A window still open when the event loop ends goes before the show it shows.
    delete m_window.data();
}

void Application::start()
{
    // Opening the results file (creating it on a first start) runs beside the making and
    // showing of the window. It is open before the event loop runs, so before the first key,
    // the resume question and the first result.
    std::future<StoreStatus> opening =
        std::async(std::launch::async, [this] { return m_show.openResults(); });
    m_window = new MainWindow(m_show, m_config);
    m_show.followSettings();
    m_window->restorePlacement();
    const StoreStatus status = opening.get();
    QObject::connect(m_window, &MainWindow::closing, &m_show, &Show::end);
    // The remotes work while the resume question waits for its answer.
    if (m_showControlPort)
        m_show.showControl().startForThisRun(*m_showControlPort);
    beginOrResumeEvent();
    if (!status.message.isEmpty())
        m_window->showNotice(status.message);
    // Faults of the sound input arrive as notices once the window shows.
    m_show.microphone().begin(m_audioFiles);
}

void Application::beginOrResumeEvent()
{
    const std::optional<StoredEvent> last = m_show.eventToResume();
    if (last && askToResume(m_window, static_cast<int>(last->entries.size()), lastContestant(*last)))
        m_show.resumeEvent(*last);
    else
        m_show.beginEvent();
}
