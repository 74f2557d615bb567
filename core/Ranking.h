// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace jury {
struct JuryRules;
struct JuryMark;
struct JuryStanding;
}  // namespace jury

// The one order of every table the program shows, stores or exports: best result first,
// equal results sharing a competition rank ("1224") unless a clap-off set them apart, and
// among those alike the contestant who started earlier first. Plain data in and out.
namespace ranking {

// What a contestant is ranked by, in tenths of a point, so that a mark with one decimal can
// join the applause: the applause score alone, or with the jury on, the two weighed.
struct Result {
    std::int32_t tenths = 0;

    friend auto operator<=>(const Result&, const Result&) = default;
};

// The result of a turn from its voices: the applause score, 0 to 100.
constexpr Result resultOf(int applause)
{
    return Result{applause * 10};
}

// The result with the jury on (jury/JuryResult.cpp, beside J's arithmetic):
// (wA × applause + wJ × J / max × 100) / (wA + wJ), rounded half away from zero to a tenth.
// J without a mark counts as 0; with the jury weighing 0 it is resultOf(applause) exactly.
Result resultOf(int applause, const jury::JuryRules& rules, const jury::JuryMark& jury);
// The same with the weights and the highest mark given apart from the rest of the set-up.
Result resultOf(int applause, const jury::JuryStanding& jury);

// One row of a table to rank.
struct Row {
    Result result;
    // The latest clap-off's result, where one was held among the tied; it orders only those
    // with equal results, and one left out of it comes after those it measured, as a
    // clap-off is held among everyone tied and one left out reached that result later.
    std::optional<Result> clapOff = std::nullopt;
    std::int64_t order = 0;  // order of entry: the earlier first among rows ranking alike
    int round = 0;           // rows are ranked among their own round only
    bool removed = false;    // left out: no place, and not counted in the others' ranks
};

// Whether a ranks above b on results and clap-off; rows ranking alike share a rank.
bool ranksAbove(const Row& a, const Row& b);
bool ranksAlike(const Row& a, const Row& b);
// Whether a comes before b in a table: it ranks above, or alike and started earlier.
bool listedBefore(const Row& a, const Row& b);

// A row's place in the ranked table.
struct Place {
    std::size_t row = 0;  // its index among the rows given
    int rank = 0;         // its competition rank within its round
};

// The rows not removed, round by round (by ascending round), each round best first with its
// ranks. Rows alike in everything, order of entry too, keep the order given.
std::vector<Place> rankTable(const std::vector<Row>& rows);

// The rank of each row given, in the order given; 0 for a removed row.
std::vector<int> ranksInOrder(const std::vector<Row>& rows);

// The items, one for each row that was ranked, in the order of the places.
template <typename Item>
std::vector<Item> arranged(const std::vector<Place>& places, const std::vector<Item>& items)
{
    std::vector<Item> ordered;
    ordered.reserve(places.size());
    for (const Place& place : places)
        ordered.push_back(items[place.row]);
    return ordered;
}

}  // namespace ranking
