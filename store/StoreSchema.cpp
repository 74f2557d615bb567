// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoreSchema.h"

#include "store/SqliteConnection.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QStringList>

#include <array>
#include <span>

namespace StoreSchema {
namespace {

// Times are milliseconds since the epoch in UTC; the preload list is a JSON array of names.
// Entries are never deleted: Clear League Table only sets cleared.
constexpr std::array version1 = {
    "CREATE TABLE event ("
    " id INTEGER PRIMARY KEY,"
    " started_ms INTEGER NOT NULL,"
    " ended_cleanly INTEGER NOT NULL DEFAULT 0,"
    " preload_list TEXT NOT NULL DEFAULT '[]',"
    " preload_position INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE entry ("
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " entry_order INTEGER NOT NULL,"
    " name TEXT NOT NULL,"
    " score INTEGER NOT NULL DEFAULT 0,"
    " began_ms INTEGER,"
    " ended_ms INTEGER,"
    " cleared INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (event_id, entry_order)) WITHOUT ROWID",
};

// The operator can take a contestant out of the table and bring it back (undo); such an
// entry stays in the file too, marked removed, apart from those a Clear League Table hid.
constexpr std::array version2 = {
    "ALTER TABLE entry ADD COLUMN removed INTEGER NOT NULL DEFAULT 0",
};

// Each turn's curve: the level ten times a second as comma-separated numbers 0..100, written
// as the turn goes; a contestant measured again has a row per turn, the latest with the
// highest id. What measured it: the microphone (with its input's name and the room's floor and
// range then) or the keyboard (no floor or range).
constexpr std::array version3 = {
    "CREATE TABLE turn ("
    " id INTEGER PRIMARY KEY,"
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " entry_order INTEGER NOT NULL,"
    " microphone INTEGER NOT NULL DEFAULT 0,"
    " input_name TEXT NOT NULL DEFAULT '',"
    " floor_lufs REAL,"
    " range_lu REAL,"
    " readings TEXT)",
    "CREATE INDEX turn_of_entry ON turn (event_id, entry_order)",
};

// Rounds: each entry belongs to a round of its event (0, the first, for every entry of an
// earlier file) and is a turn of the round itself (clap_off 0) or of its clap-off number n.
// A round keeps its name and its waiting names; the event which round is current. An event
// without round rows has one round, the first, with the default name.
constexpr std::array version4 = {
    "CREATE TABLE round ("
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " round_id INTEGER NOT NULL,"
    " name TEXT NOT NULL,"
    " removed INTEGER NOT NULL DEFAULT 0,"
    " waiting TEXT NOT NULL DEFAULT '[]',"
    " PRIMARY KEY (event_id, round_id)) WITHOUT ROWID",
    "CREATE TABLE clap_off ("
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " round_id INTEGER NOT NULL,"
    " number INTEGER NOT NULL,"
    " names TEXT NOT NULL,"
    " PRIMARY KEY (event_id, round_id, number)) WITHOUT ROWID",
    "ALTER TABLE event ADD COLUMN current_round INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE entry ADD COLUMN round_id INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE entry ADD COLUMN clap_off INTEGER NOT NULL DEFAULT 0",
};

// The jury: each set-up of an event as it was made (the latest counts; a null set-up switched
// the jury off), as JSON with the judges' tokens; each contestant's marking, open or closed,
// with the set-up she is marked under; and every mark as it came, in whole hundredths, one a
// criterion, the latest of a judge for a contestant counting.
constexpr std::array version5 = {
    "CREATE TABLE jury_setup ("
    " id INTEGER PRIMARY KEY,"
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " set_ms INTEGER NOT NULL,"
    " setup TEXT)",
    "CREATE TABLE jury_marking ("
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " entry_order INTEGER NOT NULL,"
    " open INTEGER NOT NULL,"
    " opened_ms INTEGER NOT NULL,"
    " setup TEXT NOT NULL,"
    " PRIMARY KEY (event_id, entry_order)) WITHOUT ROWID",
    "CREATE TABLE jury_mark ("
    " id INTEGER PRIMARY KEY,"
    " event_id INTEGER NOT NULL REFERENCES event(id),"
    " entry_order INTEGER NOT NULL,"
    " judge TEXT NOT NULL,"
    " mark_id TEXT NOT NULL,"
    " marks TEXT NOT NULL,"
    " given_ms INTEGER NOT NULL)",
    "CREATE INDEX jury_mark_of_event ON jury_mark (event_id)",
};

// Each microphone's own curve beside its turn's (the room's): its place, its input, its floor
// then, and its readings written with the turn's, "-" for a reading it did not hear. A
// microphone turn without such rows, as in every file from before, had one microphone.
constexpr std::array version6 = {
    "CREATE TABLE turn_microphone ("
    " turn_id INTEGER NOT NULL REFERENCES turn(id),"
    " position INTEGER NOT NULL,"
    " place TEXT NOT NULL,"
    " input_name TEXT NOT NULL DEFAULT '',"
    " floor_lufs REAL,"
    " readings TEXT NOT NULL,"
    " PRIMARY KEY (turn_id, position)) WITHOUT ROWID",
};

// steps[n] takes a file from version n to n + 1.
constexpr std::array<std::span<const char* const>, currentVersion> steps = {
    std::span<const char* const>(version1),
    std::span<const char* const>(version2),
    std::span<const char* const>(version3),
    std::span<const char* const>(version4),
    std::span<const char* const>(version5),
    std::span<const char* const>(version6),
};

struct RequiredColumn {
    const char* table;
    const char* column;
    int sinceVersion = 1;
};

constexpr std::array<RequiredColumn, 42> requiredColumns = {{
    {"event", "id"},
    {"event", "started_ms"},
    {"event", "ended_cleanly"},
    {"event", "preload_list"},
    {"event", "preload_position"},
    {"entry", "event_id"},
    {"entry", "entry_order"},
    {"entry", "name"},
    {"entry", "score"},
    {"entry", "began_ms"},
    {"entry", "ended_ms"},
    {"entry", "cleared"},
    {"entry", "removed", 2},
    {"turn", "id", 3},
    {"turn", "event_id", 3},
    {"turn", "entry_order", 3},
    {"turn", "microphone", 3},
    {"turn", "input_name", 3},
    {"turn", "floor_lufs", 3},
    {"turn", "range_lu", 3},
    {"turn", "readings", 3},
    {"round", "event_id", 4},
    {"round", "round_id", 4},
    {"round", "name", 4},
    {"round", "removed", 4},
    {"round", "waiting", 4},
    {"clap_off", "round_id", 4},
    {"clap_off", "names", 4},
    {"event", "current_round", 4},
    {"entry", "round_id", 4},
    {"entry", "clap_off", 4},
    {"jury_setup", "event_id", 5},
    {"jury_setup", "setup", 5},
    {"jury_marking", "entry_order", 5},
    {"jury_marking", "open", 5},
    {"jury_marking", "setup", 5},
    {"jury_mark", "entry_order", 5},
    {"jury_mark", "mark_id", 5},
    {"jury_mark", "marks", 5},
    {"turn_microphone", "turn_id", 6},
    {"turn_microphone", "position", 6},
    {"turn_microphone", "readings", 6},
}};

QSet<QString> columnsOf(SqliteConnection& connection, const QString& table,
    std::optional<QSqlError>& error)
{
    QSet<QString> columns;
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        error = query.lastError();
        return columns;
    }
    while (query.next())
        columns.insert(query.value(1).toString());
    return columns;
}

}  // namespace

