// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/HeldLevel.h"

#include "core/LevelDynamics.h"

#include <algorithm>

void HeldLevel::add(int reading)
{
    ++m_counts[std::size_t(std::clamp(reading, level::kMinimum, level::kMaximum))];
    ++m_count;
    updateLevel();
}

void HeldLevel::clear()
{
    m_counts.fill(0);
    m_count = 0;
    m_level = 0;
}

void HeldLevel::updateLevel()
{
    if (m_count < kHeldReadings)
        return;
    // A walk down 101 counters ten times a second: cheaper than keeping the readings sorted.
    int atOrAbove = 0;
    for (int value = level::kMaximum; value >= level::kMinimum; --value) {
        atOrAbove += m_counts[std::size_t(value)];
        if (atOrAbove >= kHeldReadings) {
            m_level = value;
            return;
        }
    }
}

int heldLevelOf(std::span<const std::uint8_t> readings)
{
    HeldLevel held;
    for (const std::uint8_t reading : readings)
        held.add(reading);
    return held.level();
}
