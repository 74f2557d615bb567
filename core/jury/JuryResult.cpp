// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/jury/JuryResult.h"

#include <algorithm>
#include <numeric>

namespace {

// numerator / denominator, rounded half away from zero; the denominator is above 0.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t half = (2 * (numerator < 0 ? -numerator : numerator) + denominator)
                              / (2 * denominator);
    return numerator < 0 ? -half : half;
}

std::int64_t totalWeight(const jury::JuryRules& rules)
{
    std::int64_t total = 0;
    for (const jury::Criterion& criterion : rules.criteria)
        total += criterion.weight;
    return rules.criteria.empty() ? 1 : total;
}

}  // namespace

namespace jury {

Hundredths JuryMark::hundredths() const
{
    return given() ? static_cast<Hundredths>(roundedQuotient(sum, parts)) : 0;
}

JuryMark juryMarkOf(const JuryRules& rules, const std::vector<JudgeMarks>& marks)
{
    const std::size_t wanted = std::max<std::size_t>(rules.criteria.size(), 1);
    // Each judge's weighted sum; over the criteria's total weight it is the judge's mark.
    std::vector<std::int64_t> weighed;
    for (const JudgeMarks& judge : marks) {
        if (judge.size() != wanted)
            continue;
        std::int64_t sum = 0;
        for (std::size_t index = 0; index < wanted; ++index)
            sum += std::int64_t{judge[index]} * (rules.criteria.empty() ? 1 : rules.criteria[index].weight);
        weighed.push_back(sum);
    }
    std::sort(weighed.begin(), weighed.end());
    auto first = weighed.begin();
    auto last = weighed.end();
    if (rules.dropExtremes && weighed.size() >= 4) {
        ++first;
        --last;
    }
    const std::int64_t kept = last - first;
    return JuryMark{std::accumulate(first, last, std::int64_t{0}), kept * totalWeight(rules)};
}

namespace {

// The rows not removed that have the highest value, where they have one.
template <typename Read>
std::vector<std::size_t> bestBy(const std::vector<AwardRow>& rows, Read value)
{
    using Value = decltype(value(rows.front()));
    std::vector<std::size_t> best;
    Value highest;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const Value own = rows[index].row.removed ? Value() : value(rows[index]);
        if (!own || (highest && *own < *highest))
            continue;
        if (!highest || *own > *highest)
            best.clear();
        highest = own;
        best.push_back(index);
    }
    return best;
}

}  // namespace

Awards awardsOf(const std::vector<AwardRow>& rows)
{
    std::vector<ranking::Row> ranked;
    for (const AwardRow& row : rows)
        ranked.push_back(row.row);
    Awards awards;
    for (const ranking::Place& place : ranking::rankTable(ranked)) {
        if (place.rank == 1)
            awards.winners.push_back(place.row);
    }
    std::sort(awards.winners.begin(), awards.winners.end());
    awards.judgesChoice = bestBy(rows, [](const AwardRow& row) { return row.jury; });
    awards.peoplesChoice = bestBy(rows, [](const AwardRow& row) { return std::optional<int>(row.applause); });
    return awards;
}

}  // namespace jury

namespace ranking {

Result resultOf(int applause, const jury::JuryRules& rules, const jury::JuryMark& jury)
{
    return resultOf(applause, jury::JuryStanding{rules.weights, rules.max, jury});
}

Result resultOf(int applause, const jury::JuryStanding& standing)
{
    const jury::JuryMark& jury = standing.mark;
    const std::int64_t wA = standing.weights.applause;
    const std::int64_t wJ = standing.weights.jury;
    // J / max × 100 is (sum / parts) / max × 100: every term over parts × max, in tenths.
    const std::int64_t scale = (jury.given() ? jury.parts : 1) * std::max(standing.max, jury::Hundredths{1});
    const std::int64_t numerator = 10 * (wA * applause * scale + wJ * jury.sum * 100);
    const std::int64_t denominator = std::max<std::int64_t>(wA + wJ, 1) * scale;
    return Result{static_cast<std::int32_t>(roundedQuotient(numerator, denominator))};
}

}  // namespace ranking
