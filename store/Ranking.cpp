// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/Ranking.h"

#include "core/LeagueTable.h"

#include <algorithm>
#include <functional>

std::vector<RankedEntry> rankedTable(const std::vector<StoredEntry>& entries)
{
    std::vector<int> scoresBestFirst;
    scoresBestFirst.reserve(entries.size());
    for (const StoredEntry& entry : entries)
        scoresBestFirst.push_back(entry.score);
    std::sort(scoresBestFirst.begin(), scoresBestFirst.end(), std::greater<>());

    std::vector<RankedEntry> ranked;
    ranked.reserve(entries.size());
    for (const StoredEntry& entry : entries) {
        const int rank = competitionRank(entry.score, static_cast<int>(scoresBestFirst.size()),
            [&](int index) { return scoresBestFirst[static_cast<std::size_t>(index)]; });
        ranked.push_back({rank, entry.name, entry.score});
    }
    return ranked;
}
