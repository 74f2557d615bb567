// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BRTestMemoryManager.h"
#include "BRTrackedElement.h"

#include "brio/BRArray.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <limits>
#include <optional>
#include <typeinfo>
#include <vector>

namespace brio::test {
namespace {

constexpr std::uint32_t kStatusBefore = 4711;  // a status left by an earlier call
constexpr std::size_t kLargestCount = std::numeric_limits<std::size_t>::max();

template <typename Exception, typename Operation>
std::optional<Exception> thrownBy(Operation operation)
{
    try {
        operation();
    } catch (const Exception& caught) {
        return caught;
    }
    return std::nullopt;
}

void expectRaisedBy(const BRException& e, const char* typeName, int line, std::uint32_t status)
{
    EXPECT_EQ(e.typeName(), typeName);
    EXPECT_EQ(e.sourceFile(), "brio/BRArray");
    EXPECT_EQ(e.line(), line);
    EXPECT_EQ(e.errorCode(), status);
    EXPECT_EQ(e.message(), "");
    EXPECT_STREQ(e.what(), typeName);
}

class BRArrayFailureTest : public testing::Test {
protected:
    void SetUp() override
    {
        Tracked::resetCounts();
        br_status_setLastError(kStatusBefore);
    }
    void TearDown() override { EXPECT_EQ(Tracked::counts().misplaced, 0); }

    CountingMemoryManager memory;
    DefaultMemoryManagerScope memoryScope{memory};
};

// --- positions out of range ---

TEST_F(BRArrayFailureTest, NegativeIndexThrowsFromLine151AndChangesNothing)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2});
    br_status_setLastError(kStatusBefore);

    const auto e = thrownBy<BRIndexOutOfBoundsException>([&] { array[-1]; });
    ASSERT_TRUE(e);
    expectRaisedBy(*e, "BRIndexOutOfBoundsException", 151, kStatusBefore);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2}));
}

TEST_F(BRArrayFailureTest, RemoveAtOrPastTheEndThrowsFromLine236AndChangesNothing)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3});
    br_status_setLastError(kStatusBefore);

    const auto atEnd = thrownBy<BRIndexOutOfBoundsException>([&] { array.remove(4, 1); });
    ASSERT_TRUE(atEnd);
    expectRaisedBy(*atEnd, "BRIndexOutOfBoundsException", 236, kStatusBefore);
    EXPECT_THROW(array.remove(-1, 1), BRIndexOutOfBoundsException);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(BRArrayFailureTest, RemoveFromAnEmptyArrayThrows)
{
    BRArray<Tracked> array;
    EXPECT_THROW(array.remove(0, 0), BRIndexOutOfBoundsException);
}

TEST_F(BRArrayFailureTest, InsertPastTheCountThrowsFromLine289AndChangesNothing)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2});
    const Tracked value(9);
    br_status_setLastError(kStatusBefore);
    Tracked::resetCounts();

    const auto pastEnd = thrownBy<BRIndexOutOfBoundsException>([&] { array.insert(value, 3); });
    ASSERT_TRUE(pastEnd);
    expectRaisedBy(*pastEnd, "BRIndexOutOfBoundsException", 289, kStatusBefore);
    EXPECT_THROW(array.insert(value, -1), BRIndexOutOfBoundsException);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2}));
    EXPECT_EQ(Tracked::counts().copyConstructed, 0);
}

TEST_F(BRArrayFailureTest, ExceptionsAreCaughtAsTheirBaseAndKeepTheirTypeWhenCopied)
{
    BRArray<int> array;
    try {
        array[-1];
        FAIL() << "nothing thrown";
    } catch (const BRException& e) {
        EXPECT_EQ(typeid(e), typeid(BRIndexOutOfBoundsException));
        expectRaisedBy(e, "BRIndexOutOfBoundsException", 151, kStatusBefore);
        const BRIndexOutOfBoundsException copy(dynamic_cast<const BRIndexOutOfBoundsException&>(e));
        expectRaisedBy(copy, "BRIndexOutOfBoundsException", 151, kStatusBefore);
    }

    memory.refusing = true;
    try {
        array.ensureCapacity(100);
        FAIL() << "nothing thrown";
    } catch (const BRException& e) {
        EXPECT_EQ(typeid(e), typeid(BRMemoryException));
        const std::exception& standard = e;
        EXPECT_STREQ(standard.what(), "BRMemoryException");
    }
}

// --- exhausted memory ---

TEST_F(BRArrayFailureTest, FailedGrowthThrowsFromLine124AndLeavesEverythingAsItWas)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7});
    const Tracked* first = &array.at(0);
    memory.refusing = true;
    Tracked::resetCounts();

    const auto e = thrownBy<BRMemoryException>([&] { array[8]; });
    ASSERT_TRUE(e);
    expectRaisedBy(*e, "BRMemoryException", 124, kRefusalStatus);
    EXPECT_EQ(memory.requests.back(), 256u);
    EXPECT_EQ(array.size(), 8u);
    EXPECT_EQ(&array.at(0), first) << "the same block";
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Tracked::counts().constructed + Tracked::counts().copyConstructed, 0);
    EXPECT_EQ(Tracked::counts().destroyed, 0);

    memory.refusing = false;
    array[8];
    EXPECT_EQ(array.size(), 9u) << "the array works on once memory is back";
}

