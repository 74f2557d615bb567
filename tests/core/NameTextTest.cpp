// The text rules of a name: which characters it takes, what Backspace removes, the blanks it
// loses and the one form it is kept in.
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
        {u"Zoë Łukasz José", u"Zoë Łukasz José"},
        {u"Ελένη Жанна 山田 שרה", u"Ελένη Жанна 山田 שרה"},
        {u"e\u0301", u"e\u0301"},                            // a combining mark
        {u"\U0001D400\U0001F600", u"\U0001D400\U0001F600"},  // outside the BMP, whole
        {u"\U0001F468\u200D\U0001F469", u"\U0001F468\u200D\U0001F469"},  // joined
        {u"A\u00A0B", u"A\u00A0B"},                          // no-break space
        {u"\t\r\n\u0007\u007F\u0085\u009F", u""},            // C0, DEL and C1 controls
        {u"a\u2028b\u2029c", u"abc"},                        // line and paragraph separators
        {u"\xD83D", u""},                                    // half a pair
        {u"A\xDE00" u"B\xD83D", u"AB"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(nameCharacters(brio::BRString(c.input)).toUtf8(), utf8(c.expected))
            << utf8(c.input);
}

TEST(NameText, TheLastCharacterIsWhatTheReaderSeesAsOne)
{
    const struct {
        const char16_t* text;
        int start;
    } cases[] = {
        {u"", 0},
        {u"Ana", 2},
        {u"Ae\u0301\u0323", 1},                                    // two combining marks
        {u"A\U0001D400", 1},                                       // a surrogate pair
        {u"A\U0001F44D\U0001F3FD", 1},                             // skin-tone modifier
        {u"A\U0001F468\u200D\U0001F469\u200D\U0001F467", 1},       // a joined family
        {u"A\U0001F1E9\U0001F1EA", 1},                             // a flag
        {u"A\u1100\u1161", 1},                                     // Hangul jamo
    };
    for (const auto& c : cases)
        EXPECT_EQ(lastCharacterStart(brio::BRString(c.text)), c.start) << utf8(c.text);
}

TEST(NameText, SurroundingBlanksGoAndInnerOnesStay)
{
    const TextCase cases[] = {
        {u"  Ana  ", u"Ana"},
        {u"\t A  B \u00A0", u"A  B"},
        {u"\u3000山田\u3000太郎\u3000", u"山田\u3000太郎"},  // ideographic spaces
        {u" \t\u00A0 ", u""},
        {u"", u""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(withoutSurroundingBlanks(brio::BRString(c.input)).toUtf8(), utf8(c.expected))
            << utf8(c.input);
}

TEST(NameText, AContestantNameIsTrimmedAndComposed)
{
    const TextCase cases[] = {
        {u" Zoe\u0308 Mu\u0308ller ", u"Zo\u00EB M\u00FCller"},
        {u"Zo\u00EB M\u00FCller", u"Zo\u00EB M\u00FCller"},
        {u"\u1100\u1161", u"\uAC00"},  // Hangul jamo into one syllable
        {u"A\u030A\u0301", u"\u01FA"},
        {u"   ", u""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(contestantName(brio::BRString(c.input)).toUtf8(), utf8(c.expected))
            << utf8(c.input);
}

}  // namespace
