// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// The text rules of a name: which characters it takes and the blanks it loses. What
// Backspace removes and the one form a name is kept in are tested at the view's keys.
#include "core/NameText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    const char16_t* input;
    const char16_t* expected;
};

std::string utf8(const char16_t* text)
{
    return brio::BRString(text).toUtf8();
}

TEST(NameText, EveryPrintableCharacterIsTakenAndControlsAndBrokenPairsAreNot)
{
    const TextCase cases[] = {
        {u"Zoë Ελένη 山田 שרה", u"Zoë Ελένη 山田 שרה"},
        {u"e\u0301\U0001F468\u200D\U0001F469", u"e\u0301\U0001F468\u200D\U0001F469"},
        {u"A\u00A0B", u"A\u00A0B"},                    // no-break space
        {u"\t\r\n\u0007\u007F\u0085\u009F", u""},    // C0, DEL and C1 controls
        {u"a\u2028b\u2029c", u"abc"},                  // line and paragraph separators
        {u"A\xDE00" u"B\xD83D", u"AB"},                 // halves of a pair
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(nameCharacters(brio::BRString(c.input)).toUtf8(), utf8(c.expected))
            << utf8(c.input);
}

TEST(NameText, SurroundingBlanksGoAndInnerOnesStay)
{
    const TextCase cases[] = {
        {u"  Ana  ", u"Ana"},
        {u"\t A  B \u00A0", u"A  B"},
        {u"\u3000山田\u3000太郎\u3000", u"山田\u3000太郎"},  // ideographic spaces
        {u" \t\u00A0 ", u""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(withoutSurroundingBlanks(brio::BRString(c.input)).toUtf8(), utf8(c.expected))
            << utf8(c.input);
}

}  // namespace
