// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings/RevealSettings.h"

#include "core/AppConfig.h"

bool loadHideScores(brio::BRAppConfig& config)
{
    const int stored = readSetting(config, kHideScoresKey, kDefaultHideScores ? 1 : 0);
    return stored == 0 || stored == 1 ? stored == 1 : kDefaultHideScores;
}

void storeHideScores(brio::BRAppConfig& config, bool hide)
{
    writeSetting(config, kHideScoresKey, hide ? 1 : 0);
}
