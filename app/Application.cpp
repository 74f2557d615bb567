// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "store/StoreLocation.h"
#include "widgets/dialogs/ResumeQuestion.h"

#include <QEventLoop>
#include <QMetaObject>

#include <atomic>
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
    // The results file opens (or is made, on a first start) on a thread of its own while the
    // window is made, shown and drawn. Until it is open the event loop runs for the window
    // alone: the operator's input waits in Qt's queue, and show control and OSC are not yet
    // listening, so the first key, the first remote command and the resume question all come
    // after the file is open.
    QEventLoop untilOpen;
    std::atomic<bool> opened = false;
    std::future<StoreStatus> opening = std::async(std::launch::async, [this, &untilOpen, &opened] {
        StoreStatus status = m_show.openResults();
        opened = true;
        QMetaObject::invokeMethod(&untilOpen, &QEventLoop::quit, Qt::QueuedConnection);
        return status;
    });
    m_window = new MainWindow(m_show, m_config);
    m_window->restorePlacement();
    if (!opened)
        untilOpen.exec(QEventLoop::ExcludeUserInputEvents);
    const StoreStatus status = opening.get();
    QObject::connect(m_window, &MainWindow::closing, &m_show, &Show::end);
    m_show.followSettings();
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