TEST_F(BRArrayFailureTest, FailedGrowthOnInsertLeavesEverythingAsItWas)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3, 4, 5, 6, 7});
    memory.refusing = true;

    const auto e = thrownBy<BRMemoryException>([&] { array.insert(Tracked(9), 0); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->line(), 124);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(BRArrayFailureTest, FailedFirstReservationFailsTheConstruction)
{
    memory.refusing = true;
    const auto e = thrownBy<BRMemoryException>([] { BRArray<Tracked> array; });
    ASSERT_TRUE(e);
    expectRaisedBy(*e, "BRMemoryException", 124, kRefusalStatus);
    EXPECT_EQ(memory.liveBlocks, 0);
}

TEST(BRArrayBuiltInMemoryTest, UnobtainableBlockReportsOutOfMemory)
{
    br_status_setLastError(kStatusBefore);
    BRArray<char> array;
    const auto e = thrownBy<BRMemoryException>([&] { array.ensureCapacity(kLargestCount / 2); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->errorCode(), static_cast<std::uint32_t>(ENOMEM));
}

// --- sizes at the limits ---

TEST_F(BRArrayFailureTest, ByteCountBeyond64BitsThrowsWithoutAskingForMemory)
{
    BRArray<Tracked> array;
    appendValues(array, {1, 2});
    const std::size_t requests = memory.requests.size();

    const auto e = thrownBy<BRMemoryException>([&] { array.ensureCapacity(kLargestCount); });
    ASSERT_TRUE(e);
    expectRaisedBy(*e, "BRMemoryException", 124, static_cast<std::uint32_t>(ENOMEM));
    EXPECT_EQ(memory.requests.size(), requests);
    EXPECT_EQ(valuesOf(array), (std::vector<int>{1, 2}));
}

TEST_F(BRArrayFailureTest, DoublingBeyond64BitsThrowsWithoutAskingForMemory)
{
    BRArray<Tracked> array;
    const std::size_t requests = memory.requests.size();

    // Just under 2^64 bytes: no power of two from 128 up reaches it.
    EXPECT_THROW(array.ensureCapacity(kLargestCount / sizeof(Tracked)), BRMemoryException);
    EXPECT_EQ(memory.requests.size(), requests);
}

TEST_F(BRArrayFailureTest, LargestDoubledBlockIsRequestedInFull)
{
    BRArray<Tracked> array;
    const std::size_t topBlock = std::size_t{1} << 63;

    EXPECT_THROW(array.ensureCapacity(topBlock / sizeof(Tracked)), BRMemoryException);
    EXPECT_EQ(memory.requests.back(), topBlock);
}

TEST_F(BRArrayFailureTest, AccessAtTheLargestIndexAsksForTheWholeRun)
{
    BRArray<Tracked> array;
    appendValues(array, {1});

    EXPECT_THROW(array[INT_MAX], BRMemoryException);
    const std::uint64_t needed = (std::uint64_t{INT_MAX} + 1) * sizeof(Tracked);
    EXPECT_GE(memory.requests.back(), needed);
    EXPECT_EQ(array.size(), 1u);
}

TEST_F(BRArrayFailureTest, RemoveWithACountThatWouldWrapAroundCutsAtTheEnd)
{
    BRArray<Tracked> array;
    appendValues(array, {0, 1, 2, 3});
    array.remove(1, kLargestCount);
    EXPECT_EQ(valuesOf(array), std::vector<int>{0});
    array.remove(0, kLargestCount);
    EXPECT_EQ(array.size(), 0u);
    EXPECT_EQ(Tracked::counts().alive(), 0);
}

// --- elements whose copy fails ---

struct CopyBudgetExceeded {};

// Copies until its shared budget runs out, then throws.
class FragileCopy {
public:
    static inline int copiesLeft = 1000;
    FragileCopy() = default;
    FragileCopy(const FragileCopy& other) : m_tracked(other.m_tracked)
    {
        if (copiesLeft-- <= 0)
            throw CopyBudgetExceeded();
    }
    FragileCopy& operator=(const FragileCopy&) = default;

private:
    Tracked m_tracked;
};

TEST_F(BRArrayFailureTest, CopyFailingDuringGrowthLeavesTheArrayAsItWas)
{
    BRArray<FragileCopy> array;
    array[7];
    const std::size_t liveBefore = static_cast<std::size_t>(memory.liveBlocks);
    FragileCopy::copiesLeft = 3;

    EXPECT_THROW(array[8], CopyBudgetExceeded);
    EXPECT_EQ(array.size(), 8u);
    EXPECT_EQ(static_cast<std::size_t>(memory.liveBlocks), liveBefore) << "new block given back";
    EXPECT_EQ(Tracked::counts().alive(), 8) << "partial copies undone";
    FragileCopy::copiesLeft = 1000;
}

}  // namespace
}  // namespace brio::test
