// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/Ranking.h"

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
        const auto higher = std::lower_bound(scoresBestFirst.begin(), scoresBestFirst.end(),
            entry.score, std::greater<>());
        ranked.push_back({static_cast<int>(higher - scoresBestFirst.begin()) + 1, entry.name,
            entry.score});
    }
    return ranked;
}
