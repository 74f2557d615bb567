// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "core/settings/SettingsDeclaration.h"

// The main window's settings in the store.
inline constexpr const char* kXPosKey = settingKey(Setting::WindowX);
inline constexpr const char* kYPosKey = settingKey(Setting::WindowY);
inline constexpr const char* kWidthKey = settingKey(Setting::WindowWidth);
inline constexpr const char* kHeightKey = settingKey(Setting::WindowHeight);
inline constexpr const char* kShowStateKey = settingKey(Setting::WindowState);
inline constexpr const char* kFullScreenKey = settingKey(Setting::FullScreen);
// The audience screen's window.
inline constexpr const char* kAudienceScreenKey = settingKey(Setting::AudienceScreen);
inline constexpr const char* kShowAudienceScreenKey = settingKey(Setting::ShowAudienceScreen);

// Show states in the window system's numbering.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimised = 2;
inline constexpr int kShowMaximised = 3;

// The window's normal (restored) rectangle and show state as stored; 0 each when nothing is.
struct StoredPlacement {
    int xpos;
    int ypos;
    int width;
    int height;
    int state;
};

StoredPlacement loadPlacement(brio::BRAppConfig& config);
// Stores the normal rectangle and the show state. A minimised window is stored as normal,
// so that the next start never comes up minimised.
void savePlacement(brio::BRAppConfig& config, int x, int y, int width, int height, int showState);

bool loadFullScreenFlag(brio::BRAppConfig& config);
void storeFullScreenFlag(brio::BRAppConfig& config, bool fullScreen);
