// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRAppConfig.h"

// Whether the audience sees a score only when the operator reveals it: 0 (the default) or 1.
inline const char kHideScoresKey[] = "HideScores";
inline constexpr bool kDefaultHideScores = false;

// Any stored value but 0 and 1 reads as the default.
bool loadHideScores(brio::BRAppConfig& config);
void storeHideScores(brio::BRAppConfig& config, bool hide);
