// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRString.h"

#include "brio/BRUtf8.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <utility>

namespace brio {
namespace {
std::u16string fromNarrow(const char* narrow)
{
    return narrow ? utf8ToUtf16(narrow) : std::u16string();
}

char16_t foldAsciiCase(char16_t unit)
{
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}
}  // namespace

BRString::BRString(const char* narrow) : m_text(fromNarrow(narrow)) {}

BRString::BRString(const char16_t* wide) : m_text(wide ? wide : u"") {}

BRString::BRString(const char16_t* wide, std::size_t length)
    : m_text(wide ? std::u16string(wide, length) : std::u16string())
{
}

BRString::BRString(std::u16string wide) : m_text(std::move(wide)) {}

BRString BRString::fromUtf8(std::string_view utf8)
{
    return BRString(utf8ToUtf16(utf8));
}

BRString BRString::format(const char* fmt, ...)
{
    if (!fmt)
        return BRString();
    va_list args;
    va_start(args, fmt);
    va_list measuring;
    va_copy(measuring, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, measuring);
    va_end(measuring);
    std::string narrow;
    if (length > 0) {
        narrow.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(narrow.data(), narrow.size(), fmt, args);
        narrow.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
    return fromUtf8(narrow);
}

BRString& BRString::operator+=(const BRString& other)
{
    m_text += other.m_text;
    return *this;
}

BRString& BRString::operator+=(const char* narrow)
{
    m_text += fromNarrow(narrow);
    return *this;
}

BRString& BRString::operator+=(char16_t code)
{
    m_text += code;
    return *this;
}

int BRString::first(const char* text) const
{
    if (!text)
        return -1;
    const std::size_t found = m_text.find(utf8ToUtf16(text));
    return found == std::u16string::npos || found > INT_MAX ? -1 : static_cast<int>(found);
}

BRString BRString::left(int count) const
{
    if (count <= 0)
        return BRString();
    return BRString(m_text.substr(0, static_cast<std::size_t>(count)));
}

void BRString::remove(int pos)
{
    if (pos >= 0 && static_cast<std::size_t>(pos) < m_text.size())
        m_text.erase(static_cast<std::size_t>(pos));
}

void BRString::remove(int pos, int count)
{
    if (pos >= 0 && count > 0 && static_cast<std::size_t>(pos) < m_text.size())
        m_text.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(count));
}

BRString& BRString::strip(const char* chars, StripType type)
{
    const std::u16string strippable = fromNarrow(chars);
    if (type != StripTrailing) {
        const std::size_t keepFrom = m_text.find_first_not_of(strippable);
        m_text.erase(0, keepFrom);
    }
    if (type != StripLeading) {
        const std::size_t keepTo = m_text.find_last_not_of(strippable);
        m_text.erase(keepTo == std::u16string::npos ? 0 : keepTo + 1);
    }
    return *this;
}

bool BRString::startsWith(const BRString& prefix, CaseCompare caseCompare) const
{
    if (prefix.m_text.size() > m_text.size())
        return false;
    if (caseCompare != CaseInsensitive)
        return m_text.starts_with(prefix.m_text);
    return std::equal(prefix.m_text.begin(), prefix.m_text.end(), m_text.begin(),
                      [](char16_t a, char16_t b) { return foldAsciiCase(a) == foldAsciiCase(b); });
}

std::string BRString::toUtf8() const
{
    return utf16ToUtf8(m_text);
}

BRString operator+(BRString left, const BRString& right)
{
    left += right;
    return left;
}

}  // namespace brio
