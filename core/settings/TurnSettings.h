// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"
#include "core/settings/SettingsDeclaration.h"

// The length of an equal turn, in whole seconds: 0 (the default) lets a turn run until Enter.
inline constexpr const char* kTurnSecondsKey = settingKey(Setting::TurnSeconds);
inline constexpr int kDefaultTurnSeconds = declarationOf(Setting::TurnSeconds).defaultNumber;
inline constexpr int kMaximumTurnSeconds = declarationOf(Setting::TurnSeconds).maximum;

// The stored length; a value outside 0..60, or not a number, reads as 0 and stays in the
// file as it is.
int loadTurnSeconds(brio::BRAppConfig& config);
void storeTurnSeconds(brio::BRAppConfig& config, int seconds);
