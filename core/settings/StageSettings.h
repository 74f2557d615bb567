// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "brio/BRString.h"

// How the audience's screen looks, and the event it shows. Stored as texts.
inline const char kAudienceLookKey[] = "AudienceLook";  // "Stage" or "Mirror"
inline const char kStageThemeKey[] = "StageTheme";      // "Dark" or "Light"
inline const char kEventTitleKey[] = "EventTitle";
inline const char kEventLogoKey[] = "EventLogo";  // the copy's file name in the data folder

// Stage: made for a hall (the event, ranks, the current contestant always in sight).
// Mirror: exactly the operator's display.
enum class AudienceLook { Stage, Mirror };
enum class StageTheme { Dark, Light };

struct StageSettings {
    AudienceLook look = AudienceLook::Stage;
    StageTheme theme = StageTheme::Dark;
    brio::BRString eventTitle;
    brio::BRString eventLogo;
};

// Unknown texts count as the defaults (Stage, Dark).
StageSettings loadStageSettings(brio::BRAppConfig& config);
void storeEvent(brio::BRAppConfig& config, const brio::BRString& title, const brio::BRString& logo);
