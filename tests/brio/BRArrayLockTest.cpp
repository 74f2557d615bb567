// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BRLockProbe.h"

#include "brio/BRArray.h"

#include <gtest/gtest.h>

#include <memory>

namespace brio::test {
namespace {

// An element that notes, each time it is built, copied, assigned or destroyed, whether the
// watched object's lock was held against other threads at that moment.
class LockWitness {
public:
    static inline const BRObject* watched = nullptr;
    static inline int sawHeld = 0;
    static inline int sawFree = 0;

    LockWitness() { observe(); }
    LockWitness(const LockWitness&) { observe(); }
    LockWitness& operator=(const LockWitness&)
    {
        observe();
        return *this;
    }
    ~LockWitness() { observe(); }

private:
    // Sixteen bytes, so that the first block holds eight and the ninth makes it grow.
    [[maybe_unused]] char m_room[16] = {};

    static void observe()
    {
        if (!watched)
            return;
        if (lockableFromAnotherThread(*watched, kBriefWaitMs))
            ++sawFree;
        else
            ++sawHeld;
    }
};

static_assert(sizeof(LockWitness) == 16);

// Watches one object for a scope; nothing is watched afterwards, also when a test fails.
class WatchScope {
public:
    explicit WatchScope(const BRObject& object)
    {
        LockWitness::watched = &object;
        LockWitness::sawHeld = 0;
        LockWitness::sawFree = 0;
    }
    WatchScope(const WatchScope&) = delete;
    WatchScope& operator=(const WatchScope&) = delete;
    ~WatchScope() { LockWitness::watched = nullptr; }
};

TEST(BRArrayLockTest, EveryOperationOnTheElementsHoldsTheLock)
{
    const LockWitness outside;
    auto array = std::make_unique<BRArray<LockWitness>>();
    array->operator[](6);
    {
        WatchScope watch(*array);
        array->operator[](7);            // appends
        array->operator[](8);            // grows: copies and destroys eight
        array->insert(outside, 0);       // copies and shifts
        array->insert(outside, 10);      // appends a copy
        array->remove(1, 2);             // shifts and destroys
        array->clear();
        array->operator[](0);
        array.reset();                   // destroys the last element
        EXPECT_GT(LockWitness::sawHeld, 0);
        EXPECT_EQ(LockWitness::sawFree, 0);
    }
}

TEST(BRArrayLockTest, LockIsFreeAfterEachOperation)
{
    BRArray<int> array;
    array[3] = 4;
    array.insert(5, 0);
    array.remove(0, 1);
    array.ensureCapacity(64);
    array.at(1);
    array.clear();
    EXPECT_TRUE(lockableFromAnotherThread(array, kGenerousWaitMs));
}

TEST(BRArrayLockTest, LockIsGivenBackWhenAnOperationThrows)
{
    BRArray<int> array;
    array[3] = 4;
    EXPECT_THROW(array.remove(4, 1), BRIndexOutOfBoundsException);
    EXPECT_TRUE(lockableFromAnotherThread(array, kGenerousWaitMs));
    EXPECT_THROW(array.insert(1, 9), BRIndexOutOfBoundsException);
    EXPECT_TRUE(lockableFromAnotherThread(array, kGenerousWaitMs));
    EXPECT_THROW(array.at(4), BRIndexOutOfBoundsException);
    EXPECT_TRUE(lockableFromAnotherThread(array, kGenerousWaitMs));
    EXPECT_THROW(array.ensureCapacity(~std::size_t{0}), BRMemoryException);
    EXPECT_TRUE(lockableFromAnotherThread(array, kGenerousWaitMs));
}

TEST(BRArrayLockTest, CallerHoldingTheLockKeepsOtherThreadsOutAcrossOperations)
{
    BRArray<int> array;
    ASSERT_EQ(array.lockForWriting(BR_WAIT_FOREVER), 0u);
    array.insert(1, 0);
    array[1] = 2;
    EXPECT_FALSE(lockableFromAnotherThread(array, kBriefWaitMs));
    EXPECT_EQ(array.unlock(), 0u);
    EXPECT_TRUE(lockableFromAnotherThread(array, kGenerousWaitMs));
    EXPECT_EQ(array.size(), 2u);
}

}  // namespace
}  // namespace brio::test
