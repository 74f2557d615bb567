// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/EventRecorder.h"

#include "brio/BRFileInfo.h"
#include "brio/BRStringQt.h"
#include "store/EventDatabase.h"
#include "store/StoreMessages.h"

#include <QFileInfo>
#include <QThread>

#include <utility>

namespace {

// How long the worker waits before trying failed writes again; new changes keep queueing
// meanwhile instead of hammering a full disk at every tick.
constexpr std::chrono::milliseconds retryInterval{2000};

QString failureReason(const SqliteFailure& failure, const QString& path)
{
    if (failure.kind == SqliteFailureKind::Full)
        return StoreMessages::diskFull();
    // A disk the kernel turned read-only gives SQLite an I/O error, not a read-only one.
    if (failure.kind == SqliteFailureKind::ReadOnly
        || !brio::BRFileInfo::folderTakesNewFiles(brio::fromQString(QFileInfo(path).path())))
        return StoreMessages::cannotWrite(path);
    return StoreMessages::failed(path, failure.detail);
}

QString failureMessage(const SqliteFailure& failure, const QString& path)
{
    return StoreMessages::notSaving(failureReason(failure, path)) + QLatin1Char(' ')
        + StoreMessages::keptUntilWritable();
}

}  // namespace

EventRecorder::EventRecorder(const QString& databasePath, QObject* parent)
    : QObject(parent)
    , m_path(databasePath)
{
    m_thread = std::thread([this] {
        QThread::currentThread()->setObjectName(QStringLiteral("Ovatron results"));
        run();
    });
}

EventRecorder::~EventRecorder()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

StoreStatus EventRecorder::open()
{
    StoreStatus opened;
    runOnWorker([&](EventDatabase& database) { opened = database.openForRecording(m_path); });
    std::lock_guard lock(m_mutex);
    m_status = opened;
    m_failing = false;
    m_accepting = opened.saving();
    return opened;
}

StoreStatus EventRecorder::status() const
{
    std::lock_guard lock(m_mutex);
    return m_status;
}

std::optional<StoredEvent> EventRecorder::latestEvent()
{
    std::optional<StoredEvent> event;
    runOnWorker([&](EventDatabase& database) {
        std::optional<QSqlError> error;
        event = database.latestEvent(error);
    });
    return event;
}

void EventRecorder::beginEvent(const QDateTime& started)
{
    enqueue(StoreOp::BeginEvent{started});
}

void EventRecorder::resumeEvent(qint64 eventId)
{
    enqueue(StoreOp::ResumeEvent{eventId});
}

void EventRecorder::contestantStarted(qint64 order, const QString& name, const QDateTime& began)
{
    enqueue(StoreOp::ContestantStarted{order, name, began});
}

void EventRecorder::scoreRaised(qint64 order, int score)
{
    enqueue(StoreOp::ScoreRaised{order, score});
}

void EventRecorder::turnEnded(qint64 order, const QDateTime& ended)
{
    enqueue(StoreOp::TurnEnded{order, ended});
}

void EventRecorder::tableCleared(std::optional<qint64> keptOrder)
{
    enqueue(StoreOp::TableCleared{keptOrder});
}

void EventRecorder::preloadChanged(const QStringList& list, int position)
{
    enqueue(StoreOp::PreloadChanged{list, position});
}

void EventRecorder::entryRenamed(qint64 order, const QString& name)
{
    enqueue(StoreOp::EntryRenamed{order, name});
}

void EventRecorder::scoreCorrected(qint64 order, int score)
{
    enqueue(StoreOp::ScoreCorrected{order, score});
}

void EventRecorder::entriesRemoved(const QList<qint64>& orders)
{
    enqueue(StoreOp::EntriesRemoved{orders});
}

void EventRecorder::entriesRestored(const QList<qint64>& orders)
{
    enqueue(StoreOp::EntriesRestored{orders});
}

void EventRecorder::curveStarted(const StoreOp::CurveStarted& first)
{
    enqueue(first);
}

void EventRecorder::curveRead(qint64 order, int reading, const QList<int>& microphones)
{
    enqueue(StoreOp::CurveRead{order, {reading}, {microphones}});
}

void EventRecorder::roundNamed(int roundId, const QString& name)
{
    enqueue(StoreOp::RoundNamed{roundId, name});
}

void EventRecorder::roundRemoved(int roundId, bool removed)
{
    enqueue(StoreOp::RoundRemoved{roundId, removed});
}

