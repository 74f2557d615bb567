// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brio/BRFilename.h"

#include <string>

namespace brio {
namespace {
constexpr char16_t kSeparator = u'/';

// Where the path ends once separators at its end are left out; a path of nothing but
// separators keeps its first one, the root.
std::size_t endWithoutSeparators(const std::u16string& path)
{
    const std::size_t last = path.find_last_not_of(kSeparator);
    if (last != std::u16string::npos)
        return last + 1;
    return path.empty() ? 0 : 1;
}
}  // namespace

BRString BRFilename::concatPaths(const BRString& a, const BRString& b, PathType)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    std::u16string joined = a.utf16().substr(0, endWithoutSeparators(a.utf16()));
    if (joined.back() != kSeparator)
        joined += kSeparator;
    const std::size_t bStart = b.utf16().find_first_not_of(kSeparator);
    if (bStart != std::u16string::npos)
        joined += b.utf16().substr(bStart);
    return BRString(std::move(joined));
}

BRString BRFilename::dirname(const BRString& path)
{
    const std::u16string trimmed = path.utf16().substr(0, endWithoutSeparators(path.utf16()));
    const std::size_t lastSeparator = trimmed.find_last_of(kSeparator);
    if (lastSeparator == std::u16string::npos)
        return BRString();
    const std::u16string parent = trimmed.substr(0, lastSeparator + 1);
    return BRString(parent.substr(0, endWithoutSeparators(parent)));
}

}  // namespace brio
