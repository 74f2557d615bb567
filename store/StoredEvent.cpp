// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/StoredEvent.h"

#include <algorithm>

namespace {

ranking::Row rankingRow(const StoredEntry& entry, const std::map<qint64, int>& clapOff)
{
    const auto found = clapOff.find(entry.order);
    const std::optional<ranking::Result> clapOffResult = found == clapOff.end()
        ? std::nullopt
        : std::optional(ranking::resultOf(found->second));
    return ranking::Row{ranking::resultOf(entry.score), clapOffResult, entry.order};
}

}  // namespace

std::vector<ranking::Row> rankingRows(const std::vector<StoredEntry>& entries,
                                      const std::map<qint64, int>& clapOff)
{
    std::vector<ranking::Row> rows;
    rows.reserve(entries.size());
    for (const StoredEntry& entry : entries)
        rows.push_back(rankingRow(entry, clapOff));
    return rows;
}

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
        exported.entries =
            ranking::arranged(ranking::rankTable(rankingRows(round->entries, round->clapOff)),
                              round->entries);
        rounds.push_back(std::move(exported));
    }
    return rounds;
}
