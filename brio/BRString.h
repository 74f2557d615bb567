// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brio {

// A string of wide characters held as UTF-16, the same units that QString holds, so that
// the two meet without transcoding.
class BRString {
public:
    enum StripType { StripLeading = 0, StripTrailing = 1, StripBoth = 2 };
    enum CaseCompare { CaseSensitive = 0, CaseInsensitive = 1 };

    BRString() = default;
    BRString(const char* narrow);  // UTF-8 (ASCII in every caller)
    BRString(const char16_t* wide);
    BRString(const char16_t* wide, std::size_t length);
    BRString(std::u16string wide);

    static BRString fromUtf8(std::string_view utf8);
    // printf-style formatting; the program formats integers with "%d".
    static BRString format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

    BRString& operator+=(const BRString& other);
    BRString& operator+=(const char* narrow);
    // Appends the one UTF-16 unit with this code.
    BRString& operator+=(char16_t code);
    BRString& operator+=(int code) { return *this += static_cast<char16_t>(code); }

    bool empty() const { return m_text.empty(); }
    int length() const { return static_cast<int>(m_text.size()); }
    // The unit at pos; 0 for a position outside the string.
    char16_t operator[](int pos) const
    {
        return pos >= 0 && pos < length() ? m_text[static_cast<std::size_t>(pos)] : u'\0';
    }

    // Position of the first occurrence of text, or -1 when there is none.
    int first(const char* text) const;
    // The first count characters (all of them when count is larger than the length).
    BRString left(int count) const;
    // Positions outside the string, and negative counts, remove nothing.
    // Removes the characters from pos to the end: remove(length() - 1) drops the last one.
    void remove(int pos);
    // Removes count characters from pos, cut at the end of the string.
    void remove(int pos, int count);
    // Strips every leading and/or trailing character that appears in chars.
    BRString& strip(const char* chars, StripType type);
    // CaseInsensitive treats the ASCII letters A-Z and a-z alike; other characters must match.
    bool startsWith(const BRString& prefix, CaseCompare caseCompare = CaseSensitive) const;

    const char16_t* wide() const { return m_text.c_str(); }
    const std::u16string& utf16() const { return m_text; }
    // Unpaired surrogates come out as U+FFFD; fromUtf8 turns ill-formed bytes into U+FFFD.
    std::string toUtf8() const;

    friend bool operator==(const BRString&, const BRString&) = default;
    friend auto operator<=>(const BRString&, const BRString&) = default;

private:
    std::u16string m_text;
};

BRString operator+(BRString left, const BRString& right);

}  // namespace brio
