// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounds in the results file: a file of the layout before rounds opens as one round; rounds,
// the current one, their waiting names and clap-offs are written as they happen and come back.
#include "StoreTestSupport.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"
#include "store/EventRecorder.h"
#include "store/RecorderJournal.h"
#include "store/ResultsCsv.h"
#include "store/StoreMessages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>

namespace {

using namespace ovatron::test;

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};

std::optional<StoredEvent> restored()
{
    EventRecorder recorder(databasePath());
    EXPECT_TRUE(recorder.open().saving());
    return recorder.latestEvent();
}


brio::BRStringArray names(std::initializer_list<const char16_t*> list)
{
    brio::BRStringArray array;
    for (const char16_t* name : list)
        array.add(brio::BRString(name));
    return array;
}

// A turn of the next waiting name, held up to about `ticks` ticks' worth of level.
void playNext(MeterCore& meter, int ticks)
{
    ASSERT_TRUE(meter.startNextWaiting());
    for (int tick = 0; tick < ticks; ++tick)
        meter.tick(kSpaceHeld);
    meter.onChar(MeterCore::kEnter);
}

QStringList namesOf(const std::vector<StoredEntry>& entries)
{
    QStringList list;
    for (const StoredEntry& entry : entries)
        list << entry.name;
    return list;
}

const StoredRound* roundWithId(const StoredEvent& event, int id)
{
    for (const StoredRound& round : event.rounds) {
        if (round.id == id)
            return &round;
    }
    return nullptr;
}

TEST(RoundsStore, AFileOfTheLayoutBeforeRoundsOpensAsOneRoundCalledRound1)
{
    // Version 3 exactly as it was written: one event, a cleared entry, two names waiting.
    runSql(databasePath(), {QStringLiteral("CREATE TABLE event (id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL,"
                           " ended_cleanly INTEGER NOT NULL DEFAULT 0, preload_list TEXT NOT NULL"
                           " DEFAULT '[]', preload_position INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE TABLE entry (event_id INTEGER NOT NULL REFERENCES event(id),"
                           " entry_order INTEGER NOT NULL, name TEXT NOT NULL, score INTEGER NOT"
                           " NULL DEFAULT 0, began_ms INTEGER, ended_ms INTEGER, cleared INTEGER"
                           " NOT NULL DEFAULT 0, removed INTEGER NOT NULL DEFAULT 0,"
                           " PRIMARY KEY (event_id, entry_order)) WITHOUT ROWID"),
            QStringLiteral("CREATE TABLE turn (id INTEGER PRIMARY KEY, event_id INTEGER NOT NULL,"
                           " entry_order INTEGER NOT NULL, microphone INTEGER NOT NULL DEFAULT 0,"
                           " input_name TEXT NOT NULL DEFAULT '', floor_lufs REAL, range_lu REAL,"
                           " readings TEXT)"),
            QStringLiteral("INSERT INTO event (id, started_ms, preload_list, preload_position)"
                           " VALUES (1, 0, '[\"Ana\",\"Ben\",\"Cy\",\"Dee\"]', 2)"),
            QStringLiteral("INSERT INTO entry (event_id, entry_order, name, score, ended_ms, cleared)"
                           " VALUES (1, 0, 'Old', 99, 1, 1), (1, 1, 'Ana', 40, 1, 0),"
                           " (1, 2, 'Ben', 70, 1, 0)"),
            QStringLiteral("PRAGMA user_version = 3")});
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    ASSERT_EQ(event->rounds.size(), 1u);
    const StoredRound& only = event->rounds.front();
    EXPECT_EQ(only.id, 0);
    EXPECT_TRUE(only.name.isEmpty());  // shown as the first round's name
    EXPECT_EQ(StoreMessages::firstRoundName(), QStringLiteral("Round 1"));
    EXPECT_EQ(namesOf(only.entries), (QStringList{"Ben", "Ana"}));
    EXPECT_EQ(namesOf(event->entries), (QStringList{"Ben", "Ana"}));
    EXPECT_EQ(only.waiting, (QStringList{"Cy", "Dee"}));
    EXPECT_FALSE(usesRounds(*event));
    // Exported exactly as before rounds.
    EXPECT_EQ(resultsCsv(*event, StoreMessages::firstRoundName()),
              QByteArray("rank,name,score\r\n1,Ben,70\r\n2,Ana,40\r\n"));
}

