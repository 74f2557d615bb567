// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio/DuelVerdict.h"

#include <cstdlib>

namespace audio {

DuelVerdict duelVerdict(int leftHeldLevel, int rightHeldLevel)
{
    if (std::abs(leftHeldLevel - rightHeldLevel) <= kDuelDrawMargin)
        return DuelVerdict::Draw;
    return leftHeldLevel > rightHeldLevel ? DuelVerdict::LeftWins : DuelVerdict::RightWins;
}

}  // namespace audio
