// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SqliteConnection.h"
#include "store/SqliteFailure.h"
#include "store/StoreOperation.h"
#include "store/StoreStatus.h"
#include "store/StoredEvent.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class EventWriter;

// The results file on the thread that opened it. Opening never fails hard: the status says
// whether results can be written, and why not.
class EventDatabase {
public:
    EventDatabase();
    ~EventDatabase();
    EventDatabase(const EventDatabase&) = delete;
    EventDatabase& operator=(const EventDatabase&) = delete;

    // Opens for the show: keeps a second copy of the program out, moves a file that cannot
    // be read aside and starts a new one, and brings an older layout up to date. A file that
    // is locked or of a newer version is left alone; a read-only one can still be read.
    StoreStatus openForRecording(const QString& path);

    // Opens for reading only, changing nothing: for exporting while a show may be running.
    StoreStatus openForReading(const QString& path);

    void close();

    // nullopt when there is no event, or when reading failed (error then says why).
    std::optional<StoredEvent> latestEvent(std::optional<QSqlError>& error);

    // Writes the batch in one transaction; nothing of it stays when it fails.
    std::optional<SqliteFailure> apply(const std::vector<StoreOperation>& batch);

    const QString& path() const { return m_path; }

private:
    StoreStatus refuse(StoreCondition condition, const QString& reason);
    StoreStatus readOnlyInstead(const QString& reason);
    StoreStatus failedToWrite(const SqliteFailure& failure);
    std::optional<QSqlError> prepareForWriting(int version);

    QString m_path;
    SqliteConnection m_connection;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<EventWriter> m_writer;
    int m_version = 0;
};
