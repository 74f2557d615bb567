// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/EventWriter.h"

#include "core/TurnCurve.h"
#include "store/JuryRecord.h"
#include "store/SqliteConnection.h"
#include "store/StoredTime.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace {

QSqlQuery prepared(QSqlDatabase& database, const char* sql)
{
    QSqlQuery query(database);
    query.prepare(QString::fromLatin1(sql));
    return query;
}

std::optional<QSqlError> run(QSqlQuery& query, std::initializer_list<QVariant> values)
{
    int index = 0;
    for (const QVariant& value : values)
        query.bindValue(index++, value);
    if (!query.exec())
        return query.lastError();
    return std::nullopt;
}

QString jsonOf(const QStringList& names)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Compact));
}

// A microphone's reading as its row keeps it.
QString storedReading(int reading)
{
    return reading == curve::kNotHeard ? QStringLiteral("-") : QString::number(reading);
}

QVariant orNull(std::optional<qint64> value)
{
    return value ? QVariant(*value) : QVariant();
}

// Rising scores and a curve's readings come many times a second and only reach the system's
// cache; anything else (a name, a turn's end, a cleared table) comes a few times a turn and is
// forced onto the disk, so that a finished turn outlives a power cut or a disk that turns
// read-only.
bool needsFullSync(const std::vector<StoreOperation>& batch)
{
    return std::any_of(batch.begin(), batch.end(), [](const StoreOperation& operation) {
        return !std::holds_alternative<StoreOp::ScoreRaised>(operation)
            && !std::holds_alternative<StoreOp::CurveStarted>(operation)
            && !std::holds_alternative<StoreOp::CurveRead>(operation);
    });
}

}  // namespace

EventWriter::EventWriter(SqliteConnection& connection)
    : m_connection(connection)
    , m_insertEvent(prepared(connection.database(),
          "INSERT INTO event (started_ms) VALUES (?)"))
    , m_resumeEvent(prepared(connection.database(),
          "UPDATE event SET ended_cleanly = 0 WHERE id = ?"))
    , m_insertEntry(prepared(connection.database(),
          "INSERT INTO entry (event_id, entry_order, name, began_ms, round_id, clap_off)"
          " VALUES (?, ?, ?, ?, ?, ?)"
          " ON CONFLICT (event_id, entry_order) DO UPDATE"
          " SET name = excluded.name, began_ms = excluded.began_ms"))
    , m_updateScore(prepared(connection.database(),
          "UPDATE entry SET score = ? WHERE event_id = ? AND entry_order = ?"))
    , m_endTurn(prepared(connection.database(),
          "UPDATE entry SET ended_ms = ? WHERE event_id = ? AND entry_order = ?"))
    , m_clearTable(prepared(connection.database(),
          "UPDATE entry SET cleared = 1"
          " WHERE event_id = ? AND round_id = ? AND clap_off = 0 AND cleared = 0"
          " AND entry_order IS NOT ?"))
    , m_updatePreload(prepared(connection.database(),
          "UPDATE event SET preload_list = ?, preload_position = ? WHERE id = ?"))
    , m_endEvent(prepared(connection.database(),
          "UPDATE event SET ended_cleanly = 1 WHERE id = ?"))
    , m_renameEntry(prepared(connection.database(),
          "UPDATE entry SET name = ? WHERE event_id = ? AND entry_order = ?"))
    , m_removeEntry(prepared(connection.database(),
          "UPDATE entry SET removed = 1 WHERE event_id = ? AND entry_order = ?"))
    // Back in the table, however it left: removed, or cleared with the rest.
    , m_restoreEntry(prepared(connection.database(),
          "UPDATE entry SET removed = 0, cleared = 0 WHERE event_id = ? AND entry_order = ?"))
    , m_insertCurve(prepared(connection.database(),
          "INSERT INTO turn (event_id, entry_order, microphone, input_name, floor_lufs, range_lu,"
          " readings) VALUES (?, ?, ?, ?, ?, ?, ?)"))
    // Ten times a second, a few characters onto the contestant's latest curve.
    , m_appendReading(prepared(connection.database(),
          "UPDATE turn SET readings = readings || ',' || ?"
          " WHERE id = (SELECT max(id) FROM turn WHERE event_id = ? AND entry_order = ?)"))
    , m_insertMicrophoneCurve(prepared(connection.database(),
          "INSERT INTO turn_microphone (turn_id, position, place, input_name, floor_lufs, readings)"
          " VALUES (?, ?, ?, ?, ?, ?)"))
    , m_appendMicrophoneReading(prepared(connection.database(),
          "UPDATE turn_microphone SET readings = readings || ',' || ?"
          " WHERE turn_id = (SELECT max(id) FROM turn WHERE event_id = ? AND entry_order = ?)"
          " AND position = ?"))
    , m_nameRound(prepared(connection.database(),
          "INSERT INTO round (event_id, round_id, name) VALUES (?, ?, ?)"
          " ON CONFLICT (event_id, round_id) DO UPDATE SET name = excluded.name"))
    , m_removeRound(prepared(connection.database(),
          "UPDATE round SET removed = ? WHERE event_id = ? AND round_id = ?"))
    // The first round may have no row yet: it is named only when renamed.
    , m_roundWaiting(prepared(connection.database(),
          "INSERT INTO round (event_id, round_id, name, waiting) VALUES (?, ?, '', ?)"
          " ON CONFLICT (event_id, round_id) DO UPDATE SET waiting = excluded.waiting"))
    , m_currentRound(prepared(connection.database(),
          "UPDATE event SET current_round = ? WHERE id = ?"))
    , m_readCurrentRound(prepared(connection.database(),
          "SELECT current_round FROM event WHERE id = ?"))
    , m_insertClapOff(prepared(connection.database(),
          "INSERT OR REPLACE INTO clap_off (event_id, round_id, number, names) VALUES (?, ?, ?, ?)"))
    , m_insertJurySetUp(prepared(connection.database(),
          "INSERT INTO jury_setup (event_id, set_ms, setup) VALUES (?, ?, ?)"))
    // Opened again, a marking keeps the set-up it first had.
    , m_updateMarking(prepared(connection.database(),
          "INSERT INTO jury_marking (event_id, entry_order, open, opened_ms, setup)"
          " VALUES (?, ?, ?, ?, ?) ON CONFLICT (event_id, entry_order) DO UPDATE"
          " SET open = excluded.open,"
          " opened_ms = CASE WHEN excluded.open THEN excluded.opened_ms ELSE opened_ms END"))
    , m_insertMark(prepared(connection.database(),
          "INSERT INTO jury_mark (event_id, entry_order, judge, mark_id, marks, given_ms)"
          " VALUES (?, ?, ?, ?, ?, ?)"))
{
}

