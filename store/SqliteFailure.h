// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlError>
#include <QString>

// What a failed SQLite call means for the results file.
enum class SqliteFailureKind {
    Busy,        // another connection holds a lock
    Unreadable,  // not a database, or a damaged one
    ReadOnly,    // the file or its folder refuses writes
    Full,        // no room left on the disk
    Other,       // anything else: a statement this version does not expect, an I/O error
};

struct SqliteFailure {
    SqliteFailureKind kind = SqliteFailureKind::Other;
    QString detail;  // SQLite's own words, for the message
};

SqliteFailure sqliteFailure(const QSqlError& error);
