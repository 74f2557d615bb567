// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>

#include <optional>

// One named Qt SQL connection to an SQLite file, removed again when this goes. A connection
// may only be used by the thread that made it.
class SqliteConnection {
public:
    // Immutable reads without taking locks or making the WAL index: for a file in a folder
    // that cannot be written, and only when no WAL file holds changes the file lacks.
    enum class Access { ReadOnly, Immutable, ReadWrite };

    SqliteConnection();
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens path; ReadOnly and Immutable connections neither create nor change the file.
    std::optional<QSqlError> open(const QString& path, Access access);
    void close();
    bool isOpen() const { return m_database.isOpen(); }

    QSqlDatabase& database() { return m_database; }

    // Runs one statement and drops any rows it returns.
    std::optional<QSqlError> exec(const QString& sql);

    // The first column of the first row a statement returns; error set when it fails.
    QVariant value(const QString& sql, std::optional<QSqlError>& error);

private:
    QString m_name;
    QSqlDatabase m_database;
};
