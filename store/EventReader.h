// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoredEvent.h"

#include <QSqlError>

#include <optional>

class SqliteConnection;

// The event begun last, its uncleared entries best first (ties: earlier start first), its
// preload list and position. nullopt when the file holds no event, or when reading fails
// (error then says why).
std::optional<StoredEvent> readLatestEvent(SqliteConnection& connection,
    std::optional<QSqlError>& error);
