// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AudienceScreen.h"

#include <algorithm>

namespace {

long long overlapArea(const WindowRect& a, const WindowRect& b)
{
    const long long width = std::min(0LL + a.x + a.width, 0LL + b.x + b.width) -
                            std::max<long long>(a.x, b.x);
    const long long height = std::min(0LL + a.y + a.height, 0LL + b.y + b.height) -
                             std::max<long long>(a.y, b.y);
    return width > 0 && height > 0 ? width * height : 0;
}

long long area(const WindowRect& rect)
{
    return std::max(0LL, 0LL + rect.width) * std::max(0LL, 0LL + rect.height);
}

// The screen the operator's window overlaps most; the first screen when it overlaps none.
int operatorScreen(std::span<const ScreenInfo> screens, const WindowRect& window)
{
    int best = 0;
    long long bestOverlap = -1;
    for (int index = 0; index < static_cast<int>(screens.size()); ++index) {
        const long long shared = overlapArea(screens[index].geometry, window);
        if (shared > bestOverlap) {
            best = index;
            bestOverlap = shared;
        }
    }
    return best;
}

}  // namespace

AudiencePlacement chooseAudienceScreen(std::span<const ScreenInfo> screens,
                                       const WindowRect& operatorWindow,
                                       const QString& storedName)
{
    const int count = static_cast<int>(screens.size());
    if (count == 0)
        return AudiencePlacement{};
    if (count == 1)
        return AudiencePlacement{AudiencePlacement::Kind::OrdinaryWindow, 0};

    const int taken = operatorScreen(screens, operatorWindow);
    if (!storedName.isEmpty()) {
        for (int index = 0; index < count; ++index) {
            if (index != taken && screens[index].name == storedName)
                return AudiencePlacement{AudiencePlacement::Kind::FullScreen, index};
        }
    }
    int largest = -1;
    for (int index = 0; index < count; ++index) {
        if (index == taken)
            continue;
        if (largest < 0 || area(screens[index].geometry) > area(screens[largest].geometry))
            largest = index;
    }
    return AudiencePlacement{AudiencePlacement::Kind::FullScreen, largest};
}
