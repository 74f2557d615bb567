// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The jury recorded through the results journal into a real SQLite file and resumed into a
// new session, as after a crash; and a file from before the jury opens as a show without one.
#include "core/AppConfig.h"
#include "core/settings/DisplaySettings.h"
#include "core/settings/TurnSettings.h"
#include "show/EventJournal.h"
#include "show/MeterSession.h"
#include "store/EventRecorder.h"
#include "store/JuryRecord.h"
#include "store/StoreMessages.h"

#include "SessionTestSupport.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>
#include <tuple>

namespace {

jury::JuryRules criteriaRules()
{
    jury::JuryRules rules;
    rules.judges = {QStringLiteral("Ines"), QStringLiteral("Omar")};
    rules.max = 5 * jury::kPoint;
    rules.step = 25;
    rules.criteria = {{QStringLiteral("Voice"), 2}, {QStringLiteral("Stage"), 1}};
    rules.weights = {40, 60};
    return rules;
}

class ResumeJuryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ovatron::test::prepareSessionSettings(m_settings);
    }

    QString databasePath() const { return m_folder.filePath(m_file); }

    void turn(MeterSession& session, const char16_t* name, int ticks)
    {
        session.typeText(name);
        session.pressKey(MeterCore::kEnter);
        session.setSpaceDown(SpaceSource::Remote, true);
        for (int tick = 0; tick < ticks; ++tick)
            session.tickOnce();
        session.setSpaceDown(SpaceSource::Remote, false);
        session.pressKey(MeterCore::kEnter);
    }

    // Ana and Ben have their turns and are marked; Ana's marking is closed, Ben's still open
    // when the program stops. Answers the session's rows then.
    std::vector<MeterSession::JuryRow> recordShow(bool withJury)
    {
        EventRecorder recorder(databasePath());
        EXPECT_TRUE(recorder.open().saving());
        recorder.beginEvent(QDateTime::currentDateTime());
        EventJournal journal(recorder);
        MeterSession session(m_settings);
        journal.attach(session);
        if (withJury) {
            session.setUpJury(criteriaRules());
            m_judges = session.jury().judges();
            session.revokeJudge(QStringLiteral("Omar"));
            m_judges[1].token = *session.reissueJudge(QStringLiteral("Omar"));
        }
        turn(session, u"Ana", 20);
        turn(session, u"Ben", 40);
        if (withJury) {
            const auto mark = [&](int judge, const char* name, double voice, double stage,
                                  const char* id) {
                EXPECT_EQ(session.takeMark({m_judges[judge].token, QString::fromUtf8(name),
                                            {{QStringLiteral("stage"), stage},
                                             {QStringLiteral("Voice"), voice}},
                                            QString::fromUtf8(id)}),
                          jury::MarkOutcome::Accepted);
            };
            mark(0, "Ana", 4.5, 3, "i1");
            mark(1, "Ana", 2, 2, "o1");
            mark(0, "Ben", 1, 1, "i2");
            mark(0, "Ben", 5, 4.75, "i3");  // changed: the latest counts
            session.closeMarking(0);
        }
        EXPECT_TRUE(recorder.flush());
        return session.juryRows();  // no File > Exit: the event waits to be resumed
    }

    std::unique_ptr<MeterSession> resume()
    {
        EventRecorder recorder(databasePath());
        EXPECT_TRUE(recorder.open().saving());
        const std::optional<StoredEvent> event = recorder.latestEvent();
        EXPECT_TRUE(event && needsResumeOffer(*event));
        auto session = std::make_unique<MeterSession>(m_settings);
        QObject::connect(session.get(), &MeterSession::notice,
                         [this](const QString& text) { m_notices.append(text); });
        if (event) {
            EventJournal journal(recorder);
            journal.resume(*session, *event);
        }
        return session;
    }

    void runSql(const QStringList& statements)
    {
        EXPECT_EQ(ovatron::test::runSqlOn(databasePath(), statements), QString());
    }

    QTemporaryDir m_folder;
    AppConfig m_settings;
    std::vector<jury::Judge> m_judges;
    QStringList m_notices;
    QString m_file = QStringLiteral("events.sqlite");
};

TEST_F(ResumeJuryTest, TheSetUpTheMarksAndWhoseMarkingIsOpenComeBack)
{
    const std::vector<MeterSession::JuryRow> before = recordShow(true);
    ASSERT_EQ(before.size(), 2u);
    ASSERT_TRUE(before[0].jury && before[1].jury);

    const std::unique_ptr<MeterSession> session = resume();
    const jury::JuryDesk& desk = session->jury();
    ASSERT_TRUE(desk.on());
    EXPECT_EQ(desk.judges(), m_judges) << "the reissued token too";
    EXPECT_EQ(juryrecord::jsonOf(*desk.rules()), juryrecord::jsonOf(criteriaRules()));
    EXPECT_TRUE(session->juryRows() == before) << "applause, J, result and pending alike";
    ASSERT_EQ(session->openMarkings().size(), 1u);
    EXPECT_EQ(session->openMarkings()[0].name, QStringLiteral("Ben"));

    const auto again = [&](int judge, const char* name, const char* id) {
        return session->takeMark({m_judges[judge].token, QString::fromUtf8(name),
                                  {{QStringLiteral("Voice"), 0}, {QStringLiteral("Stage"), 0}},
                                  QString::fromUtf8(id)});
    };
    EXPECT_EQ(again(0, "Ben", "i2"), jury::MarkOutcome::Repeated) << "an older id is still known";
    EXPECT_EQ(again(1, "Ana", "o2"), jury::MarkOutcome::MarkingClosed);
    EXPECT_EQ(again(1, "Ben", "o3"), jury::MarkOutcome::Accepted);
}

// A file from before the jury (its tables gone, the version 4), and a set-up that cannot be read.
TEST_F(ResumeJuryTest, AFileWithoutAReadableJuryOpensAsAShowWithoutOne)
{
    const std::tuple<bool, QStringList, QStringList> cases[] = {
        {false, {"DROP TABLE jury_setup", "DROP TABLE jury_marking", "DROP TABLE jury_mark", "DROP TABLE turn_microphone", "PRAGMA user_version = 4"}, {}},
        {true, {R"(UPDATE jury_setup SET setup = '{"judges": []}')", "UPDATE jury_mark SET marks = 'x' WHERE mark_id = 'o1'"},
         {StoreMessages::unreadableJury()}},
    };
    for (const auto& [withJury, damage, notices] : cases) {
        SCOPED_TRACE(withJury);
        m_file = QStringLiteral("events%1.sqlite").arg(withJury);
        recordShow(withJury);
        runSql(damage);
        const std::unique_ptr<MeterSession> session = resume();
        EXPECT_FALSE(session->jury().on());
        EXPECT_EQ(m_notices, notices);
        ASSERT_EQ(session->juryRows().size(), 2u) << "the applause stands";
        EXPECT_EQ(session->juryRows()[0].name, QStringLiteral("Ben"));
        EXPECT_EQ(session->juryRows()[0].result, ranking::resultOf(session->juryRows()[0].applause));
        runSql({QStringLiteral("SELECT count(*) FROM jury_mark")});  // there, or made by the migration
    }
}

}  // namespace
