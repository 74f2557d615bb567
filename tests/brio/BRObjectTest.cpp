// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BRLockProbe.h"

#include "brio/BRObject.h"
#include "brio/BRStatus.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <future>
#include <utility>

namespace brio::test {
namespace {

TEST(BRObjectLockTest, NestsOnOneThreadAndKeepsOtherThreadsOutUntilFullyReleased)
{
    const BRObject object;
    ASSERT_EQ(object.lockForWriting(BR_WAIT_FOREVER), 0u);
    ASSERT_EQ(object.lockForWriting(BR_WAIT_FOREVER), 0u) << "the holder takes it again";
    EXPECT_FALSE(lockableFromAnotherThread(object, kBriefWaitMs));

    EXPECT_EQ(object.unlock(), 0u);
    EXPECT_FALSE(lockableFromAnotherThread(object, kBriefWaitMs)) << "still held once";

    EXPECT_EQ(object.unlock(), 0u);
    EXPECT_TRUE(lockableFromAnotherThread(object, kGenerousWaitMs));
}

TEST(BRObjectLockTest, WaitingThreadGetsTheLockWhenItIsGivenBack)
{
    const BRObject object;
    ASSERT_EQ(object.lockForWriting(BR_WAIT_FOREVER), 0u);
    std::promise<void> waiting;
    auto other = std::async(std::launch::async, [&] {
        waiting.set_value();
        const bool locked = object.lockForWriting(kGenerousWaitMs) == 0;
        if (locked)
            object.unlock();
        return locked;
    });
    waiting.get_future().wait();
    EXPECT_EQ(object.unlock(), 0u);
    EXPECT_TRUE(other.get());
}

TEST(BRObjectLockTest, TimeoutRunningOutReportsEtimedoutAsResultAndStatus)
{
    const BRObject object;
    ASSERT_EQ(object.lockForWriting(BR_WAIT_FOREVER), 0u);
    const auto [result, status] = std::async(std::launch::async, [&] {
                                      br_status_setLastError(0);
                                      const std::uint32_t code = object.lockForWriting(kBriefWaitMs);
                                      return std::pair(code, br_status_getLastError());
                                  }).get();
    EXPECT_EQ(result, static_cast<std::uint32_t>(ETIMEDOUT));
    EXPECT_EQ(status, static_cast<std::uint32_t>(ETIMEDOUT));
    object.unlock();
}

TEST(BRObjectLockTest, FreeLockIsTakenAtOnceWhateverTheTimeout)
{
    const BRObject object;
    for (std::uint64_t timeout : {std::uint64_t{0}, std::uint64_t{1}, BR_WAIT_FOREVER - 1}) {
        EXPECT_EQ(object.lockForWriting(timeout), 0u) << timeout;
        EXPECT_EQ(object.unlock(), 0u);
    }
}

TEST(BRObjectLockTest, UnlockWithoutHoldingTheLockIsRefused)
{
    const BRObject object;
    EXPECT_EQ(object.unlock(), static_cast<std::uint32_t>(EPERM));

    ASSERT_EQ(object.lockForWriting(BR_WAIT_FOREVER), 0u);
    const std::uint32_t foreignUnlock =
        std::async(std::launch::async, [&] { return object.unlock(); }).get();
    EXPECT_EQ(foreignUnlock, static_cast<std::uint32_t>(EPERM));
    EXPECT_FALSE(lockableFromAnotherThread(object, kBriefWaitMs)) << "the holder keeps it";
    EXPECT_EQ(object.unlock(), 0u);
    EXPECT_EQ(object.unlock(), static_cast<std::uint32_t>(EPERM)) << "one unlock per lock";
}

TEST(BRObjectLockTest, CopiesHaveTheirOwnUnlockedLock)
{
    const BRObject original;
    ASSERT_EQ(original.lockForWriting(BR_WAIT_FOREVER), 0u);

    const BRObject copy(original);
    EXPECT_TRUE(lockableFromAnotherThread(copy, kGenerousWaitMs));

    BRObject assigned;
    assigned = original;
    EXPECT_TRUE(lockableFromAnotherThread(assigned, kGenerousWaitMs));
    EXPECT_FALSE(lockableFromAnotherThread(original, kBriefWaitMs));
    EXPECT_EQ(original.unlock(), 0u);
}

}  // namespace
}  // namespace brio::test