// Heat 1 (Ana, Ben, Cy), then a Final of Ben and Ana with a clap-off between them; a second
// clap-off is cut short by the end of the program.
StoredEvent recordTwoRounds(bool clearFinal)
{
    {
        EventRecorder recorder(databasePath());
        EXPECT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        RecorderJournal journal(recorder);
        MeterCore meter(true, false);
        meter.setJournal(&journal);
        journal.roundNamed(0, brio::BRString(u"Heat 1"));
        meter.preloadList() = names({u"Ana", u"Ben", u"Cy"});
        meter.restartWithPreloadList();  // Ana starts at once
        for (int tick = 0; tick < 30; ++tick)
            meter.tick(kSpaceHeld);
        meter.onChar(MeterCore::kEnter);
        playNext(meter, 60);
        playNext(meter, 10);
        const std::vector<Score> heat{meter.leagueTable().entry(0), meter.leagueTable().entry(1),
                                      meter.leagueTable().entry(2)};
        // The final, as the session makes it.
        journal.roundNamed(1, brio::BRString(u"Final"));
        meter.loadRound({}, names({u"Ana", u"Ben"}));
        journal.roundSwitched(1, names({u"Ana", u"Ben"}));
        playNext(meter, 30);
        playNext(meter, 30);  // tied with Ana
        const std::vector<Score> final{meter.leagueTable().entry(0), meter.leagueTable().entry(1)};
        meter.loadRound({}, names({u"Ana", u"Ben"}));
        journal.clapOffStarted(1, names({u"Ana", u"Ben"}));
        playNext(meter, 20);
        playNext(meter, 40);
        journal.clapOffEnded();
        meter.loadRound(final, {});
        journal.roundSwitched(1, {});
        if (clearFinal)
            meter.clearLeagueTable();
        // Cut short: only Ana's turn of a second clap-off is measured.
        meter.loadRound({}, names({u"Ana", u"Ben"}));
        journal.clapOffStarted(2, names({u"Ana", u"Ben"}));
        playNext(meter, 80);
        EXPECT_TRUE(recorder.flush());
        meter.setJournal(nullptr);
    }
    const std::optional<StoredEvent> event = restored();
    EXPECT_TRUE(event);
    return event.value_or(StoredEvent{});
}

TEST(RoundsStore, RoundsTheirTablesAndACompleteClapOffComeBack)
{
    const StoredEvent event = recordTwoRounds(false);
    ASSERT_EQ(event.rounds.size(), 2u);
    EXPECT_EQ(event.currentRound, 1);
    const StoredRound* heat = roundWithId(event, 0);
    const StoredRound* final = roundWithId(event, 1);
    ASSERT_TRUE(heat && final);
    EXPECT_EQ(heat->name, QStringLiteral("Heat 1"));
    EXPECT_EQ(namesOf(heat->entries), (QStringList{"Ben", "Ana", "Cy"}));
    EXPECT_EQ(final->name, QStringLiteral("Final"));
    // The clap-off's turns are not entries of the round: the round keeps its two.
    EXPECT_EQ(namesOf(final->entries).size(), 2);
    EXPECT_EQ(namesOf(event.entries).size(), 2);
    ASSERT_EQ(final->entries[0].score, final->entries[1].score);
    // The first clap-off counts; the second, cut short, does not.
    ASSERT_EQ(final->clapOff.size(), 2u);
    qint64 anaOrder = -1;
    qint64 benOrder = -1;
    for (const StoredEntry& entry : final->entries)
        (entry.name == u"Ana" ? anaOrder : benOrder) = entry.order;
    EXPECT_LT(final->clapOff.at(anaOrder), final->clapOff.at(benOrder));
    EXPECT_EQ(final->clapOffsHeld, 2);
    EXPECT_TRUE(usesRounds(event));

    // The final first, Ben above Ana by the clap-off with a rank of his own.
    const QByteArray csv = resultsCsv(event, StoreMessages::firstRoundName());
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], "round,rank,name,score\r");
    EXPECT_TRUE(lines[1].startsWith("Final,1,Ben,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("Final,2,Ana,")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("Heat 1,1,Ben,")) << lines[3].toStdString();
    EXPECT_TRUE(lines[5].startsWith("Heat 1,3,Cy,")) << lines[5].toStdString();
}

TEST(RoundsStore, ClearingTheCurrentRoundLeavesTheOthers)
{
    const StoredEvent event = recordTwoRounds(true);
    EXPECT_TRUE(roundWithId(event, 1)->entries.empty());
    EXPECT_EQ(roundWithId(event, 0)->entries.size(), 3u);
    EXPECT_TRUE(needsResumeOffer(event));  // the heat's results are worth resuming
}

TEST(RoundsStore, ARemovedRoundIsKeptApartAndWaitingNamesStayWithTheirRound)
{
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recorder.preloadChanged({QStringLiteral("Ana"), QStringLiteral("Ben")}, 1);
        recorder.roundNamed(1, QStringLiteral("Spare"));
        recorder.roundSwitched(1, {QStringLiteral("Zoe")});
        recorder.roundRemoved(1, true);
        recorder.roundSwitched(0, {QStringLiteral("Ben")});
        ASSERT_TRUE(recorder.flush());
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->currentRound, 0);
    ASSERT_NE(roundWithId(*event, 1), nullptr);
    EXPECT_TRUE(roundWithId(*event, 1)->removed);
    EXPECT_EQ(roundWithId(*event, 1)->waiting, QStringList{"Zoe"});
    EXPECT_EQ(roundWithId(*event, 0)->waiting, QStringList{"Ben"});
    EXPECT_TRUE(roundsToExport(*event).size() == 1u);
}

}  // namespace
