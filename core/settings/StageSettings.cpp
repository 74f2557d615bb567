// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/StageSettings.h"

#include "core/AppConfig.h"

using brio::BRAppConfig;
using brio::BRString;

namespace {

BRString readText(BRAppConfig& config, const char* key)
{
    return config.getRegistryString(kSettingsSection, key, BRString(), kSettingsHive);
}

}  // namespace

StageSettings loadStageSettings(BRAppConfig& config)
{
    StageSettings settings;
    if (readText(config, kAudienceLookKey) == BRString("Mirror"))
        settings.look = AudienceLook::Mirror;
    if (readText(config, kStageThemeKey) == BRString("Light"))
        settings.theme = StageTheme::Light;
    settings.eventTitle = readText(config, kEventTitleKey);
    settings.eventLogo = readText(config, kEventLogoKey);
    return settings;
}

void storeEvent(BRAppConfig& config, const BRString& title, const BRString& logo)
{
    config.setRegistryString(kSettingsSection, kEventTitleKey, title, kSettingsHive);
    config.setRegistryString(kSettingsSection, kEventLogoKey, logo, kSettingsHive);
}
