// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/LeagueTable.h"

#include <cstdint>
#include <optional>
#include <vector>

// Scores the audience does not see yet, and their reveal, as plain data. Contestants are
// named by their order of entry, so corrections that move rows keep them.
struct ScoreReveal {
    std::vector<std::int64_t> hidden;  // in order of entry
    // The last two hidden, standing side by side; they stay side by side until the winner
    // is revealed, the runner-up's score shown beside the winner's "?".
    std::vector<std::int64_t> pair;
    friend bool operator==(const ScoreReveal&, const ScoreReveal&) = default;
};

bool isHidden(const ScoreReveal& reveal, std::int64_t order);

// What one press of Reveal did: whose score now shows (-1 for nobody, nothing was hidden),
// and whether it was the last hidden score and ranks first.
struct RevealStep {
    std::int64_t order = -1;
    bool winner = false;
    friend bool operator==(const RevealStep&, const RevealStep&) = default;
};

// One press: the lowest hidden score shows (of equal scores the one ranked lower). When two
// remain hidden they stand side by side from then on, until the last press reveals the winner.
// Names the table no longer holds are forgotten first.
RevealStep revealNext(ScoreReveal& reveal, const LeagueTable& table);

// One row as the audience sees the table: the rows whose scores show, best first, each placed
// below every hidden score, then the hidden rows in order of entry with neither rank nor score.
struct AudienceRow {
    int row = 0;   // in the league table
    int rank = 0;  // 0 for a hidden row
    bool hidden = false;
    friend bool operator==(const AudienceRow&, const AudienceRow&) = default;
};
std::vector<AudienceRow> audienceRows(const LeagueTable& table, const ScoreReveal& reveal);