int version(SqliteConnection& connection, std::optional<QSqlError>& error)
{
    return connection.value(QStringLiteral("PRAGMA user_version"), error).toInt();
}

bool isEmpty(SqliteConnection& connection, std::optional<QSqlError>& error)
{
    return connection
               .value(QStringLiteral("SELECT count(*) FROM sqlite_schema"), error)
               .toInt()
        == 0;
}

bool isComplete(SqliteConnection& connection, std::optional<QSqlError>& error, int ofVersion)
{
    QHash<QString, QSet<QString>> columns;
    for (const RequiredColumn& required : requiredColumns) {
        if (required.sinceVersion > ofVersion)
            continue;
        const QString table = QString::fromLatin1(required.table);
        if (!columns.contains(table))
            columns.insert(table, columnsOf(connection, table, error));
        if (error || !columns.value(table).contains(QString::fromLatin1(required.column)))
            return false;
    }
    return true;
}

std::optional<QSqlError> migrate(SqliteConnection& connection, int fromVersion)
{
    if (fromVersion >= currentVersion)
        return std::nullopt;
    // No version of ours is below 0: such a file is another program's, and no step applies.
    if (fromVersion < 0)
        return QSqlError(QString(), QStringLiteral("unknown schema version %1").arg(fromVersion),
                         QSqlError::UnknownError);
    if (auto error = connection.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return error;
    for (int step = fromVersion; step < currentVersion; ++step) {
        for (const char* statement : steps[static_cast<std::size_t>(step)]) {
            if (auto error = connection.exec(QString::fromLatin1(statement))) {
                connection.exec(QStringLiteral("ROLLBACK"));
                return error;
            }
        }
    }
    auto error = connection.exec(QStringLiteral("PRAGMA user_version = %1").arg(currentVersion));
    if (!error)
        error = connection.exec(QStringLiteral("COMMIT"));
    if (error)
        connection.exec(QStringLiteral("ROLLBACK"));
    return error;
}

}  // namespace StoreSchema