std::optional<QSqlError> EventWriter::apply(const std::vector<StoreOperation>& batch)
{
    const std::optional<qint64> eventBefore = m_eventId;
    const int roundBefore = m_roundId;
    const int clapOffBefore = m_clapOff;
    const bool fullSync = needsFullSync(batch);
    if (fullSync) {
        if (auto error = m_connection.exec(QStringLiteral("PRAGMA synchronous = FULL")))
            return error;
    }
    auto error = m_connection.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (error) {
        restoreNormalSync(fullSync);
        return error;
    }
    for (const StoreOperation& operation : batch) {
        error = std::visit([this](const auto& op) { return write(op); }, operation);
        if (error)
            break;
    }
    if (!error)
        error = m_connection.exec(QStringLiteral("COMMIT"));
    if (error) {
        m_connection.exec(QStringLiteral("ROLLBACK"));
        m_eventId = eventBefore;
        m_roundId = roundBefore;
        m_clapOff = clapOffBefore;
    }
    restoreNormalSync(fullSync);
    return error;
}

void EventWriter::restoreNormalSync(bool fullSync)
{
    if (fullSync)
        m_connection.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
}

std::optional<QSqlError> EventWriter::write(const StoreOp::BeginEvent& op)
{
    auto error = run(m_insertEvent, {storedTime(op.started)});
    if (!error) {
        m_eventId = m_insertEvent.lastInsertId().toLongLong();
        m_roundId = 0;
        m_clapOff = 0;
    }
    return error;
}

std::optional<QSqlError> EventWriter::write(const StoreOp::ResumeEvent& op)
{
    auto error = run(m_resumeEvent, {op.eventId});
    if (!error && m_resumeEvent.numRowsAffected() > 0) {
        m_eventId = op.eventId;
        // A clap-off cut short is not carried on: the round goes on as it stood.
        m_clapOff = 0;
        error = run(m_readCurrentRound, {op.eventId});
        m_roundId = !error && m_readCurrentRound.next() ? m_readCurrentRound.value(0).toInt() : 0;
        m_readCurrentRound.finish();
    }
    return error;
}

std::optional<QSqlError> EventWriter::write(const StoreOp::ContestantStarted& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_insertEntry,
        {*m_eventId, op.order, op.name, storedTime(op.began), m_roundId, m_clapOff});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::ScoreRaised& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_updateScore, {op.score, *m_eventId, op.order});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::TurnEnded& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_endTurn, {storedTime(op.ended), *m_eventId, op.order});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::TableCleared& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_clearTable, {*m_eventId, m_roundId, orNull(op.keptOrder)});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::PreloadChanged& op)
{
    if (!m_eventId)
        return std::nullopt;
    auto error = run(m_updatePreload, {jsonOf(op.list), op.position, *m_eventId});
    // A clap-off's running order is its own, not the round's.
    if (!error && m_clapOff == 0)
        error = writeWaiting(op.list.mid(std::max(0, op.position)));
    return error;
}

