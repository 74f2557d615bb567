// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "remote/JuryRequest.h"
#include "remote/ShowState.h"

#include <vector>

class MeterSession;

// The jury as show control sees it: what the state reports of it, the judges' tokens the
// requests are admitted by, and each request of the jury carried out on the session at once,
// with the status it answers.

// The jury's part of the state, and each row's result and J, while the jury is on.
void addJury(ShowState& state, const MeterSession& session);
std::vector<JudgeToken> judgeTokensOf(const MeterSession& session);
JuryAnswer answerJury(MeterSession& session, const JuryRequest& request);
