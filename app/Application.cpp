// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "brio/BRStringQt.h"
#include "store/StoreLocation.h"
#include "store/StoreMessages.h"
#include "widgets/dialogs/ResumeQuestion.h"

#include <QDateTime>

#include <algorithm>
#include <future>

Application::Application(AppConfig& config, const QString& audioFile,
                         std::optional<int> showControlPort)
    : m_config(config), m_audioFile(audioFile), m_showControlPort(showControlPort), m_recorder(defaultDatabasePath()), m_journal(m_recorder)
{
}

Application::~Application()
{
    // A window still open when the event loop ends goes before the store it writes to.
    delete m_window.data();
}

void Application::start()
{
    // Opening the results file (creating it on a first start) runs beside the making and
    // showing of the window. It is open before the event loop runs, so before the first key,
    // the resume question and the first result.
    std::future<StoreStatus> opening =
        std::async(std::launch::async, [this] { return m_recorder.open(); });
    m_window = new MainWindow(m_config);
    m_window->restorePlacement();
    const StoreStatus status = opening.get();
    QObject::connect(m_window, &MainWindow::closing, m_window, [this]() { endEvent(); });
    // One more attempt to write what waits before the window goes; the window asks the
    // operator when the disk still refuses it.
    m_window->setResultsSavedCheck([this]() { return m_recorder.flush(); });
    // The failure is told once, whenever it comes; the show goes on without saving.
    QObject::connect(&m_recorder, &EventRecorder::savingFailed, m_window,
                     [this](const QString& message) {
                         if (m_window)
                             m_window->showNotice(message);
                     });
    // What waited in memory is on disk when saving works again.
    QObject::connect(&m_recorder, &EventRecorder::savingResumed, m_window, [this]() {
        if (m_window)
            m_window->showNotice(StoreMessages::savingAgain());
    });
    // The remotes work while the resume question waits for its answer.
    if (m_showControlPort)
        m_window->showControl().startForThisRun(*m_showControlPort);
    beginOrResumeEvent();
    if (!status.message.isEmpty())
        m_window->showNotice(status.message);
    m_journal.attach(m_window->session());
    // Faults of the sound input arrive as notices once the window shows.
    m_window->microphone().begin(m_audioFile);
}

void Application::beginOrResumeEvent()
{
    const std::optional<StoredEvent> last = m_recorder.latestEvent();
    if (last && needsResumeOffer(*last) &&
        askToResume(m_window, static_cast<int>(last->entries.size()), lastContestant(*last))) {
        m_journal.resume(m_window->session(), *last);
        m_window->setEventStarted(last->started);
        return;
    }
    const QDateTime started = QDateTime::currentDateTime();
    m_recorder.beginEvent(started);
    m_window->setEventStarted(started);
}

void Application::endEvent()
{
    m_journal.end(m_window->session());
}
