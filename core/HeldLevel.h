// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>

// The score of a turn measured by the room: the level its readings (ten a second) reached or
// passed for three seconds in all, that is the 30th highest reading so far, 0 until there are
// 30. A scream of one second moves a third of the readings it needs; only applause the room
// keeps up counts. It never falls while readings are added, so it is the turn's peak.
class HeldLevel {
public:
    static constexpr int kHeldReadings = 30;

    // A reading on the meter's scale; one outside it counts as the nearest end.
    void add(int reading);
    int level() const { return m_level; }
    int count() const { return m_count; }
    void clear();

private:
    void updateLevel();

    std::array<std::int32_t, 101> m_counts{};  // how many readings of each level
    int m_count = 0;
    int m_level = 0;
};

// The held level of a whole series of readings.
int heldLevelOf(std::span<const std::uint8_t> readings);
