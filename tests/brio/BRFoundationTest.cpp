// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BRTestMemoryManager.h"

#include "brio/BRException.h"
#include "brio/BRMemoryManager.h"
#include "brio/BRStatus.h"
#include "brio/BRStringArray.h"
#include "brio/BRValue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <future>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <vector>

namespace brio::test {
namespace {

// --- BRStringArray ---

std::vector<BRString> itemsOf(const BRStringArray& list)
{
    std::vector<BRString> items;
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
        items.push_back(list[i]);
    return items;
}

BRStringArray listOf(std::initializer_list<const char*> names)
{
    BRStringArray list;
    for (const char* name : names)
        list.add(BRString(name));
    return list;
}

TEST(BRStringArrayTest, KeepsAddedStringsInOrder)
{
    BRStringArray list(0);
    EXPECT_EQ(list.size(), 0u);
    list.add(BRString("Ann"));
    list.add(BRString("Bob"));
    EXPECT_EQ(itemsOf(list), (std::vector<BRString>{"Ann", "Bob"}));
    list[1] = BRString("Cy");
    EXPECT_EQ(list[1], BRString("Cy"));
}

TEST(BRStringArrayTest, InitialSizeOnlyMakesRoom)
{
    const BRStringArray list(16);
    EXPECT_EQ(list.size(), 0u);
    const BRStringArray absurd(std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(absurd.size(), 0u);
}

TEST(BRStringArrayTest, RemoveTakesOutARunCutAtTheEnd)
{
    BRStringArray list = listOf({"a", "b", "c", "d"});
    list.remove(0, 1);
    EXPECT_EQ(itemsOf(list), (std::vector<BRString>{"b", "c", "d"}));
    list.remove(1, 10);
    EXPECT_EQ(itemsOf(list), (std::vector<BRString>{"b"}));
    list.add(BRString("e"));
    list.remove(0, std::numeric_limits<std::size_t>::max());
    EXPECT_EQ(list.size(), 0u);
}

TEST(BRStringArrayTest, RemoveAtAPositionWithoutAStringDoesNothing)
{
    BRStringArray list = listOf({"a", "b"});
    list.remove(2, 1);
    list.remove(-1, 1);
    list.remove(0, 0);
    EXPECT_EQ(itemsOf(list), (std::vector<BRString>{"a", "b"}));
}

TEST(BRStringArrayTest, ClearEmptiesTheListForReuse)
{
    BRStringArray list = listOf({"a", "b"});
    list.clear();
    EXPECT_EQ(list.size(), 0u);
    list.add(BRString("c"));
    EXPECT_EQ(itemsOf(list), (std::vector<BRString>{"c"}));
}

TEST(BRStringArrayTest, AccessOutsideTheListThrowsInsteadOfReadingStrayMemory)
{
    BRStringArray list = listOf({"a"});
    EXPECT_THROW(list[1], std::out_of_range);
    EXPECT_THROW(list[-1], std::out_of_range);
    const BRStringArray& readOnly = list;
    EXPECT_THROW(readOnly[1], std::out_of_range);
}

// --- BRValue ---

TEST(BRValueTest, IntegersKeepTheirValueAndWriteInDecimal)
{
    const BRValue signedValue(-42);
    EXPECT_TRUE(signedValue.isInteger());
    EXPECT_EQ(signedValue.toInteger(), -42);
    EXPECT_EQ(signedValue.toString(), BRString("-42"));

    const BRValue unsignedValue(4294967295u);
    EXPECT_TRUE(unsignedValue.isInteger());
    EXPECT_EQ(unsignedValue.toInteger(), 4294967295);
    EXPECT_EQ(unsignedValue.toString(), BRString("4294967295"));

    EXPECT_EQ(BRValue(INT_MIN).toInteger(), INT_MIN);
}

TEST(BRValueTest, TextsStayTexts)
{
    const BRValue narrow("Ovatron");
    EXPECT_FALSE(narrow.isInteger());
    EXPECT_EQ(narrow.toString(), BRString("Ovatron"));
    EXPECT_EQ(narrow.toInteger(), 0);

    const BRValue wide(BRString(u"Zo\u00eb"));
    EXPECT_EQ(wide.toString(), BRString(u"Zo\u00eb"));
    EXPECT_TRUE(BRValue(static_cast<const char*>(nullptr)).toString().empty());
}

TEST(BRValueTest, TextThatIsWhollyADecimalNumberReadsAsThatNumber)
{
    EXPECT_EQ(BRValue("108").toInteger(), 108);
    EXPECT_EQ(BRValue("-7").toInteger(), -7);
    EXPECT_FALSE(BRValue("108").isInteger());
    EXPECT_EQ(BRValue("10a").toInteger(), 0);
    EXPECT_EQ(BRValue(" 1").toInteger(), 0);
    EXPECT_EQ(BRValue("").toInteger(), 0);
    EXPECT_EQ(BRValue("99999999999999999999").toInteger(), 0);
}

// --- BRException ---

class SampleException : public BRException {
public:
    explicit SampleException(const char* message)
        : BRException("SampleException", "brio/Sample", 12, 34, message)
    {
    }
};

TEST(BRExceptionTest, CarriesEveryFieldAndCopiesThem)
{
    const SampleException thrown("went wrong");
    const BRException copy(thrown);
    EXPECT_EQ(copy.typeName(), "SampleException");
    EXPECT_EQ(copy.sourceFile(), "brio/Sample");
    EXPECT_EQ(copy.line(), 12);
    EXPECT_EQ(copy.errorCode(), 34u);
    EXPECT_EQ(copy.message(), "went wrong");
    EXPECT_STREQ(copy.what(), "went wrong");
}

TEST(BRExceptionTest, WhatNamesTheTypeWhenThereIsNoMessage)
{
    EXPECT_STREQ(SampleException("").what(), "SampleException");
    const SampleException noMessage(nullptr);
    EXPECT_EQ(noMessage.message(), "");
    EXPECT_STREQ(noMessage.what(), "SampleException");
}

TEST(BRExceptionTest, IsCaughtAsAStandardException)
{
    try {
        throw SampleException("as std");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "as std");
    }
}

// --- status ---

TEST(BRStatusTest, LastErrorBelongsToEachThread)
{
    br_status_setLastError(ENOMEM);
    const std::uint32_t seenElsewhere = std::async(std::launch::async, [] {
                                            const std::uint32_t before = br_status_getLastError();
                                            br_status_setLastError(EPERM);
                                            return before;
                                        }).get();
    EXPECT_EQ(seenElsewhere, 0u);
    EXPECT_EQ(br_status_getLastError(), static_cast<std::uint32_t>(ENOMEM));
}

// --- BRMemoryManager ---

TEST(BRMemoryManagerTest, BlocksAreAlignedForAnyTypeAndWritable)
{
    BRMemoryManager* manager = BRMemoryManager::getDefaultMemoryManager();
    for (std::size_t bytes : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{128},
                              std::size_t{1000}}) {
        void* block = manager->allocate(bytes);
        ASSERT_NE(block, nullptr) << bytes;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
        std::fill_n(static_cast<unsigned char*>(block), bytes, 0xAB);
        manager->release(block);
    }
    manager->release(nullptr);
}

TEST(BRMemoryManagerTest, AbsurdSizesGiveNullAndOutOfMemory)
{
    BRMemoryManager* manager = BRMemoryManager::getDefaultMemoryManager();
    for (std::size_t bytes : {std::numeric_limits<std::size_t>::max(),
                              static_cast<std::size_t>(PTRDIFF_MAX) + 1}) {
        br_status_setLastError(0);
        EXPECT_EQ(manager->allocate(bytes), nullptr);
        EXPECT_EQ(br_status_getLastError(), static_cast<std::uint32_t>(ENOMEM));
    }
}

TEST(BRMemoryManagerTest, InstalledManagerServesUntilTheBuiltInOneIsPutBack)
{
    BRMemoryManager* const builtIn = BRMemoryManager::getDefaultMemoryManager();
    CountingMemoryManager counting;
    {
        DefaultMemoryManagerScope scope(counting);
        EXPECT_EQ(BRMemoryManager::getDefaultMemoryManager(), &counting);
        BRMemoryManager::setDefaultMemoryManager(nullptr);
        EXPECT_EQ(BRMemoryManager::getDefaultMemoryManager(), builtIn);
    }
    EXPECT_EQ(BRMemoryManager::getDefaultMemoryManager(), builtIn);
}

}  // namespace
}  // namespace brio::test
