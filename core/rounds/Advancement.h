// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/Ranking.h"
#include "core/jury/JuryResult.h"

#include <cstdint>
#include <optional>
#include <vector>

// Who goes on from earlier rounds into a new one, and where a tie at the cut stops that.
// Plain data in, plain data out: the session and show control both ask it.
namespace rounds {

// One contestant's standing in a round: the round score, the clap-off's score where a
// clap-off among the tied has been held (it orders only those it measured), and the order of
// entry.
struct Standing {
    brio::BRString name;
    int score = 0;
    std::optional<int> clapOff;
    std::int64_t order = 0;
    std::optional<jury::JuryStanding> jury = std::nullopt;  // while the jury is on
};

// A round's standings best first, as its league table shows them.
struct RoundStandings {
    brio::BRString round;
    std::vector<Standing> rows;
};

// Contestants who cannot be told apart at a place that matters.
struct Tie {
    brio::BRString round;
    std::vector<brio::BRString> names;

    friend bool operator==(const Tie&, const Tie&) = default;
};

enum class TieRule {
    Refuse,  // a tie at the cut makes nothing: the operator holds a clap-off first
    Share,   // everyone tied at the cut goes on
};

enum class RunningOrder {
    RoundsInOrder,  // the first chosen round's best first, then the next round's
    Reversed,       // the same list backwards, so the strongest come last
};

struct Advancement {
    std::vector<brio::BRString> names;  // the new round's running order; empty with a tie
    std::vector<Tie> ties;              // with TieRule::Refuse, every cut that is tied
};

// The standings as the ranking sees them (core/Ranking.h), in the order given.
std::vector<ranking::Row> rankingRows(const std::vector<Standing>& standings);

// Whether two standings of one round rank alike: the same score, and the same clap-off
// score or neither measured in one.
bool rankAlike(const Standing& a, const Standing& b);

// The best `best` of each round (a whole round when it has fewer), in the chosen order.
// A name that goes on from two rounds is taken once, where it first comes.
Advancement advance(const std::vector<RoundStandings>& from, int best, TieRule ties,
                    RunningOrder order);

// The contestants sharing first place in a round, when there are two or more; nothing when
// one leads alone or the round has no scores yet.
std::optional<Tie> tieForFirst(const RoundStandings& round);

// The standings ordered best first with the clap-off as the tie-break among equal scores
// (those it measured before those it did not); the order of entry, then the given order,
// settles the rest.
std::vector<Standing> rankedWithClapOff(std::vector<Standing> rows);

}  // namespace rounds
