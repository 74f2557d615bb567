// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/EventReader.h"

#include "brio/BRStringQt.h"
#include "core/LevelDynamics.h"
#include "core/TurnCurve.h"
#include "store/JuryRecord.h"
#include "store/SqliteConnection.h"
#include "store/StoredTime.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

#include <QHash>

#include <algorithm>

namespace {

QStringList preloadFromJson(const QString& json)
{
    QStringList names;
    const QJsonArray array = QJsonDocument::fromJson(json.toUtf8()).array();
    names.reserve(array.size());
    for (const QJsonValue& name : array)
        names.append(name.toString());
    return names;
}

// Runs sql with the event id bound; false (and error set) when it fails.
bool runForEvent(QSqlQuery& query, const char* sql, qint64 eventId,
    std::optional<QSqlError>& error)
{
    query.setForwardOnly(true);
    if (query.prepare(QString::fromLatin1(sql))) {
        query.addBindValue(eventId);
        if (query.exec())
            return true;
    }
    error = query.lastError();
    return false;
}

// SQLite keeps whatever a column is given, so a file written by another program may hold
// text or numbers outside the scale; such a score reads as the nearest value on the scale.
int scoreFromStored(const QVariant& stored)
{
    return std::clamp(stored.toInt(), level::kMinimum, level::kMaximum);
}

// Ranked here rather than in SQL, which would order by the stored values: they may not be
// the scores read from them. Each round's entries come best first, rounds by id.
void sortBestFirst(std::vector<StoredEntry>& entries)
{
    std::vector<ranking::Row> rows = rankingRows(entries);
    for (std::size_t index = 0; index < entries.size(); ++index)
        rows[index].round = entries[index].round;
    entries = ranking::arranged(ranking::rankTable(rows), entries);
}

bool readEntries(QSqlDatabase& database, int schemaVersion, StoredEvent& event,
    std::optional<QSqlError>& error)
{
    // Entries could be removed one by one from version 2 on, and belong to rounds from 4.
    const char* sql = schemaVersion >= 4
        ? "SELECT name, score, began_ms, ended_ms, entry_order, round_id, clap_off FROM entry"
          " WHERE event_id = ? AND cleared = 0 AND removed = 0 ORDER BY entry_order"
        : schemaVersion >= 2
        ? "SELECT name, score, began_ms, ended_ms, entry_order FROM entry"
          " WHERE event_id = ? AND cleared = 0 AND removed = 0 ORDER BY entry_order"
        : "SELECT name, score, began_ms, ended_ms, entry_order FROM entry"
          " WHERE event_id = ? AND cleared = 0 ORDER BY entry_order";
    QSqlQuery query(database);
    if (!runForEvent(query, sql, event.id, error))
        return false;
    while (query.next()) {
        event.entries.push_back({query.value(0).toString(), scoreFromStored(query.value(1)),
            timeFromStored(query.value(2)), timeFromStored(query.value(3)),
            query.value(4).toLongLong(), {}, schemaVersion >= 4 ? query.value(5).toInt() : 0,
            schemaVersion >= 4 ? query.value(6).toInt() : 0});
    }
    if (query.lastError().isValid())
        error = query.lastError();
    sortBestFirst(event.entries);
    return !error;
}

// Stored readings as numbers, a microphone's "-" as curve::kNotHeard; none when they are
// missing or not each a number. A text far longer than the longest curve is not even split.
std::optional<std::vector<int>> numbersFromStored(const QVariant& stored)
{
    constexpr qsizetype kLongestText = qsizetype(curve::kMaximumReadings) * 4;
    if (stored.isNull())
        return std::nullopt;
    const QString text = stored.toString();
    if (text.isEmpty() || text.size() > kLongestText)
        return std::nullopt;
    std::vector<int> values;
    for (const QStringView part : QStringView(text).split(QLatin1Char(','))) {
        bool isNumber = false;
        const int value = part == u"-" ? int(curve::kNotHeard) : part.toInt(&isNumber);
        if (!isNumber && part != u"-")
            return std::nullopt;
        values.push_back(value);
    }
    return values;
}

// A turn's readings, or none when they are missing, too many, or off the meter's scale.
std::optional<std::vector<std::uint8_t>> readingsFromStored(const QVariant& stored)
{
    const std::optional<std::vector<int>> values = numbersFromStored(stored);
    if (!values || !isValidCurve(*values))
        return std::nullopt;
    return std::vector<std::uint8_t>(values->begin(), values->end());
}

// Each microphone's curve beside a turn, by the turn's id, in their order.
struct StoredMicrophone {
    CurveMicrophone microphone;
    QVariant readings;
};
using StoredMicrophones = QHash<qint64, std::vector<StoredMicrophone>>;

bool readMicrophoneCurves(QSqlDatabase& database, qint64 eventId, StoredMicrophones& microphones,
                          std::optional<QSqlError>& error)
{
    QSqlQuery query(database);
    if (!runForEvent(query,
            "SELECT m.turn_id, m.place, m.input_name, m.floor_lufs, m.readings"
            " FROM turn_microphone m JOIN turn t ON t.id = m.turn_id"
            " WHERE t.event_id = ? ORDER BY m.turn_id, m.position",
            eventId, error))
        return false;
    while (query.next()) {
        microphones[query.value(0).toLongLong()].push_back(
            {{brio::fromQString(query.value(1).toString()), brio::fromQString(query.value(2).toString()),
              query.value(3).toDouble()},
             query.value(4)});
    }
    if (query.lastError().isValid())
        error = query.lastError();
    return !error;
}

// Puts each microphone's curve beside the turn's; false when one cannot be read, and the turn
// then keeps none of them.
bool addMicrophones(TurnCurve& turn, const std::vector<StoredMicrophone>& stored)
{
    for (const StoredMicrophone& microphone : stored) {
        const std::optional<std::vector<int>> values = numbersFromStored(microphone.readings);
        if (!values || !isValidMicrophoneCurve(*values, turn.readings.size())) {
            turn.source.microphones.clear();
            turn.microphoneReadings.clear();
            return false;
        }
        turn.source.microphones.push_back(microphone.microphone);
        turn.microphoneReadings.emplace_back(values->begin(), values->end());
    }
    return true;
}

// The curves of the entries read, each entry's in the order they were measured. A curve
// that cannot be read is left out and counted; its entry keeps its score.
bool readCurves(QSqlDatabase& database, int schemaVersion, StoredEvent& event,
                std::optional<QSqlError>& error)
{
    QHash<qint64, StoredEntry*> entries;
    for (StoredEntry& entry : event.entries)
        entries.insert(entry.order, &entry);
    // Microphones were kept apart from version 6 on.
    StoredMicrophones microphones;
    if (schemaVersion >= 6 && !readMicrophoneCurves(database, event.id, microphones, error))
        return false;
    QSqlQuery query(database);
    if (!runForEvent(query,
            "SELECT entry_order, microphone, input_name, floor_lufs, range_lu, readings, id"
            " FROM turn WHERE event_id = ? ORDER BY id",
            event.id, error))
        return false;
    while (query.next()) {
        StoredEntry* entry = entries.value(query.value(0).toLongLong());
        if (!entry)
            continue;  // cleared or removed
        std::optional<std::vector<std::uint8_t>> readings = readingsFromStored(query.value(5));
        if (!readings) {
            ++event.unreadableCurves;
            continue;
        }
        CurveSource source;
        source.microphone = query.value(1).toInt() != 0;
        source.inputName = brio::fromQString(query.value(2).toString());
        source.floorLufs = query.value(3).toDouble();
        source.rangeLu = query.value(4).toDouble();
        TurnCurve turn{std::move(source), std::move(*readings), {}};
        const std::vector<StoredMicrophone> stored = microphones.value(query.value(6).toLongLong());
        if (!stored.empty() && !addMicrophones(turn, stored))
            ++event.unreadableCurves;
        entry->curves.push_back(std::move(turn));
    }
    if (query.lastError().isValid())
        error = query.lastError();
    return !error;
}

bool readNextOrder(QSqlDatabase& database, StoredEvent& event, std::optional<QSqlError>& error)
{
    QSqlQuery query(database);
    if (!runForEvent(query,
            "SELECT coalesce(max(entry_order) + 1, 0) FROM entry WHERE event_id = ?", event.id,
            error))
        return false;
    if (!query.next()) {
        error = query.lastError();
        return false;
    }
    event.nextOrder = query.value(0).toLongLong();
    return true;
}

StoredRound& roundWithId(StoredEvent& event, int id)
{
    for (StoredRound& round : event.rounds) {
        if (round.id == id)
            return round;
    }
    StoredRound added;
    added.id = id;
    event.rounds.push_back(added);
    return event.rounds.back();
}

bool readRoundRows(QSqlDatabase& database, StoredEvent& event, bool& currentHasRow,
    std::optional<QSqlError>& error)
{
    QSqlQuery query(database);
    if (!runForEvent(query,
            "SELECT round_id, name, removed, waiting FROM round WHERE event_id = ?"
            " ORDER BY round_id",
            event.id, error))
        return false;
    while (query.next()) {
        StoredRound& round = roundWithId(event, query.value(0).toInt());
        round.name = query.value(1).toString();
        round.removed = query.value(2).toInt() != 0;
        round.waiting = preloadFromJson(query.value(3).toString());
        currentHasRow = currentHasRow || round.id == event.currentRound;
    }
    if (query.lastError().isValid())
        error = query.lastError();
    return !error;
}

// Applies the clap-offs that measured every name they were held for, in the order held.
bool readClapOffs(QSqlDatabase& database, StoredEvent& event, std::optional<QSqlError>& error)
{
    QSqlQuery query(database);
    if (!runForEvent(query,
            "SELECT round_id, number, names FROM clap_off WHERE event_id = ?"
            " ORDER BY round_id, number",
            event.id, error))
        return false;
    while (query.next()) {
        const int roundId = query.value(0).toInt();
        const int number = query.value(1).toInt();
        StoredRound& round = roundWithId(event, roundId);
        round.clapOffsHeld = std::max(round.clapOffsHeld, number);
        QHash<QString, int> scores;
        for (const StoredEntry& entry : event.entries) {
            if (entry.round == roundId && entry.clapOff == number && entry.ended.isValid())
                scores.insert(entry.name, std::max(scores.value(entry.name, 0), entry.score));
        }
        const QStringList names = preloadFromJson(query.value(2).toString());
        const bool complete = std::all_of(names.begin(), names.end(),
            [&scores](const QString& name) { return scores.contains(name); });
        if (!complete)
            continue;
        for (const StoredEntry& entry : event.entries) {
            if (entry.round == roundId && entry.clapOff == 0 && scores.contains(entry.name))
                round.clapOff[entry.order] = scores.value(entry.name);
        }
    }
    if (query.lastError().isValid())
        error = query.lastError();
    return !error;
}

// The latest set-up, the markings and the marks, in the order they came. A set-up that does
// not read as one (another program's, say) is left out and counted, as is a mark of none.
bool readJury(QSqlDatabase& database, StoredEvent& event, std::optional<QSqlError>& error)
{
    StoredJury& jury = event.jury;
    QSqlQuery setUp(database);
    if (!runForEvent(setUp,
            "SELECT setup FROM jury_setup WHERE event_id = ? ORDER BY id DESC LIMIT 1", event.id,
            error))
        return false;
    if (setUp.next() && !setUp.value(0).isNull()) {
        const std::optional<juryrecord::SetUp> read =
            juryrecord::setUpFromJson(setUp.value(0).toString());
        if (read) {
            jury.rules = read->rules;
            jury.tokens = read->tokens;
        } else {
            ++jury.unreadable;
        }
    }
    QSqlQuery markings(database);
    if (!runForEvent(markings,
            "SELECT entry_order, open, opened_ms, setup FROM jury_marking WHERE event_id = ?"
            " ORDER BY entry_order",
            event.id, error))
        return false;
    while (markings.next()) {
        const std::optional<juryrecord::SetUp> read =
            juryrecord::setUpFromJson(markings.value(3).toString());
        if (!read) {
            ++jury.unreadable;
            continue;
        }
        jury.markings.push_back({markings.value(0).toLongLong(), markings.value(1).toInt() != 0,
                                 timeFromStored(markings.value(2)), read->rules});
    }
    QSqlQuery marks(database);
    if (!runForEvent(marks,
            "SELECT entry_order, judge, mark_id, marks, given_ms FROM jury_mark WHERE event_id = ?"
            " ORDER BY id",
            event.id, error))
        return false;
    while (marks.next()) {
        const std::optional<QList<int>> given = juryrecord::marksFromText(marks.value(3).toString());
        if (!given) {
            ++jury.unreadable;
            continue;
        }
        jury.marks.push_back({marks.value(0).toLongLong(), marks.value(1).toString(),
                              marks.value(2).toString(),
                              std::vector<std::int32_t>(given->begin(), given->end()),
                              timeFromStored(marks.value(4))});
    }
    for (QSqlQuery* query : {&setUp, &markings, &marks}) {
        if (query->lastError().isValid())
            error = query->lastError();
    }
    return !error;
}

// Puts the entries read into their rounds: the current round's are the event's entries.
void sortIntoRounds(StoredEvent& event)
{
    roundWithId(event, 0);
    roundWithId(event, event.currentRound);
    std::vector<StoredEntry> current;
    for (const StoredEntry& entry : event.entries) {
        if (entry.clapOff != 0)
            continue;
        roundWithId(event, entry.round).entries.push_back(entry);
        if (entry.round == event.currentRound)
            current.push_back(entry);
    }
    event.entries = std::move(current);
    std::sort(event.rounds.begin(), event.rounds.end(),
        [](const StoredRound& a, const StoredRound& b) { return a.id < b.id; });
}

}  // namespace

