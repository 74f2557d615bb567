// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SqliteConnection.h"

#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

namespace {

// Long enough to ride out a reader checkpointing, short enough that a file held by another
// program is reported at once rather than after Qt's default of five seconds.
constexpr int busyTimeoutMs = 250;

}  // namespace

SqliteConnection::SqliteConnection()
    : m_name(QStringLiteral("ovatron-events-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

SqliteConnection::~SqliteConnection()
{
    close();
}

std::optional<QSqlError> SqliteConnection::open(const QString& path, Access access)
{
    close();
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!m_database.isValid())
        return m_database.lastError();
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (access == Access::Immutable) {
        QUrl uri = QUrl::fromLocalFile(path);
        uri.setQuery(QStringLiteral("immutable=1"));
        m_database.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    } else {
        m_database.setDatabaseName(path);
    }
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_database.setConnectOptions(options);
    if (!m_database.open())
        return m_database.lastError();
    return std::nullopt;
}

void SqliteConnection::close()
{
    if (!m_database.isValid())
        return;
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

std::optional<QSqlError> SqliteConnection::exec(const QString& sql)
{
    QSqlQuery query(m_database);
    if (!query.exec(sql))
        return query.lastError();
    return std::nullopt;
}

QVariant SqliteConnection::value(const QString& sql, std::optional<QSqlError>& error)
{
    QSqlQuery query(m_database);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        error = query.lastError();
        return {};
    }
    if (!query.next()) {
        if (query.lastError().isValid())
            error = query.lastError();
        return {};
    }
    return query.value(0);
}
