// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRString.h"
#include "brio/BRStringQt.h"

#include <gtest/gtest.h>

#include <QString>

#include <map>
#include <string>

namespace brio::test {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

std::u16string unitsOf(const BRString& text)
{
    return text.utf16();
}

// --- construction and appending ---

TEST(BRStringTest, NarrowAndWideConstructionGiveTheSameText)
{
    EXPECT_EQ(BRString("Name: "), BRString(u"Name: "));
    EXPECT_EQ(BRString(u"abc", 2), BRString("ab"));
    EXPECT_EQ(BRString(std::u16string(u"xy")).length(), 2);
    EXPECT_TRUE(BRString().empty());
}

TEST(BRStringTest, NullPointersGiveTheEmptyString)
{
    EXPECT_TRUE(BRString(static_cast<const char*>(nullptr)).empty());
    EXPECT_TRUE(BRString(static_cast<const char16_t*>(nullptr)).empty());
    EXPECT_TRUE(BRString(static_cast<const char16_t*>(nullptr), 5).empty());
    BRString text("a");
    text += static_cast<const char*>(nullptr);
    EXPECT_EQ(text, BRString("a"));
}

TEST(BRStringTest, AppendingACharacterCodeAddsThatOneCharacter)
{
    BRString name;
    name += 'A';
    name += 32;
    name += 126;
    name += char16_t{0xE9};
    EXPECT_EQ(unitsOf(name), u"A ~\u00e9");
    EXPECT_EQ(name.length(), 4);
}

TEST(BRStringTest, AppendingStringsAndNarrowText)
{
    BRString text("one");
    text += BRString(u" two");
    text += " three";
    EXPECT_EQ(text, BRString("one two three"));
    EXPECT_EQ(BRString("a") + BRString("b"), BRString("ab"));
}

TEST(BRStringTest, CharacterAccessOutsideTheStringGivesZero)
{
    const BRString text("ab");
    EXPECT_EQ(text[1], u'b');
    EXPECT_EQ(text[2], u'\0');
    EXPECT_EQ(text[-1], u'\0');
}

TEST(BRStringTest, StringsOrderAsKeys)
{
    std::map<BRString, int> values{{BRString("b"), 2}, {BRString("a"), 1}};
    EXPECT_EQ(values.begin()->second, 1);
    EXPECT_LT(BRString("APP_NAME"), BRString("APP_VERSION"));
}

// --- format ---

TEST(BRStringTest, FormatWritesIntegersWhereverTheyStand)
{
    EXPECT_EQ(BRString::format("%d", 42), BRString("42"));
    EXPECT_EQ(BRString::format(" %d", 7), BRString(" 7"));
    EXPECT_EQ(BRString::format("%d ", -3), BRString("-3 "));
    EXPECT_EQ(BRString::format("%d/%d", 0, 100), BRString("0/100"));
}

TEST(BRStringTest, FormatHandlesLongAndNonAsciiResults)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(BRString::format("%s", longText.c_str()).length(), 5000);
    EXPECT_EQ(unitsOf(BRString::format("%s %d", "Zo\xc3\xab", 1)), u"Zo\u00eb 1");
    EXPECT_TRUE(BRString::format("%s", "").empty());
}

// --- searching and cutting ---

TEST(BRStringTest, FirstFindsTheFirstOccurrenceOrGivesNegative)
{
    const BRString text("Ann\r\nBob\r\n");
    EXPECT_EQ(text.first("\r\n"), 3);
    EXPECT_EQ(text.first("Bob"), 5);
    EXPECT_LT(text.first("Cy"), 0);
    EXPECT_LT(text.first(nullptr), 0);
}

TEST(BRStringTest, LeftTakesAtMostTheWholeString)
{
    const BRString text("Ann\r\nBob");
    EXPECT_EQ(text.left(3), BRString("Ann"));
    EXPECT_EQ(text.left(100), text);
    EXPECT_TRUE(text.left(0).empty());
    EXPECT_TRUE(text.left(-2).empty());
}

TEST(BRStringTest, RemoveFromAPositionDropsTheRest)
{
    BRString name("Bob");
    name.remove(name.length() - 1);
    EXPECT_EQ(name, BRString("Bo"));
    name.remove(0);
    EXPECT_TRUE(name.empty());
    name.remove(name.length() - 1);  // Backspace on nothing
    EXPECT_TRUE(name.empty());
}

TEST(BRStringTest, RemoveOfARunIsCutAtTheEnd)
{
    BRString text("Ann\r\nBob");
    text.remove(0, 5);
    EXPECT_EQ(text, BRString("Bob"));
    text.remove(1, 100);
    EXPECT_EQ(text, BRString("B"));
    text.remove(5, 1);
    text.remove(-1, 1);
    text.remove(0, -1);
    EXPECT_EQ(text, BRString("B"));
}

// --- strip ---

TEST(BRStringTest, StripRemovesTheGivenCharactersAtTheChosenEnds)
{
    const BRString padded(" \t Ann Lee\t ");
    EXPECT_EQ(BRString(padded).strip(" \t", BRString::StripLeading), BRString("Ann Lee\t "));
    EXPECT_EQ(BRString(padded).strip(" \t", BRString::StripTrailing), BRString(" \t Ann Lee"));
    EXPECT_EQ(BRString(padded).strip(" \t", BRString::StripBoth), BRString("Ann Lee"));
}

