// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlError>

#include <optional>

class SqliteConnection;

// The layout of the results file, numbered in PRAGMA user_version. A file of version 0 is
// new and empty; each migration step brings it one version further.
namespace StoreSchema {

constexpr int currentVersion = 6;

int version(SqliteConnection& connection, std::optional<QSqlError>& error);

// Whether the file has no tables at all, as a new one has.
bool isEmpty(SqliteConnection& connection, std::optional<QSqlError>& error);

// Whether every table and column of a file of that version (this program's, unless given) is
// there.
bool isComplete(SqliteConnection& connection, std::optional<QSqlError>& error,
                int ofVersion = currentVersion);

// Runs the steps from fromVersion up to currentVersion, all in one transaction, so that a
// failure leaves the file as it was.
std::optional<QSqlError> migrate(SqliteConnection& connection, int fromVersion);

}  // namespace StoreSchema
