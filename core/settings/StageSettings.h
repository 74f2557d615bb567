// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "brio/BRString.h"
#include "core/settings/SettingsDeclaration.h"

// How the audience's screen looks, and the event it shows. Stored as texts.
inline constexpr const char* kAudienceLookKey = settingKey(Setting::AudienceLook);  // Stage, Mirror
inline constexpr const char* kStageThemeKey = settingKey(Setting::StageTheme);      // Dark, Light
inline constexpr const char* kEventTitleKey = settingKey(Setting::EventTitle);
inline constexpr const char* kEventLogoKey = settingKey(Setting::EventLogo);

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
