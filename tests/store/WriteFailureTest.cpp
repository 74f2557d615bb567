// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes that fail during the show: reported once, retried, and nothing stored is lost.
#include "StoreTestSupport.h"

#include "store/EventRecorder.h"
#include "store/OperationQueue.h"
#include "support/PrivateTmpfs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <mutex>

namespace {

using namespace ovatron::test;

// Room for the results file and a little more, so that a filler file can take the rest.
constexpr qint64 kSmallDiskBytes = 1024 * 1024;

// Counts the recorder's reports; they arrive on its worker thread.
struct Reports {
    explicit Reports(EventRecorder& recorder)
    {
        QObject::connect(&recorder, &EventRecorder::savingFailed, [this](const QString& text) {
            std::lock_guard lock(mutex);
            ++failures;
            message = text;
        });
        QObject::connect(&recorder, &EventRecorder::savingResumed, [this] {
            std::lock_guard lock(mutex);
            ++resumptions;
        });
    }
    void expectTold(int failuresTold, int resumptionsTold)
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(failures, failuresTold);
        EXPECT_EQ(resumptions, resumptionsTold);
    }
    std::mutex mutex;
    int failures = 0;
    int resumptions = 0;
    QString message;
};

qint64 largestFileSize()
{
    qint64 largest = 0;
    for (const char* suffix : {"", "-wal"})
        largest = std::max(largest, QFileInfo(databasePath() + QLatin1String(suffix)).size());
    return largest;
}

Contestants longNamedContestants(int count, int firstNumber)
{
    Contestants rows;
    for (int i = 0; i < count; ++i)
        rows.emplace_back(QStringLiteral("Contestant %1 ").arg(firstNumber + i).repeated(40), i);
    return rows;
}

TEST(WriteFailure, AFullDiskIsReportedOnceAndWhatWasStoredStays)
{
    EventRecorder recorder(databasePath());
    Reports reports(recorder);
    ASSERT_EQ(recorder.open().condition, StoreCondition::Saving);
    recorder.beginEvent(showStart());
    recordContestants(recorder, {{QStringLiteral("Ana"), 60}, {QStringLiteral("Ben"), 40}});
    ASSERT_TRUE(recorder.flush());

    {
        // No file may grow any more: the next commits cannot be written.
        FileSizeLimit full(largestFileSize());
        recordContestants(recorder, longNamedContestants(20, 2), 2);
        EXPECT_FALSE(recorder.flush());
        recordContestants(recorder, longNamedContestants(20, 22), 22);
        EXPECT_FALSE(recorder.flush());

        const StoreStatus status = recorder.status();
        EXPECT_EQ(status.condition, StoreCondition::WriteFailed);
        std::lock_guard lock(reports.mutex);
        EXPECT_EQ(reports.failures, 1);
        EXPECT_EQ(reports.message, status.message);
        EXPECT_TRUE(status.message.startsWith(QStringLiteral("Results are not being saved: ")))
            << status.message.toStdString();
    }

    // Room again: what waited is written, and saving goes on.
    ASSERT_TRUE(recorder.flush());
    EXPECT_EQ(recorder.status().condition, StoreCondition::Saving);
    recordContestants(recorder, {{QStringLiteral("Cal"), 99}}, 42);
    ASSERT_TRUE(recorder.flush());
    reports.expectTold(1, 1);
    const std::optional<StoredEvent> event = recorder.latestEvent();
    ASSERT_TRUE(event);
    ASSERT_EQ(event->entries.size(), 43u);
    EXPECT_EQ(event->entries[0].name, QStringLiteral("Cal"));
    EXPECT_EQ(event->entries[1].name, QStringLiteral("Ana"));
    EXPECT_EQ(event->entries[2].name, QStringLiteral("Ben"));
}

// A real full disk under the results file: the outage is told once however often the
// recorder tries again, and when there is room every change that waited is written once and
// in the order it happened (a clear between contestants clears only those before it).
TEST(WriteFailure, ARealFullDiskResumesWithEveryChangeOnceAndInOrder)
{
    PrivateTmpfs disk(dataFolder(), kSmallDiskBytes);
    if (!disk.failure().isEmpty())
        GTEST_SKIP() << disk.failure().toStdString();
    EventRecorder recorder(databasePath());  // made after the mount, so its worker sees it
    Reports reports(recorder);
    ASSERT_EQ(recorder.open().condition, StoreCondition::Saving);
    recorder.beginEvent(showStart());
    recordContestants(recorder, {{QStringLiteral("Ana"), 60}, {QStringLiteral("Ben"), 40}});
    ASSERT_TRUE(recorder.flush());

    ASSERT_TRUE(disk.fill());
    recordContestants(recorder, longNamedContestants(10, 2), 2);
    EXPECT_FALSE(recorder.flush());
    recorder.tableCleared(11);
    recordContestants(recorder, {{QStringLiteral("Cal"), 99}}, 12);
    EXPECT_FALSE(recorder.flush());
    EXPECT_FALSE(recorder.flush());
    EXPECT_EQ(recorder.status().condition, StoreCondition::WriteFailed);
    EXPECT_TRUE(recorder.status().message.contains(QStringLiteral("the disk is full")))
        << recorder.status().message.toStdString();

    ASSERT_TRUE(disk.makeRoom());
    ASSERT_TRUE(recorder.flush());
    EXPECT_EQ(recorder.status().condition, StoreCondition::Saving);
    reports.expectTold(1, 1);
    const std::optional<StoredEvent> event = recorder.latestEvent();
    ASSERT_TRUE(event);
    ASSERT_EQ(event->entries.size(), 2u);
    EXPECT_EQ(event->entries[0].name, QStringLiteral("Cal"));
    EXPECT_EQ(event->entries[0].score, 99);
    EXPECT_EQ(event->entries[0].order, 12);
    EXPECT_EQ(event->entries[1].order, 11);
    EXPECT_EQ(event->entries[1].score, 9);
    EXPECT_EQ(event->nextOrder, 13);
}

