// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PreloadText.h"

#include "core/NameText.h"

#include <string_view>

namespace {
constexpr const char16_t* kLineBreak = u"\r\n";
}  // namespace

brio::BRString preloadTextFromList(const brio::BRStringArray& list)
{
    brio::BRString text;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        if (i > 0)
            text += kLineBreak;
        text += list[i];
    }
    return text;
}

void rebuildListFromText(brio::BRStringArray& list, brio::BRString text)
{
    list.clear();
    // Walk the text with a moving start rather than cutting each line off its front,
    // so that a pasted list of many thousands of names takes linear time.
    const std::u16string_view all(text.utf16());
    const std::u16string_view lineBreak(kLineBreak);
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t lineEnd = all.find(lineBreak, start);
        if (lineEnd == std::u16string_view::npos)
            lineEnd = all.size();
        const brio::BRString line =
            withoutSurroundingBlanks(brio::BRString(all.data() + start, lineEnd - start));
        if (!line.empty())
            list.add(line);
        start = lineEnd + lineBreak.size();
    }
}