TEST(BRStringTest, StripOfNothingButBlanksLeavesNothing)
{
    for (auto type : {BRString::StripLeading, BRString::StripTrailing, BRString::StripBoth}) {
        BRString blanks(" \t \t");
        EXPECT_TRUE(blanks.strip(" \t", type).empty()) << type;
    }
}

TEST(BRStringTest, StripWithoutCharactersChangesNothing)
{
    BRString text(" a ");
    EXPECT_EQ(text.strip("", BRString::StripBoth), BRString(" a "));
    EXPECT_EQ(text.strip(nullptr, BRString::StripBoth), BRString(" a "));
}

// --- startsWith ---

TEST(BRStringTest, StartsWithComparesCaseAsAsked)
{
    const BRString address("HTTPS://example.org");
    EXPECT_TRUE(address.startsWith(BRString("HTTPS://")));
    EXPECT_FALSE(address.startsWith(BRString("https://")));
    EXPECT_FALSE(address.startsWith(BRString("https://"), BRString::CaseSensitive));
    EXPECT_TRUE(address.startsWith(BRString("https://"), BRString::CaseInsensitive));
    EXPECT_FALSE(address.startsWith(BRString("http://"), BRString::CaseInsensitive));
}

TEST(BRStringTest, StartsWithALongerOrEmptyPrefix)
{
    const BRString text("ab");
    EXPECT_FALSE(text.startsWith(BRString("abc")));
    EXPECT_FALSE(text.startsWith(BRString("ABC"), BRString::CaseInsensitive));
    EXPECT_TRUE(text.startsWith(BRString()));
}

// --- UTF-8 ---

TEST(BRStringTest, Utf8RoundTripKeepsEveryCharacter)
{
    const std::string utf8 = "Zo\xc3\xab \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80!";
    const BRString text = BRString::fromUtf8(utf8);
    EXPECT_EQ(unitsOf(text), u"Zo\u00eb \u65e5\u672c \U0001F600!");
    EXPECT_EQ(text.length(), 10) << "the emoji takes two UTF-16 units";
    EXPECT_EQ(text.toUtf8(), utf8);
    EXPECT_EQ(BRString(utf8.c_str()), text);
}

TEST(BRStringTest, Utf8EdgesOfEachSequenceLength)
{
    const std::string utf8 = "\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf\xf0\x90\x80\x80\xf4\x8f\xbf\xbf";
    const BRString text = BRString::fromUtf8(utf8);
    EXPECT_EQ(unitsOf(text), u"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010FFFF");
    EXPECT_EQ(text.toUtf8(), utf8);
}

TEST(BRStringTest, IllFormedUtf8BecomesReplacementCharacters)
{
    const std::u16string r(1, kReplacement);
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xff")), r);
    EXPECT_EQ(unitsOf(BRString::fromUtf8("a\x80z")), u"a" + r + u"z");
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xe6\x97")), r) << "cut off at the end";
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xe6\x97z")), r + u"z") << "cut off before a letter";
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xf0\x9f\x98")), r);
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xc0\xaf")), r + r) << "overlong";
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xe0\x80\xaf")), r + r + r) << "overlong";
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xed\xa0\x80")), r + r + r) << "a surrogate";
    EXPECT_EQ(unitsOf(BRString::fromUtf8("\xf4\x90\x80\x80")), r + r + r + r) << "past U+10FFFF";
    EXPECT_EQ(unitsOf(BRString::fromUtf8(std::string("a\0b", 3))), std::u16string(u"a\0b", 3));
}

TEST(BRStringTest, EveryByteSequenceConvertsToValidUtf8)
{
    std::string allBytes;
    for (int byte = 0; byte < 256; ++byte) {
        allBytes += static_cast<char>(byte);
        allBytes += static_cast<char>(255 - byte);
    }
    const BRString decoded = BRString::fromUtf8(allBytes);
    EXPECT_NE(decoded.utf16().find(kReplacement), std::u16string::npos);
    EXPECT_EQ(BRString::fromUtf8(decoded.toUtf8()), decoded) << "written back well-formed";
}

TEST(BRStringTest, UnpairedSurrogatesBecomeReplacementCharactersInUtf8)
{
    const std::u16string lone{char16_t{0xD800}, u'a', char16_t{0xDC00}};
    EXPECT_EQ(BRString(lone).toUtf8(), "\xef\xbf\xbd" "a" "\xef\xbf\xbd");
    const std::u16string highAtEnd{u'a', char16_t{0xD83D}};
    EXPECT_EQ(BRString(highAtEnd).toUtf8(), "a\xef\xbf\xbd");
}

// --- QString ---

TEST(BRStringTest, QStringConversionKeepsEveryUnit)
{
    const BRString text(u"Zo\u00eb \U0001F600");
    const QString converted = toQString(text);
    EXPECT_EQ(converted, QString::fromUtf8("Zo\xc3\xab \xf0\x9f\x98\x80"));
    EXPECT_EQ(fromQString(converted), text);
    EXPECT_TRUE(fromQString(QString()).empty());
}

}  // namespace
}  // namespace brio::test
