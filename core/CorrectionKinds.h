// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "brio/BRString.h"
#include "core/Score.h"

#include <cstdint>
#include <variant>
#include <vector>

// A change to the league table that the operator can take back, holding what taking it back
// and making it again need. Contestants are named by their order of entry, which no
// correction changes.
namespace correction {

struct Renamed {
    std::int64_t order = 0;
    brio::BRString before;
    brio::BRString after;
};

// Measured again: the new peak took the place of the old score.
struct Remeasured {
    std::int64_t order = 0;
    int before = 0;
    int after = 0;
};

// Rows taken out of the table: one contestant removed, or the whole table cleared.
struct Removed {
    std::vector<Score> entries;
};

}  // namespace correction

using Correction = std::variant<correction::Renamed, correction::Remeasured, correction::Removed>;
