// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/RevealSettings.h"

#include "core/settings/SettingsAccess.h"

bool loadHideScores(brio::BRAppConfig& config)
{
    return readSwitch(config, Setting::HideScores);
}

void storeHideScores(brio::BRAppConfig& config, bool hide)
{
    writeSwitch(config, Setting::HideScores, hide);
}
