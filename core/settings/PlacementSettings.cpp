// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/PlacementSettings.h"

#include "core/AppConfig.h"

using brio::BRAppConfig;

StoredPlacement loadPlacement(BRAppConfig& config)
{
    StoredPlacement placement{};
    placement.xpos = readSetting(config, kXPosKey, 0);
    placement.ypos = readSetting(config, kYPosKey, 0);
    placement.width = readSetting(config, kWidthKey, 0);
    placement.height = readSetting(config, kHeightKey, 0);
    placement.state = readSetting(config, kShowStateKey, 0);
    return placement;
}

void savePlacement(BRAppConfig& config, int x, int y, int width, int height, int showState)
{
    writeSetting(config, kXPosKey, x);
    writeSetting(config, kYPosKey, y);
    writeSetting(config, kWidthKey, width);
    writeSetting(config, kHeightKey, height);
    writeSetting(config, kShowStateKey, showState == kShowMinimised ? kShowNormal : showState);
}

bool loadFullScreenFlag(BRAppConfig& config)
{
    return readSetting(config, kFullScreenKey, 0) != 0;
}

void storeFullScreenFlag(BRAppConfig& config, bool fullScreen)
{
    writeSetting(config, kFullScreenKey, fullScreen ? 1 : 0);
}
