// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The level climbs faster at the bottom of the scale than at the top, and sinks by one
// unit per tick when SPACE is up. One tick is 20 ms. With a microphone the level is the
// room's reading itself (see MeterCore::tick), so every clap shows at once.
namespace level {

inline constexpr int kMinimum = 0;
inline constexpr int kMaximum = 100;

// How far one tick with SPACE held lifts the level from its current value.
constexpr int riseStep(int current)
{
    if (current < 20)
        return 3;
    if (current < 50)
        return 2;
    if (current < kMaximum)
        return 1;
    return 0;
}

// The level after one tick: up by the step while the meter listens and SPACE is down,
// otherwise down by one until it rests at the bottom.
constexpr int next(int current, bool rising)
{
    if (rising)
        return current + riseStep(current);
    return current > kMinimum ? current - 1 : current;
}

}  // namespace level
