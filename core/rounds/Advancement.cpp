// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/rounds/Advancement.h"

#include <algorithm>

namespace rounds {

namespace {

ranking::Row rankingRow(const Standing& standing)
{
    const std::optional<ranking::Result> clapOff =
        standing.clapOff ? std::optional(ranking::resultOf(*standing.clapOff)) : std::nullopt;
    const ranking::Result result = standing.jury ? ranking::resultOf(standing.score, *standing.jury)
                                                 : ranking::resultOf(standing.score);
    return ranking::Row{result, clapOff, standing.order};
}

// Everyone in rows ranking alike with the standing at place.
std::vector<brio::BRString> namesAlike(const std::vector<Standing>& rows, std::size_t place)
{
    std::vector<brio::BRString> names;
    for (const Standing& row : rows) {
        if (rankAlike(row, rows[place]))
            names.push_back(row.name);
    }
    return names;
}

void addOnce(std::vector<brio::BRString>& names, const brio::BRString& name)
{
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

}  // namespace

std::vector<ranking::Row> rankingRows(const std::vector<Standing>& standings)
{
    std::vector<ranking::Row> rows;
    rows.reserve(standings.size());
    for (const Standing& standing : standings)
        rows.push_back(rankingRow(standing));
    return rows;
}

bool rankAlike(const Standing& a, const Standing& b)
{
    return ranking::ranksAlike(rankingRow(a), rankingRow(b));
}

std::vector<Standing> rankedWithClapOff(std::vector<Standing> rows)
{
    return ranking::arranged(ranking::rankTable(rankingRows(rows)), rows);
}

Advancement advance(const std::vector<RoundStandings>& from, int best, TieRule ties,
                    RunningOrder order)
{
    Advancement result;
    const std::size_t wanted = static_cast<std::size_t>(std::max(best, 0));
    for (const RoundStandings& round : from) {
        const std::vector<Standing> rows = rankedWithClapOff(round.rows);
        const std::size_t taken = std::min(wanted, rows.size());
        std::size_t end = taken;
        const bool tiedAtCut =
            taken > 0 && taken < rows.size() && rankAlike(rows[taken - 1], rows[taken]);
        if (tiedAtCut) {
            if (ties == TieRule::Refuse)
                result.ties.push_back(Tie{round.round, namesAlike(rows, taken - 1)});
            else
                while (end < rows.size() && rankAlike(rows[taken - 1], rows[end]))
                    ++end;
        }
        for (std::size_t index = 0; index < end; ++index)
            addOnce(result.names, rows[index].name);
    }
    if (!result.ties.empty())
        result.names.clear();
    else if (order == RunningOrder::Reversed)
        std::reverse(result.names.begin(), result.names.end());
    return result;
}

std::optional<Tie> tieForFirst(const RoundStandings& round)
{
    const std::vector<Standing> rows = rankedWithClapOff(round.rows);
    if (rows.size() < 2 || !rankAlike(rows[0], rows[1]))
        return std::nullopt;
    return Tie{round.round, namesAlike(rows, 0)};
}

}  // namespace rounds
