// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A duel: two sides of the hall measured in one turn, each with its own held level.
namespace audio {

// Levels this close are within what the room's own unevenness makes: neither side won.
inline constexpr int kDuelDrawMargin = 1;

enum class DuelVerdict { LeftWins, RightWins, Draw };

// The louder held level (0..100) wins; a difference of kDuelDrawMargin or less is a draw.
DuelVerdict duelVerdict(int leftHeldLevel, int rightHeldLevel);

}  // namespace audio
