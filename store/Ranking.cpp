// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/Ranking.h"

namespace {

std::vector<RankedEntry> withRanks(const std::vector<StoredEntry>& entries,
                                   const std::vector<int>& ranks)
{
    std::vector<RankedEntry> ranked;
    ranked.reserve(entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index)
        ranked.push_back({ranks[index], entries[index].name, entries[index].score});
    return ranked;
}

}  // namespace

std::vector<RankedEntry> rankedTable(const std::vector<StoredEntry>& entries)
{
    return withRanks(entries, ranking::ranksInOrder(rankingRows(entries)));
}

std::vector<RankedEntry> rankedRound(const StoredRound& round)
{
    return withRanks(round.entries,
                     ranking::ranksInOrder(rankingRows(round.entries, round.clapOff)));
}
