// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRUtf8.h"

#include <cstdint>

namespace brio {
namespace {
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastBmp = 0xFFFF;
constexpr char32_t kHighSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kSupplementaryFirst = 0x10000;

constexpr unsigned char kContinuationLow = 0x80;
constexpr unsigned char kContinuationHigh = 0xBF;

// How a lead byte starts a sequence: the continuation bytes that follow, the bits it
// contributes, and the range allowed for the first continuation byte (which rules out
// overlong forms, surrogates and values beyond U+10FFFF).
struct LeadByte {
    int continuations = -1;  // -1: the byte cannot start a sequence
    char32_t bits = 0;
    unsigned char firstLow = kContinuationLow;
    unsigned char firstHigh = kContinuationHigh;
};

LeadByte leadByte(unsigned char byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1, static_cast<char32_t>(byte & 0x1F), kContinuationLow, kContinuationHigh};
    if (byte == 0xE0)
        return {2, 0, 0xA0, kContinuationHigh};
    if (byte == 0xED)
        return {2, 0xD, kContinuationLow, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {2, static_cast<char32_t>(byte & 0x0F), kContinuationLow, kContinuationHigh};
    if (byte == 0xF0)
        return {3, 0, 0x90, kContinuationHigh};
    if (byte == 0xF4)
        return {3, 0x4, kContinuationLow, 0x8F};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {3, static_cast<char32_t>(byte & 0x07), kContinuationLow, kContinuationHigh};
    return {};
}

void appendUtf16(std::u16string& out, char32_t code)
{
    if (code <= kLastBmp) {
        out += static_cast<char16_t>(code);
        return;
    }
    const char32_t offset = code - kSupplementaryFirst;
    out += static_cast<char16_t>(kHighSurrogateFirst + (offset >> 10));
    out += static_cast<char16_t>(kLowSurrogateFirst + (offset & 0x3FF));
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < kSupplementaryFirst) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(char32_t unit)
{
    return unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= kLowSurrogateFirst && unit <= kSurrogateLast;
}
}  // namespace

std::u16string utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        ++i;
        if (byte < 0x80) {
            out += static_cast<char16_t>(byte);
            continue;
        }
        const LeadByte lead = leadByte(byte);
        if (lead.continuations < 0) {
            out += static_cast<char16_t>(kReplacement);
            continue;
        }
        char32_t code = lead.bits;
        unsigned char low = lead.firstLow;
        unsigned char high = lead.firstHigh;
        bool complete = true;
        for (int k = 0; k < lead.continuations; ++k) {
            // A byte that does not fit ends the bad sequence and is read again on its own.
            if (i >= utf8.size() || static_cast<unsigned char>(utf8[i]) < low ||
                static_cast<unsigned char>(utf8[i]) > high) {
                complete = false;
                break;
            }
            const auto next = static_cast<unsigned char>(utf8[i]);
            code = (code << 6) | (next & 0x3F);
            ++i;
            low = kContinuationLow;
            high = kContinuationHigh;
        }
        appendUtf16(out, complete ? code : kReplacement);
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = utf16[i];
        if (isHighSurrogate(unit) && i + 1 < utf16.size() && isLowSurrogate(utf16[i + 1])) {
            const char32_t low = utf16[++i];
            appendUtf8(out, kSupplementaryFirst + ((unit - kHighSurrogateFirst) << 10) +
                                (low - kLowSurrogateFirst));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace brio