std::optional<QSqlError> EventWriter::write(const StoreOp::EventEnded&)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_endEvent, {*m_eventId});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::EntryRenamed& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_renameEntry, {op.name, *m_eventId, op.order});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::ScoreCorrected& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_updateScore, {op.score, *m_eventId, op.order});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::EntriesRemoved& op)
{
    return writeEach(m_removeEntry, op.orders);
}

std::optional<QSqlError> EventWriter::write(const StoreOp::EntriesRestored& op)
{
    return writeEach(m_restoreEntry, op.orders);
}

std::optional<QSqlError> EventWriter::write(const StoreOp::CurveStarted& op)
{
    if (!m_eventId)
        return std::nullopt;
    // The keyboard has no floor or range.
    const QVariant floor = op.microphone ? QVariant(op.floorLufs) : QVariant();
    const QVariant range = op.microphone ? QVariant(op.rangeLu) : QVariant();
    if (auto error = run(m_insertCurve, {*m_eventId, op.order, int(op.microphone), op.inputName,
                                         floor, range, QString::number(op.reading)}))
        return error;
    const QVariant turn = m_insertCurve.lastInsertId();
    for (qsizetype position = 0; position < op.microphones.size(); ++position) {
        const StoreOp::MicrophoneStarted& microphone = op.microphones[position];
        if (auto error = run(m_insertMicrophoneCurve,
                             {turn, position, microphone.place, microphone.inputName,
                              microphone.floorLufs, storedReading(microphone.reading)}))
            return error;
    }
    return std::nullopt;
}

std::optional<QSqlError> EventWriter::write(const StoreOp::CurveRead& op)
{
    if (!m_eventId)
        return std::nullopt;
    QStringList readings;
    for (const int reading : op.readings)
        readings << QString::number(reading);
    if (auto error = run(m_appendReading, {readings.join(QLatin1Char(',')), *m_eventId, op.order}))
        return error;
    // Each microphone's row takes its own reading of each; one a reading did not tell of is
    // unheard.
    qsizetype microphones = 0;
    for (const QList<int>& told : op.microphones)
        microphones = std::max(microphones, told.size());
    for (qsizetype position = 0; position < microphones; ++position) {
        QStringList own;
        for (qsizetype index = 0; index < op.readings.size(); ++index) {
            const QList<int> told = op.microphones.value(index);
            own << storedReading(told.value(position, curve::kNotHeard));
        }
        if (auto error = run(m_appendMicrophoneReading,
                             {own.join(QLatin1Char(',')), *m_eventId, op.order, position}))
            return error;
    }
    return std::nullopt;
}

std::optional<QSqlError> EventWriter::writeEach(QSqlQuery& query, const QList<qint64>& orders)
{
    if (!m_eventId)
        return std::nullopt;
    for (const qint64 order : orders) {
        if (auto error = run(query, {*m_eventId, order}))
            return error;
    }
    return std::nullopt;
}

std::optional<QSqlError> EventWriter::writeWaiting(const QStringList& waiting)
{
    return run(m_roundWaiting, {*m_eventId, m_roundId, jsonOf(waiting)});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::RoundNamed& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_nameRound, {*m_eventId, op.roundId, op.name});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::RoundRemoved& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_removeRound, {int(op.removed), *m_eventId, op.roundId});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::RoundSwitched& op)
{
    if (!m_eventId)
        return std::nullopt;
    m_roundId = op.roundId;
    m_clapOff = 0;
    auto error = run(m_currentRound, {op.roundId, *m_eventId});
    if (!error)
        error = run(m_updatePreload, {jsonOf(op.waiting), 0, *m_eventId});
    if (!error)
        error = writeWaiting(op.waiting);
    return error;
}

std::optional<QSqlError> EventWriter::write(const StoreOp::ClapOffStarted& op)
{
    if (!m_eventId)
        return std::nullopt;
    m_clapOff = op.number;
    return run(m_insertClapOff, {*m_eventId, m_roundId, op.number, jsonOf(op.names)});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::ClapOffEnded&)
{
    m_clapOff = 0;
    return std::nullopt;
}

std::optional<QSqlError> EventWriter::write(const StoreOp::JurySetUp& op)
{
    if (!m_eventId)
        return std::nullopt;
    const QVariant setUp = op.rules ? QVariant(juryrecord::jsonOf(*op.rules, op.tokens)) : QVariant();
    return run(m_insertJurySetUp, {*m_eventId, storedTime(op.at), setUp});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::MarkingChanged& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_updateMarking, {*m_eventId, op.order, int(op.open), storedTime(op.at),
                                    juryrecord::jsonOf(op.rules)});
}

std::optional<QSqlError> EventWriter::write(const StoreOp::MarkTaken& op)
{
    if (!m_eventId)
        return std::nullopt;
    return run(m_insertMark, {*m_eventId, op.order, op.judge, op.markId,
                                 juryrecord::textOf(op.marks), storedTime(op.at)});
}
