// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRIniText.h"

#include "brio/BRIniSyntax.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace brio {
namespace {

using namespace ini;

constexpr QLatin1StringView kEmptyList("@Invalid()");

bool isKeyCharacter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'-' || c == u'.';
}

QByteArray escapedKey(const QString& key)
{
    QByteArray escaped;
    for (const QChar c : key) {
        const char16_t code = c.unicode();
        if (code == kSectionSeparator)
            escaped += kEscape;
        else if (isKeyCharacter(code))
            escaped += static_cast<char>(code);
        else if (code <= 0xFF)
            escaped += '%' + QByteArray::number(code, 16).toUpper().rightJustified(2, '0');
        else
            escaped += "%U" + QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
    }
    return escaped;
}

// The text as Qt stores it before escaping: marked when it could be taken for a typed value.
QString storedText(const QString& text)
{
    if (text.contains(QChar::Null))
        return kTextMark + text + u')';
    if (text.startsWith(kTypeMark))
        return kTypeMark + text;
    return text;
}

const char* escapeOf(char16_t c)
{
    switch (c) {
    case u'\0': return "\\0";
    case u'\a': return "\\a";
    case u'\b': return "\\b";
    case u'\f': return "\\f";
    case u'\n': return "\\n";
    case u'\r': return "\\r";
    case u'\t': return "\\t";
    case u'\v': return "\\v";
    case u'"': return "\\\"";
    case u'\\': return "\\\\";
    default: return nullptr;
    }
}

QByteArray hexEscape(char16_t c)
{
    return "\\x" + QByteArray::number(c, 16);
}

// Control characters and halves of surrogate pairs escaped, the rest in UTF-8; quoted when it holds ';', ',' or '=' or
// starts or ends with a space. A hex digit right after "\0" or "\xNN" would extend that
// escape, so it is escaped too.
QByteArray escapedText(const QString& text)
{
    QByteArray escaped;
    qsizetype plainStart = 0;  // characters not yet written, copied in UTF-8 at once
    bool quote = false;
    bool hexFollows = false;
    const auto flushPlain = [&](qsizetype end) {
        escaped += QStringView(text).sliced(plainStart, end - plainStart).toUtf8();
        plainStart = end + 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u';' || c == u',' || c == u'=')
            quote = true;
        if (hexFollows && isHexDigit(c)) {
            flushPlain(i);
            escaped += hexEscape(c);
            continue;
        }
        hexFollows = false;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;  // a whole character outside the first plane: plain UTF-8
            continue;
        }
        if (QChar::isSurrogate(c)) {
            // Half a pair has no UTF-8 form; escaped, it reads back as it was.
            flushPlain(i);
            escaped += hexEscape(c);
            hexFollows = true;
            continue;
        }
        if (const char* escape = escapeOf(c)) {
            flushPlain(i);
            escaped += escape;
            hexFollows = c == u'\0';
        } else if (c <= 0x1F) {
            flushPlain(i);
            escaped += hexEscape(c);
            hexFollows = true;
        }
    }
    flushPlain(text.size());
    if (quote || escaped.startsWith(' ') || escaped.endsWith(' '))
        return kQuote + escaped + kQuote;
    return escaped;
}

QByteArray escapedValue(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<BRIniSerializedValue>())
        return value.value<BRIniSerializedValue>().text;
    if (value.typeId() != QMetaType::QStringList)
        return escapedText(storedText(value.toString()));
    const QStringList items = value.toStringList();
    if (items.isEmpty())
        return bytesOf(kEmptyList).toByteArray();
    QByteArray escaped = escapedText(storedText(items.front()));
    for (qsizetype i = 1; i < items.size(); ++i)
        escaped += ", " + escapedText(storedText(items[i]));
    return escaped;
}

QByteArray sectionLine(const QString& section)
{
    if (section.isEmpty())
        return '[' + bytesOf(kGeneralSection).toByteArray() + ']';
    if (section.compare(kGeneralSection, Qt::CaseInsensitive) == 0)
        return '[' + bytesOf(kEscapedGeneralSection).toByteArray() + ']';
    return '[' + escapedKey(section) + ']';
}

}  // namespace

QByteArray iniText(const QSettings::SettingsMap& values)
{
    // Sections in the order of their names, the top level first; keys by name within each.
    QMap<QString, QList<QPair<QString, QVariant>>> sections;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        // A name is written just before '=', where a separator at its end would escape it; a
        // key that ends in one (a key of separators alone) is split at its last one instead.
        const qsizetype separator = value.key().endsWith(kSectionSeparator)
                                        ? value.key().lastIndexOf(kSectionSeparator)
                                        : value.key().indexOf(kSectionSeparator);
        const QString section = separator < 0 ? QString() : value.key().first(separator);
        const QString name = separator < 0 ? value.key() : value.key().sliced(separator + 1);
        sections[section].append({name, value.value()});
    }
    QByteArray text;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!text.isEmpty())
            text += '\n';
        text += sectionLine(section.key()) + '\n';
        for (const auto& [name, value] : section.value())
            text += escapedKey(name) + '=' + escapedValue(value) + '\n';
    }
    return text;
}

}  // namespace brio
