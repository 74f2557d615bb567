#include "brio/BRIniText.h"

#include <QIODevice>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace brio {
namespace {

constexpr char kEscape = '\\';
constexpr char kQuote = '"';
constexpr char kComment = ';';
constexpr char kListSeparator = ',';
constexpr char16_t kSectionSeparator = u'/';
// Qt marks every value that is not plain text by a leading '@'; "@@" stands for a text that
// starts with '@', and "@String(...)" for a text holding NUL characters.
constexpr char16_t kTypeMark = u'@';
const QLatin1StringView kTextMark("@String(");
const QLatin1StringView kGeneralSection("General");
const QLatin1StringView kEscapedGeneralSection("%General");
const QLatin1StringView kEmptyList("@Invalid()");
constexpr QByteArrayView kUtf8ByteOrderMark("\xef\xbb\xbf");

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
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

// A key or section name: '\' stands for '/', "%XX" and "%UXXXX" for a character by its code.
QString unescapedKey(QByteArrayView escaped)
{
    const QString text = QString::fromUtf8(escaped);
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
    if (name.compare(QByteArrayView("general"), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(QByteArrayView("%general"), Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + kSectionSeparator;
    return unescapedKey(name) + kSectionSeparator;
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
        m_current += QString::fromUtf8(m_raw.sliced(m_pos, end - m_pos));
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

// --- Writing ---------------------------------------------------------------------------

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

// Control characters escaped, the rest in UTF-8; quoted when it holds ';', ',' or '=' or
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
        return QByteArray(kEmptyList.data(), kEmptyList.size());
    QByteArray escaped = escapedText(storedText(items.front()));
    for (qsizetype i = 1; i < items.size(); ++i)
        escaped += ", " + escapedText(storedText(items[i]));
    return escaped;
}

QByteArray sectionLine(const QString& section)
{
    if (section.isEmpty())
        return '[' + QByteArray(kGeneralSection.data()) + ']';
    if (section.compare(kGeneralSection, Qt::CaseInsensitive) == 0)
        return '[' + QByteArray(kEscapedGeneralSection.data()) + ']';
    return '[' + escapedKey(section) + ']';
}

bool readSettingsFile(QIODevice& device, QSettings::SettingsMap& values)
{
    // A garbled file still yields what could be read, so that a write keeps it; the store's
    // readers check the file's form themselves.
    values = readIniText(device.readAll()).values;
    return true;
}

bool writeSettingsFile(QIODevice& device, const QSettings::SettingsMap& values)
{
    const QByteArray text = iniText(values);
    return device.write(text) == text.size();
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
            const QString key = prefix + unescapedKey(line->text.first(line->equals).trimmed());
            contents.values.insert(key, valueOf(line->text.sliced(line->equals + 1)));
        }
    }
    return contents;
}

QByteArray iniText(const QSettings::SettingsMap& values)
{
    // Sections in the order of their names, the top level first; keys by name within each.
    QMap<QString, QList<QPair<QString, QVariant>>> sections;
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
        const qsizetype separator = value.key().indexOf(kSectionSeparator);
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

QSettings::Format iniTextFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("conf"), readSettingsFile, writeSettingsFile, Qt::CaseSensitive);
    return format;
}

}  // namespace brio
