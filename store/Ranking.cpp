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

std::vector<RankedEntry> rankedRound(const StoredRound& round)
{
    const auto clapOffOf = [&round](const StoredEntry& entry) {
        const auto found = round.clapOff.find(entry.order);
        return found == round.clapOff.end() ? -1 : found->second;
    };
    std::vector<RankedEntry> ranked;
    for (std::size_t index = 0; index < round.entries.size(); ++index) {
        const StoredEntry& entry = round.entries[index];
        const bool shared = index > 0 && round.entries[index - 1].score == entry.score
            && clapOffOf(round.entries[index - 1]) == clapOffOf(entry);
        const int rank = shared ? ranked.back().rank : static_cast<int>(index) + 1;
        ranked.push_back({rank, entry.name, entry.score});
    }
    return ranked;
}
