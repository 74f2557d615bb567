// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// A show recorded through the results journal into a real SQLite file and resumed into a new
// session, as after a crash: the turns' curves come back with their scores, and stored curves
// that cannot be read come back as none, with one notice.
#include "brio/BRStringQt.h"
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "show/EventJournal.h"
#include "show/MeterSession.h"
#include "store/EventRecorder.h"
#include "store/StoreMessages.h"

#include "SessionTestSupport.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

class ResumeCurvesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ovatron::test::prepareSessionSettings(m_settings);
    }

    QString databasePath() const { return m_folder.filePath(QStringLiteral("events.sqlite")); }

    // Ana by the room, Ben by the keyboard and then again by the room; the program stops
    // during Cal's turn. Answers the curves the meter kept, by order of entry.
    std::map<std::int64_t, std::vector<TurnCurve>> recordShow()
    {
        EventRecorder recorder(databasePath());
        EXPECT_TRUE(recorder.open().saving());
        recorder.beginEvent(QDateTime::currentDateTime());
        EventJournal journal(recorder);
        MeterSession session(m_settings);
        journal.attach(session);
        session.meter().setCurveSource(
            {.inputName = u"Hall", .floorLufs = -44.5, .rangeLu = 25.0});
        std::optional<int> room;
        bool roomInUse = false;
        session.setMeasuredLevel([&]() { return room; }, [&]() { return roomInUse; });
        const auto turn = [&](std::optional<int> level, int ticks) {
            room = level;
            roomInUse = level.has_value();
            session.setSpaceDown(SpaceSource::Remote, !level);
            for (int tick = 0; tick < ticks; ++tick)
                session.tickOnce();
            session.setSpaceDown(SpaceSource::Remote, false);
        };
        session.typeText(u"Ana");
        session.pressKey(MeterCore::kEnter);
        turn(60, 200);
        session.pressKey(MeterCore::kEnter);
        session.typeText(u"Ben");
        session.pressKey(MeterCore::kEnter);
        turn(std::nullopt, 30);
        session.pressKey(MeterCore::kEnter);
        session.moveSelection(-1);  // Ben's row, the lower score
        session.measureAgain();
        turn(45, 200);
        session.pressKey(MeterCore::kEnter);
        session.typeText(u"Cal");
        session.pressKey(MeterCore::kEnter);
        turn(30, 100);
        std::map<std::int64_t, std::vector<TurnCurve>> curves;
        for (const std::int64_t order : {0, 1})
            curves[order] = session.meter().curvesOf(order);
        curves[2] = {session.meter().currentCurve()};
        session.setMeasuredLevel({}, {});
        EXPECT_TRUE(recorder.flush());
        return curves;  // no File > Exit: the event waits to be resumed
    }

    // What the program does at its next start: the latest event resumed into a new session.
    std::unique_ptr<MeterSession> resume(QSignalSpy*& notices)
    {
        EventRecorder recorder(databasePath());
        EXPECT_TRUE(recorder.open().saving());
        const std::optional<StoredEvent> event = recorder.latestEvent();
        EXPECT_TRUE(event && needsResumeOffer(*event));
        auto session = std::make_unique<MeterSession>(m_settings);
        notices = new QSignalSpy(session.get(), &MeterSession::notice);
        if (event) {
            EventJournal journal(recorder);
            journal.resume(*session, *event);
        }
        return session;
    }

    void runSql(const QString& statement)
    {
        EXPECT_EQ(ovatron::test::runSqlOn(databasePath(), {statement}), QString());
    }

    QTemporaryDir m_folder;
    AppConfig m_settings;
};

TEST_F(ResumeCurvesTest, EveryTurnsCurveComesBackWithTheEvent)
{
    const std::map<std::int64_t, std::vector<TurnCurve>> recorded = recordShow();
    ASSERT_EQ(recorded.at(1).size(), 2u);
    EXPECT_FALSE(recorded.at(1)[0].source.microphone);
    EXPECT_TRUE(recorded.at(1)[1].source.microphone);
    EXPECT_EQ(recorded.at(0)[0].source.inputName, brio::BRString(u"Hall"));

    QSignalSpy* notices = nullptr;
    const std::unique_ptr<MeterSession> session = resume(notices);
    const std::unique_ptr<QSignalSpy> noticesOwned(notices);
    for (const auto& [order, curves] : recorded)
        EXPECT_EQ(session->meter().curvesOf(order), curves) << "order " << order;
    EXPECT_EQ(session->meter().leagueTable().entry(0).score, 60);
    EXPECT_EQ(notices->count(), 0);
}

TEST_F(ResumeCurvesTest, UnreadableCurvesComeBackAsNoneWithTheirScoresAndOneNotice)
{
    const std::map<std::int64_t, std::vector<TurnCurve>> recorded = recordShow();
    runSql(QStringLiteral("UPDATE turn SET readings = '5,101' WHERE entry_order IN (0, 2)"));
    runSql(QStringLiteral("UPDATE turn SET readings = NULL WHERE id = (SELECT min(id) FROM turn"
                          " WHERE entry_order = 1)"));

    QSignalSpy* notices = nullptr;
    const std::unique_ptr<MeterSession> session = resume(notices);
    const std::unique_ptr<QSignalSpy> noticesOwned(notices);
    const MeterCore& meter = session->meter();
    EXPECT_TRUE(meter.curvesOf(0).empty());
    EXPECT_TRUE(meter.curvesOf(2).empty());
    EXPECT_EQ(meter.curvesOf(1), std::vector<TurnCurve>{recorded.at(1)[1]});
    EXPECT_EQ(meter.leagueTable().entry(meter.leagueTable().rowOf(0)).score, 60);
    EXPECT_EQ(meter.leagueTable().entry(meter.leagueTable().rowOf(1)).score, 45);
    ASSERT_EQ(notices->count(), 1);
    EXPECT_EQ(notices->at(0).at(0).toString(), StoreMessages::unreadableCurves());
}

}  // namespace
