// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>

// The marks of Qt's INI format that both the reader and the writer of INI text know.
namespace brio::ini {

inline constexpr char kEscape = '\\';
inline constexpr char kQuote = '"';
inline constexpr char16_t kSectionSeparator = u'/';
// Qt marks every value that is not plain text by a leading '@'; "@@" stands for a text that
// starts with '@', and "@String(...)" for a text holding NUL characters.
inline constexpr char16_t kTypeMark = u'@';
inline constexpr QLatin1StringView kTextMark("@String(");
// The section of the top level's keys, and how a section of that name is written.
inline constexpr QLatin1StringView kGeneralSection("General");
inline constexpr QLatin1StringView kEscapedGeneralSection("%General");

inline constexpr QByteArrayView bytesOf(QLatin1StringView text)
{
    return QByteArrayView(text.data(), text.size());
}

inline constexpr bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

}  // namespace brio::ini
