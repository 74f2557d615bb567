// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// What the meter is doing; the values are those the program has always used.
enum class MeterState : std::int32_t {
    NameEntry = 0,  // the operator types the next contestant's name
    Measuring = 1,  // the meter runs; SPACE drives the level
    Summary = 2,    // the league table alone, between two turns
};
