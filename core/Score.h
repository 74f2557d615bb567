// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/Ranking.h"

#include <cstdint>

// One league-table entry: a contestant's name, the peak level of the turn (0 to 100), and
// the contestant's order of entry in the event (from 0), which names the entry for the record.
struct Score {
    brio::BRString name;
    std::int32_t score = 0;
    std::int64_t order = 0;
};

// The entry as the ranking sees it: its result, and its order of entry.
inline ranking::Row rankingRow(const Score& entry)
{
    return ranking::Row{ranking::resultOf(entry.score), std::nullopt, entry.order};
}
