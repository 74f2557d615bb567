// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlacementPlan.h"

#include <algorithm>

namespace {

// How far two runs [start, start + length) share; wide enough that no sum overflows.
long long overlap(int start, int length, int otherStart, int otherLength)
{
    const long long from = std::max<long long>(start, otherStart);
    const long long to = std::min(0LL + start + length, 0LL + otherStart + otherLength);
    return to - from;
}

}  // namespace

bool isReachable(const WindowRect& rect, std::span<const WindowRect> screens)
{
    if (rect.width <= 0 || rect.height <= 0)
        return false;
    const int needWidth = std::min(kMinimumVisible, rect.width);
    const int needHeight = std::min(kMinimumVisible, rect.height);
    return std::any_of(screens.begin(), screens.end(), [&](const WindowRect& screen) {
        return overlap(rect.x, rect.width, screen.x, screen.width) >= needWidth &&
               overlap(rect.y, rect.height, screen.y, screen.height) >= needHeight;
    });
}

PlacementPlan planPlacement(const StoredPlacement& stored, bool fullScreenFlag,
                            std::span<const WindowRect> screens)
{
    PlacementPlan plan;
    plan.fullScreen = fullScreenFlag;  // the mode comes back even without a stored size
    const bool sizeStored = stored.width != 0 && stored.height != 0;
    const bool stateUsable = stored.state == kShowNormal || stored.state == kShowMaximised;
    if (!sizeStored || !(stateUsable || fullScreenFlag))
        return plan;
    plan.rect = {stored.xpos, stored.ypos, stored.width, stored.height};
    plan.useStoredRect = isReachable(plan.rect, screens);
    plan.showState = stored.state == kShowMaximised ? kShowMaximised : kShowNormal;
    return plan;
}
