// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StoreOperation.h"

#include <QSqlError>
#include <QSqlQuery>

#include <optional>
#include <vector>

class SqliteConnection;

// Writes the recorder's operations into an open, up-to-date results file, keeping which
// event they belong to. Statements are prepared once: the score of the current contestant
// is written many times a second.
class EventWriter {
public:
    explicit EventWriter(SqliteConnection& connection);

    // All of batch in one transaction: either every operation is stored or none is, and on
    // failure the writer is as it was before, so the same batch can be tried again. A batch
    // with more than rising scores is synced to the disk before this returns.
    std::optional<QSqlError> apply(const std::vector<StoreOperation>& batch);

private:
    void restoreNormalSync(bool fullSync);
    std::optional<QSqlError> write(const StoreOp::BeginEvent& op);
    std::optional<QSqlError> write(const StoreOp::ResumeEvent& op);
    std::optional<QSqlError> write(const StoreOp::ContestantStarted& op);
    std::optional<QSqlError> write(const StoreOp::ScoreRaised& op);
    std::optional<QSqlError> write(const StoreOp::TurnEnded& op);
    std::optional<QSqlError> write(const StoreOp::TableCleared& op);
    std::optional<QSqlError> write(const StoreOp::PreloadChanged& op);
    std::optional<QSqlError> write(const StoreOp::EventEnded& op);
    std::optional<QSqlError> write(const StoreOp::EntryRenamed& op);
    std::optional<QSqlError> write(const StoreOp::ScoreCorrected& op);
    std::optional<QSqlError> write(const StoreOp::EntriesRemoved& op);
    std::optional<QSqlError> write(const StoreOp::EntriesRestored& op);
    std::optional<QSqlError> write(const StoreOp::CurveStarted& op);
    std::optional<QSqlError> write(const StoreOp::CurveRead& op);
    std::optional<QSqlError> write(const StoreOp::RoundNamed& op);
    std::optional<QSqlError> write(const StoreOp::RoundRemoved& op);
    std::optional<QSqlError> write(const StoreOp::RoundSwitched& op);
    std::optional<QSqlError> write(const StoreOp::ClapOffStarted& op);
    std::optional<QSqlError> write(const StoreOp::ClapOffEnded& op);
    std::optional<QSqlError> write(const StoreOp::JurySetUp& op);
    std::optional<QSqlError> write(const StoreOp::MarkingChanged& op);
    std::optional<QSqlError> write(const StoreOp::MarkTaken& op);
    std::optional<QSqlError> writeWaiting(const QStringList& waiting);
    std::optional<QSqlError> writeEach(QSqlQuery& query, const QList<qint64>& orders);

    SqliteConnection& m_connection;
    std::optional<qint64> m_eventId;  // operations before the first event are dropped
    int m_roundId = 0;                // the round new entries belong to
    int m_clapOff = 0;                // the clap-off of that round they are turns of; 0 none
    QSqlQuery m_insertEvent;
    QSqlQuery m_resumeEvent;
    QSqlQuery m_insertEntry;
    QSqlQuery m_updateScore;
    QSqlQuery m_endTurn;
    QSqlQuery m_clearTable;
    QSqlQuery m_updatePreload;
    QSqlQuery m_endEvent;
    QSqlQuery m_renameEntry;
    QSqlQuery m_removeEntry;
    QSqlQuery m_restoreEntry;
    QSqlQuery m_insertCurve;
    QSqlQuery m_appendReading;
    QSqlQuery m_insertMicrophoneCurve;
    QSqlQuery m_appendMicrophoneReading;
    QSqlQuery m_nameRound;
    QSqlQuery m_removeRound;
    QSqlQuery m_roundWaiting;
    QSqlQuery m_currentRound;
    QSqlQuery m_readCurrentRound;
    QSqlQuery m_insertClapOff;
    QSqlQuery m_insertJurySetUp;
    QSqlQuery m_updateMarking;
    QSqlQuery m_insertMark;
};
