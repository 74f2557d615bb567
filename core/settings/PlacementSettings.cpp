// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/PlacementSettings.h"

#include "core/settings/SettingsAccess.h"

using brio::BRAppConfig;

StoredPlacement loadPlacement(BRAppConfig& config)
{
    StoredPlacement placement{};
    placement.xpos = readInteger(config, Setting::WindowX);
    placement.ypos = readInteger(config, Setting::WindowY);
    placement.width = readInteger(config, Setting::WindowWidth);
    placement.height = readInteger(config, Setting::WindowHeight);
    placement.state = readInteger(config, Setting::WindowState);
    return placement;
}

void savePlacement(BRAppConfig& config, int x, int y, int width, int height, int showState)
{
    writeInteger(config, Setting::WindowX, x);
    writeInteger(config, Setting::WindowY, y);
    writeInteger(config, Setting::WindowWidth, width);
    writeInteger(config, Setting::WindowHeight, height);
    writeInteger(config, Setting::WindowState,
                 showState == kShowMinimised ? kShowNormal : showState);
}

bool loadFullScreenFlag(BRAppConfig& config)
{
    return readSwitch(config, Setting::FullScreen);
}

void storeFullScreenFlag(BRAppConfig& config, bool fullScreen)
{
    writeSwitch(config, Setting::FullScreen, fullScreen);
}
