// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NameText.h"

#include "brio/BRStringQt.h"

#include <QChar>
#include <QString>
#include <QTextBoundaryFinder>

namespace {

bool isNameCharacter(char32_t character)
{
    switch (QChar::category(character)) {
    case QChar::Other_Control:
    case QChar::Other_Surrogate:  // only an unpaired one is seen as a character of its own
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

}  // namespace

brio::BRString nameCharacters(const brio::BRString& text)
{
    const QString all = brio::toQString(text);
    QString kept;
    kept.reserve(all.size());
    for (qsizetype i = 0; i < all.size();) {
        const bool pair = i + 1 < all.size() && all.at(i).isHighSurrogate() &&
                          all.at(i + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const char32_t character =
            pair ? QChar::surrogateToUcs4(all.at(i), all.at(i + 1)) : all.at(i).unicode();
        if (isNameCharacter(character))
            kept.append(all.constData() + i, units);
        i += units;
    }
    return brio::fromQString(kept);
}

int lastCharacterStart(const brio::BRString& text)
{
    if (text.empty())
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, brio::toQString(text));
    finder.toEnd();
    const qsizetype start = finder.toPreviousBoundary();
    return start < 0 ? 0 : static_cast<int>(start);
}

brio::BRString withoutSurroundingBlanks(const brio::BRString& text)
{
    // White space is all in the Basic Multilingual Plane, so the units can be tested alone.
    const std::u16string& units = text.utf16();
    std::size_t begin = 0;
    std::size_t end = units.size();
    while (begin < end && QChar(units[begin]).isSpace())
        ++begin;
    while (end > begin && QChar(units[end - 1]).isSpace())
        --end;
    return brio::BRString(units.data() + begin, end - begin);
}

brio::BRString contestantName(const brio::BRString& text)
{
    const QString trimmed = brio::toQString(withoutSurroundingBlanks(text));
    return brio::fromQString(trimmed.normalized(QString::NormalizationForm_C));
}
