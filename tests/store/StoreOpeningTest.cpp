// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening a results file that is damaged, foreign, locked, read-only or missing: the show
// goes on, the reason is given in one line, and no byte of an existing file is lost.
#include "StoreTestSupport.h"

#include "store/EventRecorder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <functional>
#include <memory>

namespace {

using namespace ovatron::test;

// Records a show of a few contestants and stops without ending the event, as a crash would.
void recordInterruptedShow(const QString& path, int contestants = 3)
{
    EventRecorder recorder(path);
    ASSERT_TRUE(recorder.open().saving());
    recorder.beginEvent(showStart());
    Contestants rows;
    for (int i = 0; i < contestants; ++i)
        rows.emplace_back(QStringLiteral("Contestant %1 ").arg(i).repeated(8), i % 101);
    recordContestants(recorder, rows);
}


// A database recorded by the program and then cut off halfway, as by a crash while copying.
QByteArray truncatedDatabase()
{
    const QString path = scratchFolder() + QStringLiteral("/whole.sqlite");
    recordInterruptedShow(path, 300);
    const QByteArray whole = fileBytes(path);
    EXPECT_GT(whole.size(), 16 * 1024);
    return whole.left(whole.size() / 2);
}

QByteArray foreignDatabase()
{
    const QString path = scratchFolder() + QStringLiteral("/recipes.sqlite");
    runSql(path, {QStringLiteral("CREATE TABLE recipe (title TEXT, minutes INTEGER)"),
                     QStringLiteral("INSERT INTO recipe VALUES ('Scones', 25)")});
    return fileBytes(path);
}

QByteArray ourVersionWithAColumnMissing()
{
    const QString path = scratchFolder() + QStringLiteral("/damaged.sqlite");
    runSql(path, {QStringLiteral("CREATE TABLE event (id INTEGER PRIMARY KEY, started_ms INTEGER)"),
                     QStringLiteral("CREATE TABLE entry (event_id INTEGER, name TEXT)"),
                     QStringLiteral("PRAGMA user_version = 1")});
    return fileBytes(path);
}

QByteArray randomBytes()
{
    QRandomGenerator generator(20240611);
    QByteArray bytes(8192, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

struct UnreadableCase {
    const char* name;
    std::function<QByteArray()> contents;
};

void PrintTo(const UnreadableCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnreadableFile : public testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableFile, IsMovedAsideWholeAndANewFileIsStarted)
{
    const QByteArray original = GetParam().contents();
    ASSERT_FALSE(original.isEmpty());
    writeFile(databasePath(), original);

    EventRecorder recorder(databasePath());
    const StoreStatus status = recorder.open();
    EXPECT_EQ(status.condition, StoreCondition::SavingAfterMoveAside);
    ASSERT_EQ(movedAsideFiles(), QStringList{status.movedAsideTo});
    EXPECT_EQ(fileBytes(status.movedAsideTo), original);
    EXPECT_TRUE(status.message.contains(QFileInfo(status.movedAsideTo).fileName()))
        << status.message.toStdString();
    EXPECT_FALSE(status.message.contains(QLatin1Char('\n')));

    // The new file records as any other.
    EXPECT_FALSE(recorder.latestEvent());
    recorder.beginEvent(showStart());
    recordContestants(recorder, {{QStringLiteral("Ana"), 30}});
    ASSERT_TRUE(recorder.flush());
    const std::optional<StoredEvent> event = recorder.latestEvent();
    ASSERT_TRUE(event);
    ASSERT_EQ(event->entries.size(), 1u);
    EXPECT_EQ(event->entries[0].score, 30);
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableFile,
    testing::Values(UnreadableCase{"RandomBytes", randomBytes},
        UnreadableCase{"TextFile",
            [] { return QByteArray("rank,name,score\r\n1,Ana,90\r\n2,Ben,80\r\n"); }},
        UnreadableCase{"TruncatedDatabase", truncatedDatabase},
        UnreadableCase{"AnotherProgramsDatabase", foreignDatabase},
        UnreadableCase{"OursWithAColumnMissing", ourVersionWithAColumnMissing}),
    [](const testing::TestParamInfo<UnreadableCase>& info) { return info.param.name; });

TEST(StoreOpening, UnreadableFilesOfTheSameSecondAreAllKept)
{
    const QByteArray first("first unreadable file");
    const QByteArray second("second unreadable file");
    for (const QByteArray& contents : {first, second}) {
        writeFile(databasePath(), contents);
        EventRecorder recorder(databasePath());
        EXPECT_EQ(recorder.open().condition, StoreCondition::SavingAfterMoveAside);
        // Leaves a good file behind; make it bad again for the next round.
        recorder.flush();
    }
    const QStringList moved = movedAsideFiles();
    ASSERT_EQ(moved.size(), 2);
    QList<QByteArray> kept = {fileBytes(moved[0]), fileBytes(moved[1])};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (QList<QByteArray>{first, second}));
}

TEST(StoreOpening, TheJournalOfAnUnreadableFileGoesWithIt)
{
    const QByteArray damaged = randomBytes();
    const QByteArray journal("a write-ahead log that belongs to the damaged file");
    writeFile(databasePath(), damaged);
    writeFile(databasePath() + QStringLiteral("-wal"), journal);

    EventRecorder recorder(databasePath());
    const StoreStatus status = recorder.open();
    ASSERT_EQ(status.condition, StoreCondition::SavingAfterMoveAside);
    EXPECT_EQ(fileBytes(status.movedAsideTo), damaged);
    EXPECT_EQ(fileBytes(status.movedAsideTo + QStringLiteral("-wal")), journal);
    recorder.beginEvent(showStart());
    ASSERT_TRUE(recorder.flush());
    EXPECT_NE(fileBytes(databasePath() + QStringLiteral("-wal")), journal);
}

TEST(StoreOpening, AMissingFolderIsCreated)
{
    const QString path = scratchFolder() + QStringLiteral("/not/yet/there/events.sqlite");
    EventRecorder recorder(path);
    EXPECT_EQ(recorder.open().condition, StoreCondition::Saving);
    recorder.beginEvent(showStart());
    EXPECT_TRUE(recorder.flush());
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST(StoreOpening, AFolderThatCannotBeMadeMeansNoSavingButNoHarm)
{
    const QString blocker = scratchFolder() + QStringLiteral("/a-file");
    writeFile(blocker, "in the way");
    EventRecorder recorder(blocker + QStringLiteral("/Ovatron/events.sqlite"));
    const StoreStatus status = recorder.open();
    EXPECT_EQ(status.condition, StoreCondition::Unavailable);
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("Results are not being saved: ")))
        << status.message.toStdString();
    recorder.beginEvent(showStart());
    EXPECT_TRUE(recorder.flush()) << "nothing to lose yet";
    recordContestants(recorder, {{QStringLiteral("Ana"), 30}});
    // Ana is in no file: whoever closes the program must hear of it.
    EXPECT_FALSE(recorder.flush());
    EXPECT_FALSE(recorder.latestEvent());
    EXPECT_EQ(fileBytes(blocker), QByteArray("in the way"));
}

// Conditions under which the existing file must be left exactly as it is.
struct LeftAloneCase {
    const char* name;
    // Prepares the condition on the recorded file; what it returns keeps it in force.
    std::function<std::shared_ptr<void>()> arrange;
    StoreCondition expected;
    bool stillReadable;
};

void PrintTo(const LeftAloneCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileLeftAlone : public testing::TestWithParam<LeftAloneCase> {};

TEST_P(FileLeftAlone, ReportsWhyAndChangesNothing)
{
    recordInterruptedShow(databasePath());
    const std::shared_ptr<void> condition = GetParam().arrange();
    if (!condition)
        GTEST_SKIP() << "file permissions cannot be enforced here";
    const QByteArray before = fileBytes(databasePath());

    {
        EventRecorder recorder(databasePath());
        const StoreStatus status = recorder.open();
        EXPECT_EQ(status.condition, GetParam().expected);
        EXPECT_FALSE(status.saving());
        EXPECT_TRUE(status.message.startsWith(QStringLiteral("Results are not being saved: ")))
            << status.message.toStdString();
        EXPECT_FALSE(status.message.contains(QLatin1Char('\n')));

        const std::optional<StoredEvent> event = recorder.latestEvent();
        EXPECT_EQ(event.has_value(), GetParam().stillReadable);
        if (event) {
            EXPECT_EQ(event->entries.size(), 3u);
        }
        // The show goes on without saving.
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Unsaved"), 10}});
        // Nothing waits for the file, and closing is told that the contestant is in no file.
        EXPECT_FALSE(recorder.flush());
    }
    EXPECT_EQ(fileBytes(databasePath()), before);
    EXPECT_TRUE(movedAsideFiles().isEmpty());
}

// Runs release when the last holder lets go.
class OnRelease {
public:
    explicit OnRelease(std::function<void()> release) : m_release(std::move(release)) {}
    ~OnRelease() { m_release(); }
    OnRelease(const OnRelease&) = delete;
    OnRelease& operator=(const OnRelease&) = delete;

private:
    std::function<void()> m_release;
};

std::shared_ptr<void> exclusiveLockByAnotherConnection()
{
    auto db = std::make_shared<QSqlDatabase>(
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder")));
    db->setDatabaseName(databasePath());
    EXPECT_TRUE(db->open());
    QSqlQuery query(*db);
    EXPECT_TRUE(query.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
    EXPECT_TRUE(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    EXPECT_TRUE(query.exec(QStringLiteral("UPDATE event SET preload_position = 9")));
    return std::make_shared<OnRelease>([db] {
        QSqlQuery(*db).exec(QStringLiteral("ROLLBACK"));
        db->close();
        *db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    });
}

std::shared_ptr<void> newerVersion()
{
    runSql(databasePath(), {QStringLiteral("PRAGMA user_version = 99")});
    return std::make_shared<int>(0);
}

// Makes path read-only for the rest of the test; nullptr when that cannot be enforced.
std::shared_ptr<void> readOnly(const QString& path, const QString& probeFolder)
{
    auto enforced = std::make_shared<FilePermissionsEnforced>();
    const auto rights = QFile::permissions(path);
    QFile::setPermissions(path, rights & ~(QFile::WriteOwner | QFile::WriteUser
                                               | QFile::WriteGroup | QFile::WriteOther));
    auto restore = std::make_shared<OnRelease>([path, rights, enforced] {
        QFile::setPermissions(path, rights);
    });
    const bool enforceable = QFileInfo(path).isDir() ? !canCreateFileIn(probeFolder)
                                                     : !QFile(path).open(QIODevice::ReadWrite);
    return enforceable ? std::shared_ptr<void>(restore) : nullptr;
}

INSTANTIATE_TEST_SUITE_P(Conditions, FileLeftAlone,
    testing::Values(
        LeftAloneCase{"LockedByAnotherConnection", exclusiveLockByAnotherConnection,
            StoreCondition::Locked, false},
        LeftAloneCase{"WrittenByANewerVersion", newerVersion, StoreCondition::NewerVersion,
            false},
        LeftAloneCase{"ReadOnlyFile",
            [] { return readOnly(databasePath(), dataFolder()); }, StoreCondition::ReadOnly,
            true},
        LeftAloneCase{"ReadOnlyFolder", [] { return readOnly(dataFolder(), dataFolder()); },
            StoreCondition::ReadOnly, true}),
    [](const testing::TestParamInfo<LeftAloneCase>& info) { return info.param.name; });

// A second copy of the program, which is this test program run with --hold-results-file.
class SecondCopy {
public:
    SecondCopy()
    {
        m_process.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--hold-results-file"), databasePath()});
        m_started = m_process.waitForStarted() && m_process.waitForReadyRead(30'000)
            && m_process.readLine().trimmed() == "ready";
    }
    ~SecondCopy() { crash(); }
    bool started() const { return m_started; }
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
    bool m_started = false;
};

TEST(StoreOpening, ASecondCopyLeavesTheFileToTheFirstAndTakesOverAfterACrash)
{
    SecondCopy first;
    ASSERT_TRUE(first.started());
    {
        EventRecorder second(databasePath());
        const StoreStatus status = second.open();
        EXPECT_EQ(status.condition, StoreCondition::Locked);
        EXPECT_TRUE(status.message.contains(QStringLiteral("another copy")))
            << status.message.toStdString();
        EXPECT_FALSE(second.latestEvent());
    }
    EXPECT_TRUE(movedAsideFiles().isEmpty());

    // The first copy dies without closing anything: its results and the resume offer survive.
    first.crash();
    EventRecorder next(databasePath());
    EXPECT_EQ(next.open().condition, StoreCondition::Saving);
    const std::optional<StoredEvent> event = next.latestEvent();
    ASSERT_TRUE(event);
    ASSERT_EQ(event->entries.size(), 1u);
    EXPECT_EQ(event->entries[0].name, QStringLiteral("Held"));
    EXPECT_EQ(event->entries[0].score, 77);
    EXPECT_TRUE(needsResumeOffer(*event));
}

}  // namespace

// Found by fuzzing: a database whose version is below 0 made the migration index out of its
// steps. Such a file is not ours: no saving, no crash, and the file is still there.
TEST(StoreOpening, AFileWithANegativeVersionIsLeftAlone)
{
    const QString path = databasePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("negative"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = -3"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("negative"));
    EventRecorder recorder(path);
    EXPECT_FALSE(recorder.open().saving());
    recorder.beginEvent(showStart());
    recorder.flush();
    EXPECT_TRUE(QFileInfo::exists(path));
}