std::optional<StoredEvent> readLatestEvent(SqliteConnection& connection, int schemaVersion,
    std::optional<QSqlError>& error)
{
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.exec(QString::fromLatin1(
            schemaVersion >= 4
                ? "SELECT id, started_ms, ended_cleanly, preload_list, preload_position,"
                  " current_round FROM event ORDER BY id DESC LIMIT 1"
                : "SELECT id, started_ms, ended_cleanly, preload_list, preload_position"
                  " FROM event ORDER BY id DESC LIMIT 1"))) {
        error = query.lastError();
        return std::nullopt;
    }
    if (!query.next()) {
        if (query.lastError().isValid())
            error = query.lastError();
        return std::nullopt;
    }
    StoredEvent event;
    event.id = query.value(0).toLongLong();
    event.started = timeFromStored(query.value(1));
    event.endedCleanly = query.value(2).toBool();
    event.preloadList = preloadFromJson(query.value(3).toString());
    event.preloadPosition = query.value(4).toInt();
    event.currentRound = schemaVersion >= 4 ? query.value(5).toInt() : 0;
    query.finish();

    // Curves were kept from version 3 on.
    if (!readEntries(connection.database(), schemaVersion, event, error)
        || (schemaVersion >= 3 && !readCurves(connection.database(), schemaVersion, event, error))
        || !readNextOrder(connection.database(), event, error))
        return std::nullopt;
    // Rounds from version 4 on; before, the whole event is its first round.
    bool hasRoundRows = false;
    if (schemaVersion >= 4) {
        if (!readRoundRows(connection.database(), event, hasRoundRows, error)
            || !readClapOffs(connection.database(), event, error))
            return std::nullopt;
    }
    // The jury from version 5 on; before, the event had none.
    if (schemaVersion >= 5 && !readJury(connection.database(), event, error))
        return std::nullopt;
    sortIntoRounds(event);
    for (StoredRound& round : event.rounds) {
        if (round.id == event.currentRound && !hasRoundRows)
            round.waiting = event.preloadList.mid(std::max(0, event.preloadPosition));
    }
    weighEntries(event);
    return event;
}
