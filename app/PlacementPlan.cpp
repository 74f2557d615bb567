#include "app/PlacementPlan.h"

#include <algorithm>

bool isReachable(const WindowRect& rect, std::span<const WindowRect> screens)
{
    if (rect.width <= 0 || rect.height <= 0)
        return false;
    const int needWidth = std::min(kMinimumVisible, rect.width);
    const int needHeight = std::min(kMinimumVisible, rect.height);
    return std::any_of(screens.begin(), screens.end(), [&](const WindowRect& screen) {
        const long long left = std::max<long long>(rect.x, screen.x);
        const long long right = std::min<long long>(0LL + rect.x + rect.width, 0LL + screen.x + screen.width);
        const long long top = std::max<long long>(rect.y, screen.y);
        const long long bottom = std::min<long long>(0LL + rect.y + rect.height, 0LL + screen.y + screen.height);
        return right - left >= needWidth && bottom - top >= needHeight;
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
