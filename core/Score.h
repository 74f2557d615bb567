// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/Ranking.h"
#include "core/jury/JuryResult.h"

#include <cstdint>
#include <optional>

// One league-table entry: a contestant's name, the peak level of the turn (0 to 100), and
// the contestant's order of entry in the event (from 0), which names the entry for the record.
struct Score {
    brio::BRString name;
    std::int32_t score = 0;
    std::int64_t order = 0;
    // While the jury is on: what it adds to the applause (see ranking::resultOf); none ranks
    // by the applause alone.
    std::optional<jury::JuryStanding> jury = std::nullopt;
};

// The entry's result: its applause, weighed with the jury's mark while the jury is on.
inline ranking::Result resultOf(const Score& entry)
{
    return entry.jury ? ranking::resultOf(entry.score, *entry.jury)
                      : ranking::resultOf(entry.score);
}

// The entry as the ranking sees it: its result, and its order of entry.
inline ranking::Row rankingRow(const Score& entry)
{
    return ranking::Row{resultOf(entry), std::nullopt, entry.order};
}
