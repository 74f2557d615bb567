// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BRTestMemoryManager.h"
#include "BRTrackedElement.h"

#include "brio/BRArray.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>
#include <vector>

namespace brio::test {
namespace {

static_assert(sizeof(Tracked) == 16, "the block sizes below assume 16-byte elements");
static_assert(!std::is_copy_constructible_v<BRArray<int>>, "one owner per block");
static_assert(!std::is_copy_assignable_v<BRArray<int>>, "one owner per block");

constexpr std::size_t kFirstBlock = 128;  // room for 8 Tracked elements

class BRArrayTest : public testing::Test {
protected:
    void SetUp() override { Tracked::resetCounts(); }
    void TearDown() override
    {
        EXPECT_EQ(Tracked::counts().misplaced, 0) << "an element was moved bytewise";
    }

    CountingMemoryManager memory;
    DefaultMemoryManagerScope memoryScope{memory};
};

// --- growth ---

TEST_F(BRArrayTest, NewArrayIsEmptyAndTakesEightElementsInItsFirstBlock)
{
    BRArray<Tracked> array;
    EXPECT_EQ(array.size(), 0u);
    EXPECT_EQ(memory.granted, std::vector<std::size_t>{kFirstBlock});

    for (int i = 0; i < 8; ++i)
        array[i];
    EXPECT_EQ(array.size(), 8u);
    EXPECT_EQ(memory.granted, std::vector<std::size_t>{kFirstBlock});
}

TEST_F(BRArrayTest, BlockDoublesWhenItIsFull)
{
    BRArray<Tracked> array;
    array[7];
    array[8];
    EXPECT_EQ(memory.granted, (std::vector<std::size_t>{128, 256}));
    EXPECT_EQ(memory.releasedBlocks, 1);
    array[16];
    EXPECT_EQ(memory.granted, (std::vector<std::size_t>{128, 256, 512}));
    EXPECT_EQ(memory.releasedBlocks, 2);
    EXPECT_EQ(memory.liveBlocks, 1);
}

TEST_F(BRArrayTest, GrowthCopiesEachElementOnceAndKeepsTheValues)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7});
    Tracked::resetCounts();

    array[8];

    EXPECT_EQ(Tracked::counts().copyConstructed, 8);
    EXPECT_EQ(Tracked::counts().destroyed, 8);
    EXPECT_EQ(Tracked::counts().copyAssigned, 0);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0}));
}

struct HundredBytes {
    char bytes[100] = {};
};

TEST_F(BRArrayTest, ReservationDoublesFrom128BytesUntilTheElementsFit)
{
    BRArray<HundredBytes> array;  // eight elements: 800 bytes
    EXPECT_EQ(memory.granted, std::vector<std::size_t>{1024});

    array.ensureCapacity(10);
    EXPECT_EQ(memory.granted.size(), 1u) << "1000 bytes fit in the first block";
    array.ensureCapacity(11);
    EXPECT_EQ(memory.granted, (std::vector<std::size_t>{1024, 2048}));
}

TEST_F(BRArrayTest, EnsureCapacityLeavesTheElementsInPlace)
{
    BRArray<Tracked> array;
    appendValues(array, {4, 5, 6});
    array.ensureCapacity(100);
    EXPECT_EQ(memory.granted.back(), 2048u);
    EXPECT_EQ(array.size(), 3u);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{4, 5, 6}));
}

// --- element access ---

TEST_F(BRArrayTest, AccessAtTheCountAppendsOneDefaultElement)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2, 3});
    Tracked& appended = array[3];
    EXPECT_EQ(appended.value(), 0);
    EXPECT_EQ(&appended, &array.at(3));
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2, 3, 0}));
}

TEST_F(BRArrayTest, AccessPastTheCountAppendsDefaultsUpToThePosition)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2, 3});
    Tracked::resetCounts();
    array[5];
    EXPECT_EQ(Tracked::counts().constructed, 3);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2, 3, 0, 0, 0}));
}

TEST_F(BRArrayTest, AccessInsideTheArrayReturnsTheElementWithoutAppending)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2, 3});
    array[1] = Tracked(20);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 20, 3}));
}

