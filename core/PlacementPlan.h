// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/settings/PlacementSettings.h"

#include <span>

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// How the main window comes up at start.
struct PlacementPlan {
    bool useStoredRect = false;  // otherwise the window system's choice
    WindowRect rect;
    int showState = kShowNormal;  // kShowNormal or kShowMaximised
    bool fullScreen = false;
};

// The least of a window that must lie on a screen for the operator to grab it.
inline constexpr int kMinimumVisible = 48;

// Whether enough of the rectangle lies on one of the screens to be seen and moved.
bool isReachable(const WindowRect& rect, std::span<const WindowRect> screens);

// Decides the start-up placement from the stored values and the screens available now.
// A stored rectangle is used only with a stored size and a normal or maximised state (or
// full-screen mode); one that is empty, negative or off every screen (a projector that is
// gone) gives way to the window system's choice, keeping the stored show state.
PlacementPlan planPlacement(const StoredPlacement& stored, bool fullScreenFlag,
                            std::span<const WindowRect> screens);
