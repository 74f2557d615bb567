// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoredEvent.h"

#include <algorithm>

bool usesRounds(const StoredEvent& event)
{
    const auto kept = std::count_if(event.rounds.begin(), event.rounds.end(),
                                    [](const StoredRound& round) { return !round.removed; });
    return kept > 1 || std::any_of(event.rounds.begin(), event.rounds.end(),
                                   [](const StoredRound& round) { return !round.name.isEmpty(); });
}

std::vector<StoredRound> roundsToExport(const StoredEvent& event)
{
    std::vector<StoredRound> rounds;
    for (auto round = event.rounds.rbegin(); round != event.rounds.rend(); ++round) {
        if (round->removed)
            continue;
        StoredRound exported = *round;
        const auto clapOffOf = [&exported](const StoredEntry& entry) {
            const auto found = exported.clapOff.find(entry.order);
            return found == exported.clapOff.end() ? -1 : found->second;
        };
        std::stable_sort(exported.entries.begin(), exported.entries.end(),
                         [&clapOffOf](const StoredEntry& a, const StoredEntry& b) {
                             if (a.score != b.score)
                                 return a.score > b.score;
                             return clapOffOf(a) > clapOffOf(b);
                         });
        rounds.push_back(std::move(exported));
    }
    return rounds;
}
