// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"

// The length of an equal turn, in whole seconds: 0 (the default) lets a turn run until Enter.
inline const char kTurnSecondsKey[] = "TurnSeconds";
inline constexpr int kDefaultTurnSeconds = 0;
inline constexpr int kMaximumTurnSeconds = 60;

// The stored length; a value outside 0..60, or not a number, reads as 0 and stays in the
// file as it is.
int loadTurnSeconds(brio::BRAppConfig& config);
void storeTurnSeconds(brio::BRAppConfig& config, int seconds);
