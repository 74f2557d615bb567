// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"

// The main window's settings in the store.
inline const char kXPosKey[] = "xpos";
inline const char kYPosKey[] = "ypos";
inline const char kWidthKey[] = "width";
inline const char kHeightKey[] = "height";
inline const char kShowStateKey[] = "state";
inline const char kFullScreenKey[] = "fullscreen";
// The audience screen's window.
inline const char kAudienceScreenKey[] = "AudienceScreen";          // a screen's name; empty: automatic
inline const char kShowAudienceScreenKey[] = "ShowAudienceScreen";  // 1: open it at the next start

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
