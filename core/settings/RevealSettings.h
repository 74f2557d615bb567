// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "core/settings/SettingsDeclaration.h"

// Whether the audience sees a score only when the operator reveals it: 0 (the default) or 1.
inline constexpr const char* kHideScoresKey = settingKey(Setting::HideScores);
inline constexpr bool kDefaultHideScores = declarationOf(Setting::HideScores).defaultNumber != 0;

// Any stored value but 0 and 1 reads as the default.
bool loadHideScores(brio::BRAppConfig& config);
void storeHideScores(brio::BRAppConfig& config, bool hide);
