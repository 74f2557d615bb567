// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/OperationQueue.h"
#include "store/StoreStatus.h"
#include "store/StoredEvent.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class EventDatabase;

// Records the show in the results file as it happens. Its methods only queue the change and
// return, so the meter's tick may call them; a worker thread, which owns the database
// connection, commits what is queued in one transaction as soon as it arrives. Writes that
// start failing are reported once and retried; the show goes on either way.
class EventRecorder : public QObject {
    Q_OBJECT

public:
    explicit EventRecorder(const QString& databasePath, QObject* parent = nullptr);
    ~EventRecorder() override;  // writes what is queued, then closes the file

    // Opens the file on the worker and waits; call once. Changes are recorded only when the
    // status says saving; before open() and after a failed one they are dropped.
    StoreStatus open();
    StoreStatus status() const;

    // The event begun last as stored, read after what is queued has been written (unless
    // writes are failing: then as the file has it).
    std::optional<StoredEvent> latestEvent();

    void beginEvent(const QDateTime& started);
    // Continues recording into a stored event (after a crash), as if it had never stopped.
    void resumeEvent(qint64 eventId);
    void contestantStarted(qint64 order, const QString& name, const QDateTime& began);
    void scoreRaised(qint64 order, int score);
    void turnEnded(qint64 order, const QDateTime& ended);
    // Clear League Table: the entries stay in the file, marked cleared; keptOrder, when
    // given, is the contestant who stays as the only entry.
    void tableCleared(std::optional<qint64> keptOrder = std::nullopt);
    void preloadChanged(const QStringList& list, int position);
    // Corrections: a name or a score put right, entries taken out of the table or brought
    // back into it. Removed entries stay in the file, marked removed.
    void entryRenamed(qint64 order, const QString& name);
    void scoreCorrected(qint64 order, int score);
    void entriesRemoved(const QList<qint64>& orders);
    void entriesRestored(const QList<qint64>& orders);
    // A turn's curve: a new one for the contestant with its first reading, then each reading
    // added to the contestant's latest.
    void curveStarted(const StoreOp::CurveStarted& first);
    void curveRead(qint64 order, int reading, const QList<int>& microphones);
    // Rounds and clap-offs (see StoreOp).
    void roundNamed(int roundId, const QString& name);
    void roundRemoved(int roundId, bool removed);
    void roundSwitched(int roundId, const QStringList& waiting);
    void clapOffStarted(int number, const QStringList& names);
    void clapOffEnded();
    // The jury (see StoreOp): its set-up, a marking opened or closed, a mark taken.
    void jurySetUp(const StoreOp::JurySetUp& setUp);
    void markingChanged(const StoreOp::MarkingChanged& change);
    void markTaken(const StoreOp::MarkTaken& mark);
    // File > Exit or closing the window: the event needs no resume offer.
    void eventEnded();

    // Blocks until everything queued so far is on disk (true), or one more attempt to write
    // it has failed (false). Also false, at once, when a contestant was dropped because the
    // file was not open for saving.
    bool flush();

signals:
    // Emitted on the worker thread, so queued to receivers in the UI thread. A receiver
    // connected directly runs on the worker and must not call back into the recorder.
    void savingFailed(const QString& message);
    void savingResumed();

private:
    using Clock = std::chrono::steady_clock;

    void enqueue(StoreOperation operation);
    void run();
    bool writeIsDue() const;
    void writeQueued(EventDatabase& database, std::unique_lock<std::mutex>& lock);
    void runOnWorker(std::function<void(EventDatabase&)> task);

    const QString m_path;
    std::atomic<bool> m_accepting = false;
    std::atomic<bool> m_resultsDropped = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;      // the worker waits on it
    std::condition_variable m_progress;  // flush() and runOnWorker() wait on it
    OperationQueue m_queue;
    std::vector<std::function<void(EventDatabase&)>> m_tasks;
    quint64 m_pushed = 0;       // operations queued so far
    quint64 m_written = 0;      // of those, on disk
    quint64 m_attemptedUpTo = 0;
    quint64 m_attempts = 0;
    bool m_failing = false;
    bool m_retryNow = false;
    bool m_stopping = false;
    Clock::time_point m_retryAt;
    StoreStatus m_status;

    std::thread m_thread;  // Qt adopts it, so the SQL connection it makes is its own
};
