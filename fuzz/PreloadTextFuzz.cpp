// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text pasted into the preload dialog: the list it gives, written back as text and read
// again, must be the same list.
#include "FuzzSupport.h"

#include "brio/BRStringQt.h"
#include "core/PreloadText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    brio::BRStringArray list;
    rebuildListFromText(list, brio::fromQString(input.takeRemainingText()));
    for (std::uint64_t i = 0; i < list.size(); ++i) {
        if (list[static_cast<int>(i)].empty())
            fuzzFailure("a blank name in the list");
    }
    brio::BRStringArray again;
    rebuildListFromText(again, preloadTextFromList(list));
    if (again.size() != list.size())
        fuzzFailure("the round trip changed the number of names");
    for (std::uint64_t i = 0; i < list.size(); ++i) {
        if (again[static_cast<int>(i)].utf16() != list[static_cast<int>(i)].utf16())
            fuzzFailure("the round trip changed a name");
    }
    return 0;
}
