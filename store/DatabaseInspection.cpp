// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/DatabaseInspection.h"

#include "store/SqliteConnection.h"
#include "store/StoreSchema.h"

#include <QFileInfo>

namespace {

Inspection fromError(const QSqlError& error)
{
    const SqliteFailure failure = sqliteFailure(error);
    switch (failure.kind) {
    case SqliteFailureKind::Busy:
        return {InspectionVerdict::Busy, 0, failure};
    case SqliteFailureKind::Unreadable:
        return {InspectionVerdict::Unreadable, 0, failure};
    default:
        return {InspectionVerdict::Failed, 0, failure};
    }
}

Inspection inspectWith(const QString& path, SqliteConnection::Access access)
{
    SqliteConnection connection;
    if (auto error = connection.open(path, access))
        return fromError(*error);

    std::optional<QSqlError> error;
    const QString check = connection.value(QStringLiteral("PRAGMA quick_check"), error).toString();
    if (error)
        return fromError(*error);
    if (check != QLatin1String("ok"))
        return {InspectionVerdict::Unreadable, 0, {SqliteFailureKind::Unreadable, check}};

    const int version = StoreSchema::version(connection, error);
    if (error)
        return fromError(*error);
    if (version > StoreSchema::currentVersion)
        return {InspectionVerdict::NewerVersion, version, {}};

    // A file of version 0 is only ours when it is empty; one of a later version must have
    // every table and column that version had (and is checked again after its migration).
    const bool fits = version == 0 ? StoreSchema::isEmpty(connection, error)
                                   : StoreSchema::isComplete(connection, error, version);
    if (error)
        return fromError(*error);
    if (!fits)
        return {InspectionVerdict::Unreadable, version, {}};
    return {InspectionVerdict::Usable, version, {}, access};
}

}  // namespace

Inspection inspectDatabase(const QString& path)
{
    // Read-only: looking must neither repair, convert nor checkpoint the file.
    const Inspection inspection = inspectWith(path, SqliteConnection::Access::ReadOnly);
    const bool walHoldsChanges = QFileInfo(path + QStringLiteral("-wal")).size() > 0;
    if (inspection.verdict == InspectionVerdict::Failed
        && inspection.failure.kind == SqliteFailureKind::ReadOnly && !walHoldsChanges)
        return inspectWith(path, SqliteConnection::Access::Immutable);
    return inspection;
}
