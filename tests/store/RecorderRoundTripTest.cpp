// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// What the recorder writes comes back on restore: the table in order, the preload list, the
// resume decision; cleared entries stay in the file but not in the table.
#include "StoreTestSupport.h"

#include "store/EventRecorder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <functional>
#include <optional>
#include <ostream>

namespace {

using namespace ovatron::test;

Contestants tableOf(const StoredEvent& event)
{
    Contestants rows;
    for (const StoredEntry& entry : event.entries)
        rows.emplace_back(entry.name, entry.score);
    return rows;
}

// A new recorder on the same file, as after a restart.
std::optional<StoredEvent> restored()
{
    EventRecorder recorder(databasePath());
    EXPECT_TRUE(recorder.open().saving());
    return recorder.latestEvent();
}

// Entries in the file for an event, cleared ones too, read past the store.
int storedEntryCount(qint64 eventId)
{
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "count");
        db.setDatabaseName(databasePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT count(*) FROM entry WHERE event_id = ?"));
            query.addBindValue(eventId);
            if (query.exec() && query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return count;
}

TEST(RecorderRoundTrip, AnEventComesBackAsRecorded)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_EQ(recorder.open().condition, StoreCondition::Saving);
        recorder.beginEvent(showStart());
        recorder.preloadChanged({QStringLiteral("Ana"), QStringLiteral("Ben, Jr."),
                                    QStringLiteral("Zoë")},
            1);
        recordContestants(recorder, {{QStringLiteral("Ana"), 50}, {QStringLiteral("Ben, Jr."), 70},
                                        {QStringLiteral("Zoë \"Z\""), 50}});
        recorder.contestantStarted(3, QStringLiteral("Dee"), showStart().addSecs(600));
        recorder.scoreRaised(3, 70);
        // No turnEnded for Dee and no eventEnded: the program stops mid-turn.
        ASSERT_TRUE(recorder.flush());
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->started, showStart());
    EXPECT_FALSE(event->endedCleanly);
    EXPECT_EQ(event->preloadList,
        QStringList({QStringLiteral("Ana"), QStringLiteral("Ben, Jr."), QStringLiteral("Zoë")}));
    EXPECT_EQ(event->preloadPosition, 1);
    // Best first; equal scores in the order the contestants started.
    EXPECT_EQ(tableOf(*event), (Contestants{{QStringLiteral("Ben, Jr."), 70},
                                   {QStringLiteral("Dee"), 70}, {QStringLiteral("Ana"), 50},
                                   {QStringLiteral("Zoë \"Z\""), 50}}));
    const StoredEntry& ben = event->entries[0];
    EXPECT_EQ(ben.order, 1);
    EXPECT_EQ(ben.began, showStart().addSecs(60));
    EXPECT_EQ(ben.ended, showStart().addSecs(90));
    EXPECT_FALSE(event->entries[1].ended.isValid());
    EXPECT_EQ(event->nextOrder, 4);
}

TEST(RecorderRoundTrip, TheLatestEventIsRestored)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("First show"), 90}});
        recorder.eventEnded();
        recorder.beginEvent(showStart().addDays(1));
        recordContestants(recorder, {{QStringLiteral("Second show"), 40}});
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->started, showStart().addDays(1));
    EXPECT_EQ(tableOf(*event), (Contestants{{QStringLiteral("Second show"), 40}}));
}

TEST(RecorderRoundTrip, ClearedEntriesStayInTheFileButLeaveTheTable)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 60}, {QStringLiteral("Ben"), 30}});
        recorder.tableCleared();
        recordContestants(recorder, {{QStringLiteral("Cal"), 20}, {QStringLiteral("Dee"), 80}},
            2);
        recorder.contestantStarted(4, QStringLiteral("Eve"), showStart().addSecs(900));
        recorder.scoreRaised(4, 10);
        recorder.tableCleared(4);  // Clear League Table during Eve's turn keeps her
        recorder.scoreRaised(4, 55);
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(tableOf(*event), (Contestants{{QStringLiteral("Eve"), 55}}));
    EXPECT_EQ(storedEntryCount(event->id), 5);
    // A resumed show numbers its next contestant past the cleared ones.
    EXPECT_EQ(event->nextOrder, 5);
}

