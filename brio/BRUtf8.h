// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace brio {

// UTF-8 to UTF-16. Each ill-formed sequence (a stray continuation byte, a cut-off sequence,
// an overlong form, a surrogate or a value beyond U+10FFFF) becomes one U+FFFD, the longest
// well-formed beginning of it taken as that one sequence.
std::u16string utf8ToUtf16(std::string_view utf8);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

}  // namespace brio
