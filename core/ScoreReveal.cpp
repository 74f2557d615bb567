// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ScoreReveal.h"

#include <algorithm>

namespace {

constexpr std::size_t kPairSize = 2;

void forgetRemoved(ScoreReveal& reveal, const LeagueTable& table)
{
    const auto gone = [&](std::int64_t order) { return table.rowOf(order) < 0; };
    std::erase_if(reveal.hidden, gone);
    if (std::any_of(reveal.pair.begin(), reveal.pair.end(), gone))
        reveal.pair.clear();
}

}  // namespace

bool isHidden(const ScoreReveal& reveal, std::int64_t order)
{
    return std::find(reveal.hidden.begin(), reveal.hidden.end(), order) != reveal.hidden.end();
}

RevealStep revealNext(ScoreReveal& reveal, const LeagueTable& table)
{
    forgetRemoved(reveal, table);
    if (reveal.hidden.empty())
        return RevealStep{};
    if (reveal.hidden.size() == kPairSize && reveal.pair.empty())
        reveal.pair = reveal.hidden;
    // The table is best first: the hidden row lowest in it is the lowest score.
    const auto lowest = std::max_element(
        reveal.hidden.begin(), reveal.hidden.end(),
        [&](std::int64_t a, std::int64_t b) { return table.rowOf(a) < table.rowOf(b); });
    const std::int64_t order = *lowest;
    reveal.hidden.erase(lowest);
    RevealStep step{order, false};
    if (reveal.hidden.empty()) {
        step.winner = rankOfRow(table, table.rowOf(order)) == 1;
        reveal.pair.clear();
    } else if (reveal.hidden.size() == kPairSize && reveal.pair.empty()) {
        reveal.pair = reveal.hidden;
    }
    return step;
}

std::vector<AudienceRow> audienceRows(const LeagueTable& table, const ScoreReveal& reveal)
{
    std::vector<AudienceRow> rows;
    rows.reserve(static_cast<std::size_t>(table.count()));
    // A shown row's place counts every hidden score above it: a reveal goes lowest first, so
    // each revealed row gets its true place and keeps it (the first revealed of three is
    // third, never "1."), and no place moves while a hidden score is measured.
    std::vector<ranking::Row> ranked;
    ranked.reserve(static_cast<std::size_t>(table.count()));
    int hiddenRows = 0;
    for (int row = 0; row < table.count(); ++row) {
        ranked.push_back(rankingRow(table.entry(row)));
        ranked.back().removed = isHidden(reveal, table.entry(row).order);
        hiddenRows += ranked.back().removed ? 1 : 0;
    }
    const std::vector<int> ranks = ranking::ranksInOrder(ranked);
    for (int row = 0; row < table.count(); ++row) {
        if (!ranked[static_cast<std::size_t>(row)].removed)
            rows.push_back(AudienceRow{row, ranks[static_cast<std::size_t>(row)] + hiddenRows, false});
    }
    for (const std::int64_t order : reveal.hidden) {
        const int row = table.rowOf(order);
        if (row >= 0)
            rows.push_back(AudienceRow{row, 0, true});
    }
    return rows;
}