TEST(WriteFailure, AFullDiskAtStartMeansNoSaving)
{
    StoreStatus status;
    {
        FileSizeLimit full(0);
        EventRecorder recorder(databasePath());
        status = recorder.open();
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 60}});
        EXPECT_FALSE(recorder.flush()) << "Ana is in no file";
    }
    EXPECT_FALSE(status.saving());
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("Results are not being saved: ")))
        << status.message.toStdString();
    // Next time there is room, a new file starts; whatever was left is not taken for damage.
    EventRecorder recorder(databasePath());
    EXPECT_TRUE(recorder.open().saving());
    EXPECT_TRUE(movedAsideFiles().isEmpty());
}

TEST(WriteFailure, AFolderTurnedReadOnlyDuringTheShowLosesNothing)
{
    FilePermissionsEnforced enforced;
    {
        EventRecorder recorder(databasePath());
        ASSERT_TRUE(recorder.open().saving());
        recorder.beginEvent(showStart());
        recordContestants(recorder, {{QStringLiteral("Ana"), 60}});
        ASSERT_TRUE(recorder.flush());

        const auto rights = QFile::permissions(dataFolder());
        QFile::setPermissions(dataFolder(), QFile::ReadOwner | QFile::ExeOwner);
        if (canCreateFileIn(dataFolder())) {
            QFile::setPermissions(dataFolder(), rights);
            GTEST_SKIP() << "file permissions cannot be enforced here";
        }
        // The open file can still be written; results keep being saved.
        recordContestants(recorder, {{QStringLiteral("Ben"), 70}}, 1);
        EXPECT_TRUE(recorder.flush());
        EXPECT_TRUE(recorder.status().saving());
        QFile::setPermissions(dataFolder(), rights);
    }
    EventRecorder recorder(databasePath());
    ASSERT_TRUE(recorder.open().saving());
    const std::optional<StoredEvent> event = recorder.latestEvent();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->entries.size(), 2u);
}

TEST(OperationQueue, ARisingScoreReplacesTheOneWaitingAndNothingElse)
{
    OperationQueue queue;
    queue.push(StoreOp::ContestantStarted{0, QStringLiteral("Ana"), showStart()});
    for (int score = 1; score <= 100; ++score)
        queue.push(StoreOp::ScoreRaised{0, score});
    queue.push(StoreOp::ScoreRaised{1, 5});  // another contestant's score is kept apart
    queue.push(StoreOp::TurnEnded{0, showStart()});
    queue.push(StoreOp::ScoreRaised{0, 7});  // not next to the earlier ones: kept in order

    const std::vector<StoreOperation> taken = queue.takeAll();
    ASSERT_EQ(taken.size(), 5u);
    EXPECT_EQ(std::get<StoreOp::ScoreRaised>(taken[1]).score, 100);
    EXPECT_EQ(std::get<StoreOp::ScoreRaised>(taken[2]).order, 1);
    EXPECT_TRUE(std::holds_alternative<StoreOp::TurnEnded>(taken[3]));
    EXPECT_EQ(std::get<StoreOp::ScoreRaised>(taken[4]).score, 7);
    EXPECT_TRUE(queue.isEmpty());
}

TEST(OperationQueue, AFailedBatchGoesBackBeforeWhatCameSince)
{
    OperationQueue queue;
    queue.push(StoreOp::ContestantStarted{0, QStringLiteral("Ana"), showStart()});
    queue.push(StoreOp::ScoreRaised{0, 10});
    std::vector<StoreOperation> failed = queue.takeAll();
    queue.push(StoreOp::ScoreRaised{0, 20});
    queue.push(StoreOp::EventEnded{});
    queue.putBack(std::move(failed));

    const std::vector<StoreOperation> retried = queue.takeAll();
    ASSERT_EQ(retried.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<StoreOp::ContestantStarted>(retried[0]));
    EXPECT_EQ(std::get<StoreOp::ScoreRaised>(retried[1]).score, 20);
    EXPECT_TRUE(std::holds_alternative<StoreOp::EventEnded>(retried[2]));
}

}  // namespace
