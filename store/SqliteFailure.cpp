// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SqliteFailure.h"

namespace {

// SQLite's primary result codes (sqlite3.h). Qt reports them as the native error code,
// sometimes extended: the primary code is then the low byte.
constexpr int primaryCodeMask = 0xff;

enum SqliteCode {
    Perm = 3,
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26,
};

SqliteFailureKind kindOf(int code)
{
    switch (code) {
    case Busy:
    case Locked:
        return SqliteFailureKind::Busy;
    case Corrupt:
    case NotADatabase:
        return SqliteFailureKind::Unreadable;
    case ReadOnly:
    case Perm:
    case CantOpen:
        return SqliteFailureKind::ReadOnly;
    case Full:
        return SqliteFailureKind::Full;
    default:
        return SqliteFailureKind::Other;
    }
}

}  // namespace

SqliteFailure sqliteFailure(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber);
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return {isNumber ? kindOf(code & primaryCodeMask) : SqliteFailureKind::Other, detail};
}
