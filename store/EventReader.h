// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoredEvent.h"

#include <QSqlError>

#include <optional>

class SqliteConnection;

// The event begun last, its uncleared entries best first (ties: earlier start first), its
// preload list and position. nullopt when the file holds no event, or when reading fails
// (error then says why). The file is of the given schema version, which may be older than this
// program's.
std::optional<StoredEvent> readLatestEvent(SqliteConnection& connection, int schemaVersion,
    std::optional<QSqlError>& error);
