// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The preload list as text and back: one name a line, separated by carriage return and
// line feed.
#include "core/PreloadText.h"
#include "support/NameLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ovatron::test::listOf;
using ovatron::test::namesOf;

std::vector<std::string> parse(const std::string& text)
{
    brio::BRStringArray list = listOf({"stale"});
    rebuildListFromText(list, brio::BRString::fromUtf8(text));
    return namesOf(list);
}

TEST(PreloadText, NamesAreJoinedByLineBreaksWithNoneAfterTheLast)
{
    EXPECT_EQ(preloadTextFromList(listOf({"Ana", "Ben"})), brio::BRString("Ana\r\nBen"));
    EXPECT_EQ(preloadTextFromList(listOf({"Ana"})), brio::BRString("Ana"));
    EXPECT_TRUE(preloadTextFromList(listOf({})).empty());
}

TEST(PreloadText, BlankLinesAndTheEmptyEndAreDropped)
{
    EXPECT_EQ(parse("Ana\r\n   \r\n\r\nBen\r\n"), (std::vector<std::string>{"Ana", "Ben"}));
    EXPECT_EQ(parse("\t \r\n\r\n"), std::vector<std::string>{});
    EXPECT_EQ(parse(""), std::vector<std::string>{});
}

TEST(PreloadText, NamesKeepEveryCharacterButTheSurroundingBlanks)
{
    EXPECT_EQ(parse("  Zoë & Åsa \t\r\nJosé\r\nA  B"),
              (std::vector<std::string>{"Zoë & Åsa", "José", "A  B"}));
}

TEST(PreloadText, OnlyTheCarriageReturnLineFeedPairSeparatesLines)
{
    EXPECT_EQ(parse("Ana\nBen"), (std::vector<std::string>{"Ana\nBen"}));
}

TEST(PreloadText, TextAndListRoundTrip)
{
    const std::vector<std::string> names{"Ana", "Ben Cal", "Dee-Eve"};
    brio::BRStringArray list;
    rebuildListFromText(list, preloadTextFromList(listOf(names)));
    EXPECT_EQ(namesOf(list), names);
}

}  // namespace
