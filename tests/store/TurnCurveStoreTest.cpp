// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Each turn's curve goes into the results file as the meter takes it and comes back on
// resume; a file of the earlier layout migrates; a stored curve that cannot be read comes
// back as no curve, with its score, and is counted once for the operator's notice.
#include "StoreTestSupport.h"

#include "brio/BRStringQt.h"
#include "core/MeterCore.h"
#include "store/EventRecorder.h"
#include "store/RecorderJournal.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <map>
#include <optional>

namespace {

using namespace ovatron::test;

constexpr TickInput kSpaceHeld{.listening = true, .spaceDown = true};
constexpr TickInput kSpaceUp{.listening = true, .spaceDown = false};

std::optional<StoredEvent> restored()
{
    EventRecorder recorder(databasePath());
    EXPECT_TRUE(recorder.open().saving());
    return recorder.latestEvent();
}

const StoredEntry* entryNamed(const StoredEvent& event, const QString& name)
{
    for (const StoredEntry& entry : event.entries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}


void startTurn(MeterCore& meter, char name)
{
    meter.onChar(name);
    meter.onChar(MeterCore::kEnter);
}

// A show recorded through the meter's own journal: Ana by the room's two microphones, the
// second stopping halfway, Ben by the keyboard and then again by the room with no microphone
// told apart; Cal's turn is under way when the program stops. Answers the curves the meter
// kept, by name.
std::map<QString, std::vector<TurnCurve>> recordShow()
{
    EventRecorder recorder(databasePath());
    EXPECT_TRUE(recorder.open().saving());
    recorder.beginEvent(showStart());
    RecorderJournal journal(recorder);
    MeterCore meter(true, false);
    meter.setJournal(&journal);
    meter.setCurveSource({.microphone = true, .inputName = brio::BRString(u"Hall microphone"),
                          .floorLufs = -47.5, .rangeLu = 28.0,
                          .microphones = {{u"Left", u"left.wav", -47.5}, {u"Balcony", u"", -52.0}}});
    startTurn(meter, 'A');
    for (int tick = 0; tick < 400; ++tick) {
        const int level = tick < 300 ? 40 + tick % 7 : 90;
        const std::uint8_t each[] = {std::uint8_t(level + 3), tick < 200 ? std::uint8_t(level - 5) : curve::kNotHeard};
        meter.tick(kSpaceUp, level, each);
    }
    meter.onChar(MeterCore::kEnter);
    startTurn(meter, 'B');
    for (int tick = 0; tick < 120; ++tick)
        meter.tick(tick < 40 ? kSpaceHeld : kSpaceUp);
    meter.onChar(MeterCore::kEnter);
    EXPECT_TRUE(meter.measureAgain());
    for (int tick = 0; tick < 180; ++tick)
        meter.tick(kSpaceUp, 66);
    meter.onChar(MeterCore::kEnter);
    startTurn(meter, 'C');
    for (int tick = 0; tick < 173; ++tick)
        meter.tick(kSpaceUp, 20);
    std::map<QString, std::vector<TurnCurve>> curves;
    curves[QStringLiteral("A")] = meter.curvesOf(0);
    curves[QStringLiteral("B")] = meter.curvesOf(1);
    curves[QStringLiteral("C")] = {meter.currentCurve()};  // not ended: as far as it went
    EXPECT_TRUE(recorder.flush());
    meter.setJournal(nullptr);
    return curves;
}

TEST(TurnCurveStore, CurvesComeBackAsTheMeterTookThem)
{
    const std::map<QString, std::vector<TurnCurve>> recorded = recordShow();
    ASSERT_EQ(recorded.at(QStringLiteral("B")).size(), 2u);
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->unreadableCurves, 0);
    ASSERT_EQ(recorded.at(QStringLiteral("A")).front().microphoneReadings.size(), 2u);
    for (const auto& [name, curves] : recorded) {
        const StoredEntry* entry = entryNamed(*event, name);
        ASSERT_NE(entry, nullptr) << name.toStdString();
        EXPECT_EQ(entry->curves, curves) << name.toStdString();
    }
    // The microphone's turn scored its held level; the keyboard's source has no calibration.
    EXPECT_EQ(entryNamed(*event, QStringLiteral("A"))->score,
              heldLevelOf(recorded.at(QStringLiteral("A")).front().readings));
    EXPECT_EQ(entryNamed(*event, QStringLiteral("B"))->curves.front().source, CurveSource{});
    EXPECT_EQ(entryNamed(*event, QStringLiteral("B"))->score, 66);

    // Resumed, the meter has them again.
    MeterCore meter(true, false);
    std::vector<Score> scores;
    for (const StoredEntry& entry : event->entries)
        scores.push_back({brio::fromQString(entry.name), entry.score, entry.order});
    meter.restoreEvent(scores, brio::BRStringArray(), event->nextOrder);
    for (const StoredEntry& entry : event->entries)
        meter.restoreCurves(entry.order, entry.curves);
    EXPECT_EQ(meter.curvesOf(1), recorded.at(QStringLiteral("B")));
}

TEST(TurnCurveStore, AFileOfTheEarlierLayoutMigratesAndKeepsCurvesFromThenOn)
{
    runSql(databasePath(), {QStringLiteral("CREATE TABLE event (id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL,"
                           " ended_cleanly INTEGER NOT NULL DEFAULT 0, preload_list TEXT NOT NULL"
                           " DEFAULT '[]', preload_position INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE TABLE entry (event_id INTEGER NOT NULL REFERENCES event(id),"
                           " entry_order INTEGER NOT NULL, name TEXT NOT NULL, score INTEGER NOT"
                           " NULL DEFAULT 0, began_ms INTEGER, ended_ms INTEGER, cleared INTEGER"
                           " NOT NULL DEFAULT 0, removed INTEGER NOT NULL DEFAULT 0,"
                           " PRIMARY KEY (event_id, entry_order)) WITHOUT ROWID"),
            QStringLiteral("INSERT INTO event (id, started_ms) VALUES (1, 0)"),
            QStringLiteral("INSERT INTO entry (event_id, entry_order, name, score, removed)"
                           " VALUES (1, 0, 'Ana', 40, 0), (1, 1, 'Ben', 80, 0), (1, 2, 'Gone', 90, 1)"),
            QStringLiteral("PRAGMA user_version = 2")});
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        const std::optional<StoredEvent> event = recorder.latestEvent();
        ASSERT_TRUE(event);
        ASSERT_EQ(event->entries.size(), 2u);
        EXPECT_EQ(event->entries[0].score, 80);
        EXPECT_TRUE(event->entries[0].curves.empty());
        EXPECT_EQ(event->unreadableCurves, 0);
        // Ana measured again on the resumed event: her first curve.
        recorder.resumeEvent(event->id);
        RecorderJournal journal(recorder);
        journal.curveStarted(0, CurveSource{});
        for (const int reading : {3, 9, 12})
            journal.curveRead(0, reading, {});
        ASSERT_TRUE(recorder.flush());
    }
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    const StoredEntry* ana = entryNamed(*event, QStringLiteral("Ana"));
    ASSERT_NE(ana, nullptr);
    ASSERT_EQ(ana->curves.size(), 1u);
    EXPECT_EQ(ana->curves[0].readings, (std::vector<std::uint8_t>{3, 9, 12}));
    EXPECT_EQ(ana->score, 40);
}

