// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/TurnSettings.h"

#include "core/AppConfig.h"

int loadTurnSeconds(brio::BRAppConfig& config)
{
    const int seconds = readSetting(config, kTurnSecondsKey, kDefaultTurnSeconds);
    return seconds >= 0 && seconds <= kMaximumTurnSeconds ? seconds : kDefaultTurnSeconds;
}

void storeTurnSeconds(brio::BRAppConfig& config, int seconds)
{
    writeSetting(config, kTurnSecondsKey, seconds);
}
