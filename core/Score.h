#pragma once

#include "brio/BRString.h"

#include <cstdint>

// One league-table entry: a contestant's name and the peak level of the turn (0 to 100).
struct Score {
    brio::BRString name;
    std::int32_t score = 0;
};
