// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlacementPlan.h"

#include <QString>

#include <optional>
#include <span>

// A screen as the choice sees it: its name and its whole area.
struct ScreenInfo {
    QString name;
    WindowRect geometry;
};

// Where the audience window goes.
struct AudiencePlacement {
    enum class Kind {
        FullScreen,      // full screen on `screen`
        OrdinaryWindow,  // one screen only: a window the operator can drag
    };
    Kind kind = Kind::OrdinaryWindow;
    int screen = -1;  // index into the screens; -1 with no screens at all
    friend bool operator==(const AudiencePlacement&, const AudiencePlacement&) = default;
};

// The screen for the audience: the stored one when it is there and does not hold the operator's
// window; otherwise the largest screen (by area; the first of equals) that does not hold the
// operator's window, which is on the screen it overlaps most. With one screen, an ordinary
// window on it.
AudiencePlacement chooseAudienceScreen(std::span<const ScreenInfo> screens,
                                       const WindowRect& operatorWindow,
                                       const QString& storedName);
