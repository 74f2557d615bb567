// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRIniText.h"

#include "brio/BRIniSyntax.h"

#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace brio {
namespace {

using namespace ini;

constexpr char kComment = ';';
constexpr char kListSeparator = ',';
constexpr QByteArrayView kUtf8ByteOrderMark("\xef\xbb\xbf");

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octalValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// A line ends at a line break outside quotes; a backslash keeps the next character (a line
// break too) in the line; a ';' outside quotes starts a comment that runs to the line break.
struct IniLine {
    QByteArrayView text;
    qsizetype equals = -1;  // the first '=' outside quotes
};

class IniLines {
public:
    explicit IniLines(QByteArrayView text) : m_text(text) {}

    std::optional<IniLine> next()
    {
        skipBlankLinesAndComments();
        if (m_pos >= m_text.size())
            return std::nullopt;
        const qsizetype start = m_pos;
        IniLine line;
        bool quoted = false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (!quoted && (isLineBreak(c) || c == kComment))
                break;
            ++m_pos;
            if (c == kQuote)
                quoted = !quoted;
            else if (c == '=' && !quoted && line.equals < 0)
                line.equals = m_pos - 1 - start;
            else if (c == kEscape)
                skipEscaped();
        }
        line.text = m_text.sliced(start, m_pos - start);
        return line;
    }

private:
    void skipBlankLinesAndComments()
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == kComment) {
                while (m_pos < m_text.size() && !isLineBreak(m_text[m_pos]))
                    ++m_pos;
            } else if (isBlank(c) || isLineBreak(c)) {
                ++m_pos;
            } else {
                return;
            }
        }
    }

    // "\r\n" and "\n\r" after a backslash are one escaped line break.
    void skipEscaped()
    {
        if (m_pos >= m_text.size())
            return;
        const char escaped = m_text[m_pos++];
        if (m_pos < m_text.size() && isLineBreak(escaped) && isLineBreak(m_text[m_pos]) &&
            m_text[m_pos] != escaped)
            ++m_pos;
    }

    QByteArrayView m_text;
    qsizetype m_pos = 0;
};

// UTF-8 text as it is: a piece that begins with U+FEFF keeps it (QString::fromUtf8 would
// take it for a byte order mark and drop it).
QString decodedUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

// A key or section name: '\' stands for '/', "%XX" and "%UXXXX" for a character by its code.
QString unescapedKey(QByteArrayView escaped)
{
    const QString text = decodedUtf8(escaped);
    QString key;
    key.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == QLatin1Char(kEscape)) {
            key += kSectionSeparator;
            ++i;
            continue;
        }
        if (c == u'%') {
            const bool wide = i + 1 < text.size() && text[i + 1] == u'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const ushort code = first + digits <= text.size()
                                    ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                                    : 0;
            if (ok) {
                key += QChar(code);
                i = first + digits;
                continue;
            }
        }
        key += c;
        ++i;
    }
    return key;
}

