// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/EventDatabase.h"

#include "store/DatabaseInspection.h"
#include "store/EventReader.h"
#include "store/EventWriter.h"
#include "store/StoreLocation.h"
#include "store/StoreMessages.h"
#include "store/StoreSchema.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

// Less room than this and SQLite cannot even start a file.
constexpr qint64 fullDiskBytes = 64 * 1024;

bool diskIsFull(const QString& folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() < fullDiskBytes;
}

}  // namespace

EventDatabase::EventDatabase() = default;

EventDatabase::~EventDatabase()
{
    close();
}

void EventDatabase::close()
{
    m_writer.reset();
    m_connection.close();
    m_lock.reset();
    m_version = 0;
}

StoreStatus EventDatabase::refuse(StoreCondition condition, const QString& reason)
{
    close();
    return {condition, StoreMessages::notSaving(reason), {}};
}

StoreStatus EventDatabase::readOnlyInstead(const QString& reason)
{
    close();
    if (QFileInfo::exists(m_path)) {
        const Inspection inspection = inspectDatabase(m_path);
        if (inspection.verdict == InspectionVerdict::Usable
            && inspection.version == StoreSchema::currentVersion
            && !m_connection.open(m_path, inspection.access))
            m_version = inspection.version;
    }
    return {StoreCondition::ReadOnly, StoreMessages::notSaving(reason), {}};
}

StoreStatus EventDatabase::failedToWrite(const SqliteFailure& failure)
{
    switch (failure.kind) {
    case SqliteFailureKind::Busy:
        return refuse(StoreCondition::Locked, StoreMessages::fileInUse());
    case SqliteFailureKind::ReadOnly:
        return readOnlyInstead(StoreMessages::cannotWrite(m_path));
    case SqliteFailureKind::Full:
        return readOnlyInstead(StoreMessages::diskFull());
    default:
        return refuse(StoreCondition::Unavailable, StoreMessages::failed(m_path, failure.detail));
    }
}

StoreStatus EventDatabase::openForRecording(const QString& path)
{
    close();
    m_path = path;
    const QString folder = QFileInfo(path).absolutePath();
    if (path.isEmpty() || !QDir().mkpath(folder))
        return refuse(StoreCondition::Unavailable, StoreMessages::folderNotCreated(folder));

    // The lock outlives a show of any length; one left by a crashed copy is taken over.
    m_lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError)
            return refuse(StoreCondition::Locked, StoreMessages::fileInUse());
        // Not even the small lock file could be written.
        return readOnlyInstead(diskIsFull(folder) ? StoreMessages::diskFull()
                                                  : StoreMessages::cannotWrite(folder));
    }

    int version = 0;
    QString movedTo;
    if (QFileInfo::exists(path)) {
        const Inspection inspection = inspectDatabase(path);
        switch (inspection.verdict) {
        case InspectionVerdict::Usable:
            version = inspection.version;
            break;
        case InspectionVerdict::Busy:
            return refuse(StoreCondition::Locked, StoreMessages::fileInUse());
        case InspectionVerdict::NewerVersion:
            return refuse(StoreCondition::NewerVersion, StoreMessages::newerVersion(path));
        case InspectionVerdict::Failed:
            return failedToWrite(inspection.failure);
        case InspectionVerdict::Unreadable:
            movedTo = moveAside(path, QDateTime::currentDateTime());
            if (movedTo.isEmpty())
                return refuse(StoreCondition::Unreadable, StoreMessages::cannotReadNorMove(path));
            break;
        }
    }

    if (auto error = m_connection.open(path, SqliteConnection::Access::ReadWrite))
        return failedToWrite(sqliteFailure(*error));
    if (auto error = prepareForWriting(version)) {
        StoreStatus status = failedToWrite(sqliteFailure(*error));
        status.movedAsideTo = movedTo;
        return status;
    }
    if (movedTo.isEmpty())
        return {StoreCondition::Saving, {}, {}};
    return {StoreCondition::SavingAfterMoveAside, StoreMessages::movedAside(movedTo), movedTo};
}

std::optional<QSqlError> EventDatabase::prepareForWriting(int version)
{
    // WAL lets a reader (the command-line export) work beside the show; NORMAL syncs at
    // checkpoints only, and a crash of the program still loses no committed transaction.
    // The writer syncs in full what more than a rising score changes.
    std::optional<QSqlError> error;
    const QString mode =
        m_connection.value(QStringLiteral("PRAGMA journal_mode = WAL"), error).toString();
    if (error)
        return error;
    if (mode.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return QSqlError(QStringLiteral("journal mode"), mode, QSqlError::StatementError);
    if ((error = m_connection.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))))
        return error;
    if ((error = StoreSchema::migrate(m_connection, version)))
        return error;
    // An older file passed inspection before its migration; check what it became.
    if (!StoreSchema::isComplete(m_connection, error) && !error)
        return QSqlError(QStringLiteral("schema"), QStringLiteral("incomplete"),
            QSqlError::StatementError);
    if (error)
        return error;
    // A file the system lets us read but not write opens without complaint; find out now
    // rather than at the first score.
    if ((error = m_connection.exec(QStringLiteral("BEGIN IMMEDIATE"))))
        return error;
    error = m_connection.exec(QStringLiteral("PRAGMA user_version = %1")
                                  .arg(StoreSchema::currentVersion));
    if (!error)
        error = m_connection.exec(QStringLiteral("COMMIT"));
    if (error) {
        m_connection.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    m_version = StoreSchema::currentVersion;
    m_writer = std::make_unique<EventWriter>(m_connection);
    return std::nullopt;
}

StoreStatus EventDatabase::openForReading(const QString& path)
{
    close();
    m_path = path;
    if (!QFileInfo::exists(path))
        return {StoreCondition::Unavailable, StoreMessages::nothingStored(), {}};
    const Inspection inspection = inspectDatabase(path);
    switch (inspection.verdict) {
    case InspectionVerdict::Usable:
        // Every layout of ours is read as it stands: a reader must not run the migration.
        break;
    case InspectionVerdict::Busy:
        return {StoreCondition::Locked, StoreMessages::cannotRead(path), {}};
    case InspectionVerdict::NewerVersion:
        return {StoreCondition::NewerVersion, StoreMessages::newerVersion(path), {}};
    default:
        return {StoreCondition::Unreadable, StoreMessages::cannotRead(path), {}};
    }
    if (m_connection.open(path, inspection.access))
        return {StoreCondition::Unreadable, StoreMessages::cannotRead(path), {}};
    m_version = inspection.version;
    return {StoreCondition::ReadOnly, {}, {}};
}

std::optional<StoredEvent> EventDatabase::latestEvent(std::optional<QSqlError>& error)
{
    // Version 0 is a file with no tables yet, hence no event.
    if (!m_connection.isOpen() || m_version == 0)
        return std::nullopt;
    return readLatestEvent(m_connection, m_version, error);
}

std::optional<SqliteFailure> EventDatabase::apply(const std::vector<StoreOperation>& batch)
{
    if (!m_writer)
        return SqliteFailure{SqliteFailureKind::Other, QStringLiteral("not open for writing")};
    if (auto error = m_writer->apply(batch))
        return sqliteFailure(*error);
    return std::nullopt;
}