TEST(RecorderRoundTrip, CorrectionsComeBackAfterARestart)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 60}, {QStringLiteral("Bem"), 30},
                                     {QStringLiteral("Oops"), 5}, {QStringLiteral("Cal"), 20}});
        recorder.entryRenamed(1, QStringLiteral("Ben"));
        recorder.entriesRemoved({2});
        recorder.scoreCorrected(3, 70);  // Cal measured again
        recorder.tableCleared();
        recorder.entriesRestored({0, 1, 3});  // the clear undone
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(tableOf(*event), (Contestants{{QStringLiteral("Cal"), 70},
                                            {QStringLiteral("Ana"), 60},
                                            {QStringLiteral("Ben"), 30}}));
    EXPECT_EQ(storedEntryCount(event->id), 4);
}

TEST(RecorderRoundTrip, AFileOfTheFirstLayoutResumesUnchanged)
{
    {
        QDir().mkpath(QFileInfo(databasePath()).path());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "first");
        db.setDatabaseName(databasePath());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* sql : {
                 "CREATE TABLE event (id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL,"
                 " ended_cleanly INTEGER NOT NULL DEFAULT 0, preload_list TEXT NOT NULL DEFAULT"
                 " '[]', preload_position INTEGER NOT NULL DEFAULT 0)",
                 "CREATE TABLE entry (event_id INTEGER NOT NULL REFERENCES event(id),"
                 " entry_order INTEGER NOT NULL, name TEXT NOT NULL, score INTEGER NOT NULL"
                 " DEFAULT 0, began_ms INTEGER, ended_ms INTEGER, cleared INTEGER NOT NULL"
                 " DEFAULT 0, PRIMARY KEY (event_id, entry_order)) WITHOUT ROWID",
                 "INSERT INTO event (id, started_ms, preload_list, preload_position)"
                 " VALUES (1, 0, '[\"Dee\"]', 1)",
                 "INSERT INTO entry (event_id, entry_order, name, score, cleared)"
                 " VALUES (1, 0, 'Ana', 40, 0), (1, 1, 'Ben', 80, 0), (1, 2, 'Old', 90, 1)",
                 "PRAGMA user_version = 1"})
            ASSERT_TRUE(query.exec(QString::fromLatin1(sql))) << sql;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("first"));
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_TRUE(needsResumeOffer(*event));
    EXPECT_EQ(tableOf(*event), (Contestants{{QStringLiteral("Ben"), 80},
                                            {QStringLiteral("Ana"), 40}}));
    EXPECT_EQ(event->preloadList, QStringList{QStringLiteral("Dee")});
    EXPECT_EQ(event->preloadPosition, 1);
    EXPECT_EQ(event->nextOrder, 3);
}

TEST(RecorderRoundTrip, AResumedEventGoesOnInTheSameEvent)
{
    qint64 eventId = 0;
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 60}});
    }
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        const std::optional<StoredEvent> crashed = recorder.latestEvent();
        ASSERT_TRUE(crashed);
        eventId = crashed->id;
        recorder.resumeEvent(eventId);
        recordContestants(recorder, {{QStringLiteral("Ben"), 65}}, crashed->nextOrder);
        recorder.eventEnded();
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->id, eventId);
    EXPECT_TRUE(event->endedCleanly);
    EXPECT_EQ(tableOf(*event),
        (Contestants{{QStringLiteral("Ben"), 65}, {QStringLiteral("Ana"), 60}}));
}

struct ResumeCase {
    const char* name;
    std::function<void(EventRecorder&)> show;
    bool offered;
};

void PrintTo(const ResumeCase& c, std::ostream* os)
{
    *os << c.name;
}

class ResumeOffer : public testing::TestWithParam<ResumeCase> {};

