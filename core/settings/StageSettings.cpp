// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/StageSettings.h"

#include "brio/BRStringQt.h"
#include "core/settings/SettingsAccess.h"

using brio::BRAppConfig;
using brio::BRString;

namespace {

// The other text of a Choice than its default.
bool holdsOther(BRAppConfig& config, Setting setting)
{
    return readText(config, setting) == QLatin1String(declarationOf(setting).choices[1]);
}

}  // namespace

StageSettings loadStageSettings(BRAppConfig& config)
{
    StageSettings settings;
    if (holdsOther(config, Setting::AudienceLook))
        settings.look = AudienceLook::Mirror;
    if (holdsOther(config, Setting::StageTheme))
        settings.theme = StageTheme::Light;
    settings.eventTitle = brio::fromQString(readText(config, Setting::EventTitle));
    settings.eventLogo = brio::fromQString(readText(config, Setting::EventLogo));
    return settings;
}

void storeEvent(BRAppConfig& config, const BRString& title, const BRString& logo)
{
    writeText(config, Setting::EventTitle, brio::toQString(title));
    writeText(config, Setting::EventLogo, brio::toQString(logo));
}
