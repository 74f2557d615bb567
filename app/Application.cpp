// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Application.h"

#include "brio/BRStringQt.h"
#include "store/StoreLocation.h"
#include "store/StoreMessages.h"
#include "widgets/MeterResults.h"
#include "widgets/ResumeQuestion.h"

#include <QDateTime>

#include <algorithm>
#include <future>

namespace {

// The contestant who started last: the one with the highest order of entry.
QString lastContestant(const StoredEvent& event)
{
    const auto last = std::max_element(
        event.entries.begin(), event.entries.end(),
        [](const StoredEntry& a, const StoredEntry& b) { return a.order < b.order; });
    return last == event.entries.end() ? QString() : last->name;
}

brio::BRStringArray waitingNames(const StoredEvent& event)
{
    brio::BRStringArray names;
    for (qsizetype index = std::max(0, event.preloadPosition); index < event.preloadList.size();
         ++index)
        names.add(brio::fromQString(event.preloadList.at(index)));
    return names;
}

}  // namespace

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
    m_window->view().meter().setJournal(&m_journal);
    // Faults of the sound input arrive as notices once the window shows.
    m_window->microphone().begin(m_audioFile);
}

void Application::beginOrResumeEvent()
{
    const std::optional<StoredEvent> last = m_recorder.latestEvent();
    if (last && needsResumeOffer(*last) &&
        askToResume(m_window, static_cast<int>(last->entries.size()), lastContestant(*last))) {
        m_window->view().meter().restoreEvent(scoresOf(*last), waitingNames(*last),
                                              last->nextOrder);
        m_recorder.resumeEvent(last->id);
        m_journal.resumeWithPreloadList(
            last->preloadList.mid(std::max(0, last->preloadPosition)));
        m_window->setEventStarted(last->started);
        m_window->view().showChanges();
        return;
    }
    const QDateTime started = QDateTime::currentDateTime();
    m_recorder.beginEvent(started);
    m_window->setEventStarted(started);
}

void Application::endEvent()
{
    m_window->view().meter().setJournal(nullptr);
    m_recorder.eventEnded();
    m_recorder.flush();
}
