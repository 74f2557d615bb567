// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Ranking.h"
#include "core/jury/JuryRules.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The jury's mark of a contestant and the three awards, as pure arithmetic. Everything is
// kept as whole numbers until the one rounding of what is shown, so that no result depends
// on the order of additions.
namespace jury {

// One judge's marks for one contestant, checked on arrival: one a criterion in the rules'
// order, or a single mark without criteria. A judge who has not marked has no entry.
using JudgeMarks = std::vector<Hundredths>;

// J, the jury's mark of one contestant, kept exact as a fraction of hundredths of a point.
struct JuryMark {
    std::int64_t sum = 0;    // the kept marks, each weighed by its criteria
    std::int64_t parts = 0;  // the kept marks times the criteria's total weight; 0 for none

    bool given() const { return parts > 0; }
    // J in hundredths of a point, rounded half away from zero; 0 without a mark.
    Hundredths hundredths() const;

    friend bool operator==(const JuryMark&, const JuryMark&) = default;
};

// J from the judges' marks: each judge's weighted mean of the criteria, the highest and lowest
// dropped where the rules say so and at least four judges marked, then their mean. Marks
// whose count does not fit the criteria are left out rather than guessed at.
JuryMark juryMarkOf(const JuryRules& rules, const std::vector<JudgeMarks>& marks);

// What the ranking needs of the jury for one contestant: the weights of the show, the highest
// mark of the set-up she was marked under, and J as it stands (see ranking::resultOf).
struct JuryStanding {
    Weights weights;
    Hundredths max = 10 * kPoint;
    JuryMark mark;

    friend bool operator==(const JuryStanding&, const JuryStanding&) = default;
};

// A table's row for the awards.
struct AwardRow {
    ranking::Row row;
    int applause = 0;
    std::optional<Hundredths> jury;  // J as shown, none before any judge marked
};

// Who wins each award, as indexes into the rows given; ties share an award. The winners
// are those ranked first by the one ranking (a clap-off set apart among them), the Judges'
// Choice those with the highest J as shown among the marked, and the People's Choice those
// with the most applause. Removed rows win nothing; an award nobody can win is empty.
struct Awards {
    std::vector<std::size_t> winners;
    std::vector<std::size_t> judgesChoice;
    std::vector<std::size_t> peoplesChoice;
};

// The rows of one round.
Awards awardsOf(const std::vector<AwardRow>& rows);

}  // namespace jury
