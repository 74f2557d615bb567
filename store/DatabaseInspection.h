// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/SqliteConnection.h"
#include "store/SqliteFailure.h"

#include <QString>

// What an existing results file turned out to be, found without changing a byte of it.
enum class InspectionVerdict {
    Usable,        // ours, of this version or an older one, or new and empty
    Busy,          // another program holds a lock on it
    Unreadable,    // not a database, a damaged one, or one with tables that are not ours
    NewerVersion,  // ours, but of a version this program does not know
    Failed,        // could not be looked at (no permission, I/O error)
};

struct Inspection {
    InspectionVerdict verdict = InspectionVerdict::Failed;
    int version = 0;
    SqliteFailure failure;  // why, for Busy and Failed
    // How it could be read: a file in a read-only folder has no room for SQLite's WAL index.
    SqliteConnection::Access access = SqliteConnection::Access::ReadOnly;
};

Inspection inspectDatabase(const QString& path);