void EventRecorder::roundSwitched(int roundId, const QStringList& waiting)
{
    enqueue(StoreOp::RoundSwitched{roundId, waiting});
}

void EventRecorder::clapOffStarted(int number, const QStringList& names)
{
    enqueue(StoreOp::ClapOffStarted{number, names});
}

void EventRecorder::clapOffEnded()
{
    enqueue(StoreOp::ClapOffEnded{});
}

void EventRecorder::jurySetUp(const StoreOp::JurySetUp& setUp)
{
    enqueue(setUp);
}

void EventRecorder::markingChanged(const StoreOp::MarkingChanged& change)
{
    enqueue(change);
}

void EventRecorder::markTaken(const StoreOp::MarkTaken& mark)
{
    enqueue(mark);
}

void EventRecorder::eventEnded()
{
    enqueue(StoreOp::EventEnded{});
}

void EventRecorder::enqueue(StoreOperation operation)
{
    if (!m_accepting) {
        // Remembered so that closing asks about the contestants the file never got.
        if (std::holds_alternative<StoreOp::ContestantStarted>(operation))
            m_resultsDropped = true;
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_queue.push(std::move(operation));
        ++m_pushed;
    }
    m_wake.notify_one();
}

bool EventRecorder::flush()
{
    if (m_resultsDropped)
        return false;
    std::unique_lock lock(m_mutex);
    const quint64 target = m_pushed;
    if (m_written >= target)
        return true;
    const quint64 attemptsBefore = m_attempts;
    m_retryNow = true;
    m_wake.notify_one();
    m_progress.wait(lock, [&] {
        return m_written >= target || (m_attempts > attemptsBefore && m_attemptedUpTo >= target);
    });
    return m_written >= target;
}

void EventRecorder::runOnWorker(std::function<void(EventDatabase&)> task)
{
    bool done = false;
    std::unique_lock lock(m_mutex);
    m_tasks.push_back([&](EventDatabase& database) {
        task(database);
        std::lock_guard doneLock(m_mutex);
        done = true;
    });
    m_wake.notify_one();
    m_progress.wait(lock, [&] { return done; });
}

bool EventRecorder::writeIsDue() const
{
    return !m_queue.isEmpty()
        && (!m_failing || m_retryNow || m_stopping || Clock::now() >= m_retryAt);
}

void EventRecorder::run()
{
    EventDatabase database;
    std::unique_lock lock(m_mutex);
    for (;;) {
        const auto ready = [this] { return writeIsDue() || !m_tasks.empty() || m_stopping; };
        if (m_failing && !m_queue.isEmpty())
            m_wake.wait_until(lock, m_retryAt, ready);
        else
            m_wake.wait(lock, ready);

        if (writeIsDue()) {
            const bool lastTry = m_stopping;
            writeQueued(database, lock);
            // A failing disk gets one last try at closing time, not an endless loop.
            if (lastTry && m_failing)
                break;
            continue;
        }
        if (!m_tasks.empty()) {
            auto task = std::move(m_tasks.front());
            m_tasks.erase(m_tasks.begin());
            lock.unlock();
            task(database);
            lock.lock();
            m_progress.notify_all();
            continue;
        }
        if (m_stopping)
            break;
    }
    lock.unlock();
    database.close();
}

void EventRecorder::writeQueued(EventDatabase& database, std::unique_lock<std::mutex>& lock)
{
    m_retryNow = false;
    std::vector<StoreOperation> batch = m_queue.takeAll();
    const quint64 upTo = m_pushed;
    lock.unlock();
    const std::optional<SqliteFailure> failure = database.apply(batch);
    lock.lock();

    const bool wasFailing = m_failing;
    if (failure) {
        m_queue.putBack(std::move(batch));
        m_retryAt = Clock::now() + retryInterval;
        m_failing = true;
        if (!wasFailing)
            m_status = {StoreCondition::WriteFailed, failureMessage(*failure, m_path), {}};
    } else {
        m_failing = false;
        if (wasFailing)
            m_status = {StoreCondition::Saving, {}, {}};
    }

    // Report the change before flush() learns of the outcome, so that its caller sees both.
    if (wasFailing != m_failing) {
        const QString message = m_status.message;
        lock.unlock();
        if (m_failing)
            emit savingFailed(message);
        else
            emit savingResumed();
        lock.lock();
    }
    ++m_attempts;
    m_attemptedUpTo = upTo;
    if (!failure)
        m_written = upTo;
    m_progress.notify_all();
}