TEST_F(BRArrayTest, AtReadsOnlyExistingElements)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2});
    EXPECT_EQ(array.at(1).value(), 2);
    EXPECT_THROW(array.at(2), BRIndexOutOfBoundsException);
    EXPECT_THROW(array.at(-1), BRIndexOutOfBoundsException);
    EXPECT_EQ(array.size(), 2u);
}

// --- remove ---

TEST_F(BRArrayTest, RemoveShiftsTheLaterElementsDown)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3, 4, 5});
    Tracked::resetCounts();
    array.remove(1, 2);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 3, 4, 5}));
    EXPECT_EQ(Tracked::counts().destroyed, 2);
    EXPECT_EQ(Tracked::counts().copyConstructed, 0);
}

TEST_F(BRArrayTest, RemoveCutsARunThatReachesPastTheEnd)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3});
    array.remove(1, 10);
    EXPECT_EQ(valuesOf(array), std::vector<int>{0});
    EXPECT_EQ(Tracked::counts().alive(), 1);
}

TEST_F(BRArrayTest, RemoveOfNothingChangesNothing)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2});
    Tracked::resetCounts();
    EXPECT_NO_THROW(array.remove(0, 0));
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Tracked::counts().copyAssigned, 0);
    EXPECT_EQ(Tracked::counts().destroyed, 0);
}

TEST_F(BRArrayTest, RemoveOfTheLastElementEmptiesTheArray)
{
    BRArray<Tracked> array;
    appendValues(array, {7});
    array.remove(0, 1);
    EXPECT_EQ(array.size(), 0u);
    EXPECT_EQ(Tracked::counts().alive(), 0);
}

// --- insert ---

TEST_F(BRArrayTest, InsertAtTheFrontMovesEveryElementUp)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2});
    array.insert(Tracked(9), 0);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{9, 1, 2}));
}

TEST_F(BRArrayTest, InsertInTheMiddleMovesOnlyTheLaterElements)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2, 3});
    array.insert(Tracked(9), 2);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2, 9, 3}));
}

TEST_F(BRArrayTest, InsertAtTheCountAppends)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2});
    const Tracked value(9);
    Tracked::resetCounts();
    array.insert(value, 2);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2, 9}));
    EXPECT_EQ(Tracked::counts().copyConstructed, 1);
    EXPECT_EQ(Tracked::counts().copyAssigned, 0);
}

TEST_F(BRArrayTest, InsertOfAnOwnElementKeepsItsValueWhenTheBlockGrows)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7});
    array.insert(array.at(3), 0);
    EXPECT_EQ(memory.granted.size(), 2u);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{3, 0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(BRArrayTest, InsertOfAnOwnElementKeepsItsValueWhileTheOthersShift)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2, 3});
    array.insert(array.at(1), 0);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{2, 1, 2, 3}));
    array.insert(array.at(3), 4);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{2, 1, 2, 3, 3}));
}

TEST_F(BRArrayTest, InsertWorksUnderTheCallersOwnLock)
{
    BRArray<Tracked> array;
    appendValues(array, {1});
    ASSERT_EQ(array.lockForWriting(BR_WAIT_FOREVER), 0u);
    array.insert(Tracked(0), 0);
    EXPECT_EQ(array.unlock(), 0u);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 1}));
}

// --- clear and destruction ---

TEST_F(BRArrayTest, ClearDestroysTheElementsLastFirstAndKeepsTheBlock)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const std::size_t blocks = memory.granted.size();
    Tracked::resetCounts();

    array.clear();
    EXPECT_EQ(array.size(), 0u);
    EXPECT_EQ(Tracked::counts().destroyedValues, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(memory.releasedBlocks, static_cast<int>(blocks) - 1);

    appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(memory.granted.size(), blocks) << "refilling the kept block allocates nothing";
}

TEST_F(BRArrayTest, DestructorDestroysEveryElementAndGivesTheBlockBack)
{
    {
        BRArray<Tracked> array;
        appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7, 8});
        array.remove(2, 1);
        array.insert(Tracked(5), 1);
    }
    EXPECT_EQ(Tracked::counts().alive(), 0);
    EXPECT_EQ(memory.liveBlocks, 0);
}

}  // namespace
}  // namespace brio::test