// The section that a "[name]" line opens, as the prefix of its keys; empty for the top level.
QString sectionPrefix(QByteArrayView name)
{
    if (name.compare(bytesOf(kGeneralSection), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(bytesOf(kEscapedGeneralSection), Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + kSectionSeparator;
    return unescapedKey(name) + kSectionSeparator;
}

// A key as QSettings keeps it: no empty part between, before or after its separators. Written
// back with one, the separator before '=' would escape it ("a\=1") and garble the line.
QString keptKey(const QString& key)
{
    const QString kept = key.split(kSectionSeparator, Qt::SkipEmptyParts).join(kSectionSeparator);
    return kept.isEmpty() ? key : kept;
}

// The texts of one value: blanks around it dropped, quotes and escapes undone, and split at
// commas outside quotes into a list.
class ValueReader {
public:
    explicit ValueReader(QByteArrayView raw) : m_raw(raw) {}

    QStringList read(bool& isList)
    {
        skipBlanks();
        while (m_pos < m_raw.size()) {
            const char c = m_raw[m_pos];
            if (c == kEscape) {
                ++m_pos;
                readEscape();
            } else if (c == kQuote) {
                ++m_pos;
                m_quoted = true;
                m_inQuotes = !m_inQuotes;
                if (!m_inQuotes) {
                    skipBlanks();
                    m_keep = m_current.size();
                }
            } else if (c == kListSeparator && !m_inQuotes) {
                ++m_pos;
                endItem();
                skipBlanks();
            } else {
                readPlainRun();
            }
        }
        isList = !m_items.isEmpty();
        endItem();
        return m_items;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_raw.size() && isBlank(m_raw[m_pos]))
            ++m_pos;
    }

    void readPlainRun()
    {
        qsizetype end = m_pos + 1;
        while (end < m_raw.size() && m_raw[end] != kEscape && m_raw[end] != kQuote &&
               m_raw[end] != kListSeparator)
            ++end;
        m_current += decodedUtf8(m_raw.sliced(m_pos, end - m_pos));
        m_pos = end;
    }

    void readEscape()
    {
        if (m_pos >= m_raw.size())
            return;
        const char c = m_raw[m_pos++];
        if (const std::optional<char> simple = simpleEscape(c)) {
            m_current += QLatin1Char(*simple);
        } else if (c == 'x') {
            if (m_pos < m_raw.size() && hexValue(m_raw[m_pos]) >= 0)
                m_current += readNumber(16, hexValue);
        } else if (octalValue(c) >= 0) {
            --m_pos;
            m_current += readNumber(8, octalValue);
        } else if (isLineBreak(c)) {
            // An escaped line break continues the value on the next line.
            if (m_pos < m_raw.size() && isLineBreak(m_raw[m_pos]) && m_raw[m_pos] != c)
                ++m_pos;
        }
        // Any other escaped character is dropped.
        m_keep = m_current.size();
    }

    static std::optional<char> simpleEscape(char c)
    {
        switch (c) {
        case 'a': return '\a';
        case 'b': return '\b';
        case 'f': return '\f';
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        case 'v': return '\v';
        case '"':
        case '?':
        case '\'':
        case '\\':
            return c;
        default:
            return std::nullopt;
        }
    }

    // As many digits as follow, folded into one UTF-16 code unit.
    QChar readNumber(int base, int (*digitValue)(char))
    {
        char16_t code = 0;
        while (m_pos < m_raw.size() && digitValue(m_raw[m_pos]) >= 0)
            code = static_cast<char16_t>(code * base + digitValue(m_raw[m_pos++]));
        return QChar(code);
    }

    // Unquoted blanks at the end of an item are not part of it.
    void endItem()
    {
        if (!m_quoted) {
            qsizetype end = m_current.size();
            while (end > m_keep && (m_current[end - 1] == u' ' || m_current[end - 1] == u'\t'))
                --end;
            m_current.truncate(end);
        }
        m_items.append(m_current);
        m_current.clear();
        m_quoted = false;
        m_keep = 0;
    }

    QByteArrayView m_raw;
    qsizetype m_pos = 0;
    QString m_current;
    QStringList m_items;
    qsizetype m_keep = 0;  // characters of m_current that an escape or a quote protects
    bool m_inQuotes = false;
    bool m_quoted = false;
};

// The text that an item stands for; none when it is a serialized object.
std::optional<QString> plainText(const QString& item)
{
    if (!item.startsWith(kTypeMark))
        return item;
    if (item.size() > 1 && item[1] == kTypeMark)
        return item.sliced(1);
    if (!item.endsWith(u')'))
        return item;  // Qt reads it as the text it is
    if (item.startsWith(kTextMark))
        return item.sliced(kTextMark.size()).chopped(1);
    return std::nullopt;
}

QVariant valueOf(QByteArrayView raw)
{
    bool isList = false;
    const QStringList items = ValueReader(raw).read(isList);
    QStringList texts;
    for (const QString& item : items) {
        const std::optional<QString> text = plainText(item);
        if (!text)
            return QVariant::fromValue(BRIniSerializedValue{raw.toByteArray()});
        texts.append(*text);
    }
    if (isList)
        return texts;
    return texts.front();
}

}  // namespace

BRIniContents readIniText(QByteArrayView text)
{
    if (text.startsWith(kUtf8ByteOrderMark))
        text = text.sliced(kUtf8ByteOrderMark.size());
    BRIniContents contents;
    QString prefix;
    IniLines lines(text);
    while (const std::optional<IniLine> line = lines.next()) {
        if (line->text.startsWith('[')) {
            qsizetype end = line->text.indexOf(']');
            if (end < 0) {
                contents.wellFormed = false;
                end = line->text.size();
            }
            prefix = sectionPrefix(line->text.sliced(1, end - 1).trimmed());
        } else if (line->equals < 0) {
            contents.wellFormed = false;
        } else {
            const QString key = keptKey(prefix + unescapedKey(line->text.first(line->equals).trimmed()));
            contents.values.insert(key, valueOf(line->text.sliced(line->equals + 1)));
        }
    }
    return contents;
}

}  // namespace brio