TEST(TurnCurveStore, ACurveThatCannotBeReadComesBackAsNoneWithItsScore)
{
    const std::map<QString, std::vector<TurnCurve>> recorded = recordShow();
    const QString tooLong = QStringLiteral("5,").repeated(int(curve::kMaximumReadings)) +
                            QStringLiteral("5");
    struct Case {
        const char* what;
        QString readings;  // SQL for the stored value
    };
    const Case cases[] = {
        {"missing", QStringLiteral("NULL")},
        {"empty", QStringLiteral("''")},
        {"one reading too many", QStringLiteral("'%1'").arg(tooLong)},
        {"above the scale", QStringLiteral("'5,101,7'")},
        {"below the scale", QStringLiteral("'5,-1'")},
        {"not numbers", QStringLiteral("'loud,quiet'")},
        {"a fraction", QStringLiteral("'5,7.5'")},
        {"a blob", QStringLiteral("x'00ff'")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Ben's first curve (the keyboard's) is spoilt, his second stays; Ana's too.
        runSql(databasePath(), {QStringLiteral("UPDATE turn SET readings = %1 WHERE id = (SELECT min(id) FROM"
                               " turn WHERE entry_order = 1)").arg(c.readings)});
        const std::optional<StoredEvent> event = restored();
        ASSERT_TRUE(event);
        EXPECT_EQ(event->unreadableCurves, 1);
        const StoredEntry* ben = entryNamed(*event, QStringLiteral("B"));
        ASSERT_NE(ben, nullptr);
        EXPECT_EQ(ben->score, 66);
        ASSERT_EQ(ben->curves.size(), 1u);
        EXPECT_EQ(ben->curves[0], recorded.at(QStringLiteral("B"))[1]);
        EXPECT_EQ(entryNamed(*event, QStringLiteral("A"))->curves, recorded.at(QStringLiteral("A")));
    }
    // A microphone's curve spoilt: the room's curve stays, without its microphones.
    for (const char* readings : {"'1,2'", "'x'"}) {
        runSql(databasePath(), {QStringLiteral("UPDATE turn_microphone SET readings = %1 WHERE position = 1"
                                " AND turn_id = (SELECT id FROM turn WHERE entry_order = 0)").arg(readings)});
        const std::optional<StoredEvent> event = restored();
        ASSERT_TRUE(event);
        EXPECT_EQ(event->unreadableCurves, 2) << "Ben's first, and Ana's microphones";
        const TurnCurve& ana = entryNamed(*event, QStringLiteral("A"))->curves.at(0);
        EXPECT_EQ(ana.readings, recorded.at(QStringLiteral("A"))[0].readings);
        EXPECT_TRUE(ana.source.microphones.empty() && ana.microphoneReadings.empty());
    }
    // Every curve spoilt: one count each, every score as stored.
    runSql(databasePath(), {QStringLiteral("UPDATE turn SET readings = '200'")});
    const std::optional<StoredEvent> event = restored();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->unreadableCurves, 4);
    EXPECT_EQ(entryNamed(*event, QStringLiteral("B"))->score, 66);
    for (const StoredEntry& entry : event->entries)
        EXPECT_TRUE(entry.curves.empty()) << entry.name.toStdString();
}

}  // namespace
