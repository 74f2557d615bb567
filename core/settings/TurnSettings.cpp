// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/TurnSettings.h"

#include "core/settings/SettingsAccess.h"

int loadTurnSeconds(brio::BRAppConfig& config)
{
    return readInteger(config, Setting::TurnSeconds);
}

void storeTurnSeconds(brio::BRAppConfig& config, int seconds)
{
    writeInteger(config, Setting::TurnSeconds, seconds);
}
