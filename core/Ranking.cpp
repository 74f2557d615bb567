// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Ranking.h"

#include <algorithm>

namespace ranking {

bool ranksAbove(const Row& a, const Row& b)
{
    if (a.result != b.result)
        return a.result > b.result;
    // No clap-off compares below any clap-off's result.
    return a.clapOff > b.clapOff;
}

bool ranksAlike(const Row& a, const Row& b)
{
    return !ranksAbove(a, b) && !ranksAbove(b, a);
}

bool listedBefore(const Row& a, const Row& b)
{
    return ranksAbove(a, b) || (ranksAlike(a, b) && a.order < b.order);
}

std::vector<Place> rankTable(const std::vector<Row>& rows)
{
    std::vector<Place> places;
    places.reserve(rows.size());
    for (std::size_t index = 0; index < rows.size(); ++index) {
        if (!rows[index].removed)
            places.push_back(Place{index, 0});
    }
    std::stable_sort(places.begin(), places.end(), [&rows](const Place& a, const Place& b) {
        const Row& first = rows[a.row];
        const Row& second = rows[b.row];
        if (first.round != second.round)
            return first.round < second.round;
        return listedBefore(first, second);
    });
    int placeInRound = 0;
    for (std::size_t index = 0; index < places.size(); ++index) {
        const Row& row = rows[places[index].row];
        const bool sameRound = index > 0 && rows[places[index - 1].row].round == row.round;
        placeInRound = sameRound ? placeInRound + 1 : 1;
        const bool shared = sameRound && ranksAlike(rows[places[index - 1].row], row);
        places[index].rank = shared ? places[index - 1].rank : placeInRound;
    }
    return places;
}

std::vector<int> ranksInOrder(const std::vector<Row>& rows)
{
    std::vector<int> ranks(rows.size(), 0);
    for (const Place& place : rankTable(rows))
        ranks[place.row] = place.rank;
    return ranks;
}

}  // namespace ranking
