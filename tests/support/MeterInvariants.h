// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/LevelDynamics.h"
#include "core/MeterCore.h"

// What holds of the meter after every step, whatever the operator did: the level and peak
// within the scale, the peak never below the level while the keys measure a turn, the table best
// first with ties in order of entry, the turn's curve within its length and the scale, and the
// current row one the table has, or none. Returns
// the first rule broken, or null when all hold. The level rules alone are brokenLevelRule: a
// tick changes the table only when it raises the peak.
inline const char* brokenLevelRule(const MeterCore& meter)
{
    if (meter.level() < level::kMinimum || meter.level() > level::kMaximum)
        return "the level left the scale";
    if (meter.peak() < level::kMinimum || meter.peak() > level::kMaximum)
        return "the peak left the scale";
    const bool turnUnderWay =
        meter.state() == MeterState::Measuring || meter.state() == MeterState::Summary;
    // With the room measuring, the peak is the held level, which a shout passes by.
    if (turnUnderWay && !meter.roomMeasuredTurn() && meter.peak() < meter.level())
        return "the peak fell below the level during a turn";
    // Checked after every tick, the latest reading stands for all of them.
    const std::vector<std::uint8_t>& readings = meter.currentCurve().readings;
    if (readings.size() > curve::kMaximumReadings)
        return "the turn's curve grew past its limit";
    if (!readings.empty() && readings.back() > level::kMaximum)
        return "a reading of the turn's curve left the scale";
    return nullptr;
}

inline const char* brokenMeterRule(const MeterCore& meter)
{
    if (const char* broken = brokenLevelRule(meter))
        return broken;
    const LeagueTable& table = meter.leagueTable();
    if (meter.currentIndex() != -1 && !table.contains(meter.currentIndex()))
        return "the current row is not in the table";
    if (meter.selectedRow() != -1 && !table.contains(meter.selectedRow()))
        return "the selected row is not in the table";
    for (int i = 0; i < table.count(); ++i) {
        const Score& entry = table.entry(i);
        if (entry.score < level::kMinimum || entry.score > level::kMaximum)
            return "a score left the scale";
        if (i == 0)
            continue;
        const Score& above = table.entry(i - 1);
        if (above.score < entry.score)
            return "a lower score stands above a higher one";
        if (above.score == entry.score && above.order > entry.order)
            return "a tie is out of the order of entry";
    }
    return nullptr;
}