TEST_P(ResumeOffer, IsMadeOnlyForAnInterruptedEventWithResults)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        GetParam().show(recorder);
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(needsResumeOffer(*event), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Shows, ResumeOffer,
    testing::Values(
        ResumeCase{"StoppedWithResults",
            [](EventRecorder& r) {
                r.beginEvent(showStart());
                recordContestants(r, {{QStringLiteral("Ana"), 40}});
            },
            true},
        ResumeCase{"StoppedDuringTheFirstTurn",
            [](EventRecorder& r) {
                r.beginEvent(showStart());
                r.contestantStarted(0, QStringLiteral("Ana"), showStart());
            },
            true},
        ResumeCase{"EndedCleanly",
            [](EventRecorder& r) {
                r.beginEvent(showStart());
                recordContestants(r, {{QStringLiteral("Ana"), 40}});
                r.eventEnded();
            },
            false},
        ResumeCase{"StoppedWithNoContestant",
            [](EventRecorder& r) {
                r.beginEvent(showStart());
                r.preloadChanged({QStringLiteral("Ana")}, 0);
            },
            false},
        ResumeCase{"StoppedAfterClearingTheTable",
            [](EventRecorder& r) {
                r.beginEvent(showStart());
                recordContestants(r, {{QStringLiteral("Ana"), 40}});
                r.tableCleared();
            },
            false}),
    [](const testing::TestParamInfo<ResumeCase>& info) { return info.param.name; });

TEST(RecorderRoundTrip, AFileWithNoEventRestoresNothing)
{
    EventRecorder recorder(databasePath());
    ASSERT_EQ(recorder.open().condition, StoreCondition::Saving);
    // Changes before the first event have nowhere to go and are dropped.
    recorder.contestantStarted(0, QStringLiteral("Ana"), showStart());
    EXPECT_TRUE(recorder.flush());
    EXPECT_FALSE(recorder.latestEvent());
}

// Found by fuzzing: SQLite keeps any value in a column, and the file may have been changed by
// another program. A score that is text, fractional or off the scale reads as a score on it,
// and the table still comes back best first with ties in order of entry.
struct StoredScoreCase {
    const char* name;
    const char* storedValue;  // SQL literal put in place of Ben's 60
    Contestants table;
};

void PrintTo(const StoredScoreCase& param, std::ostream* out)
{
    *out << param.name;
}

class StoredScore : public testing::TestWithParam<StoredScoreCase> {};

TEST_P(StoredScore, ComesBackOnTheScaleAndInOrder)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 80}, {QStringLiteral("Ben"), 60},
                                        {QStringLiteral("Cy"), 40}});
        ASSERT_TRUE(recorder.flush());
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "edit");
        db.setDatabaseName(databasePath());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("UPDATE entry SET score = %1 WHERE name = 'Ben'")
                                   .arg(QLatin1String(GetParam().storedValue))))
            << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("edit"));

    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(tableOf(*event), GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredScore,
    testing::Values(
        StoredScoreCase{"Text", "'abc'",
            {{QStringLiteral("Ana"), 80}, {QStringLiteral("Cy"), 40}, {QStringLiteral("Ben"), 0}}},
        StoredScoreCase{"NumberAsText", "'90'",
            {{QStringLiteral("Ben"), 90}, {QStringLiteral("Ana"), 80}, {QStringLiteral("Cy"), 40}}},
        StoredScoreCase{"AboveTheScale", "5000",
            {{QStringLiteral("Ben"), 100}, {QStringLiteral("Ana"), 80}, {QStringLiteral("Cy"), 40}}},
        StoredScoreCase{"BelowTheScale", "-7",
            {{QStringLiteral("Ana"), 80}, {QStringLiteral("Cy"), 40}, {QStringLiteral("Ben"), 0}}},
        StoredScoreCase{"TieWithALaterEntry", "'40'",
            {{QStringLiteral("Ana"), 80}, {QStringLiteral("Ben"), 40}, {QStringLiteral("Cy"), 40}}},
        StoredScoreCase{"Blob", "x'3930'",
            {{QStringLiteral("Ben"), 90}, {QStringLiteral("Ana"), 80}, {QStringLiteral("Cy"), 40}}}),
    [](const testing::TestParamInfo<StoredScoreCase>& info) { return info.param.name; });

}  // namespace
