// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TickGapWatch.h"

#include <gtest/gtest.h>

#include <vector>

using std::chrono::milliseconds;

namespace {

struct Step {
    bool restartFirst;
    int atMs;
    bool newLargest;
    int largestMs;
};

}  // namespace

TEST(TickGapWatch, KeepsTheLargestGapOfARunningClockOnly)
{
    const std::vector<Step> steps = {
        {false, 1000, false, 0},  // the first tick ends no gap
        {false, 1020, true, 20},
        {false, 1040, false, 20},  // as large is not larger
        {false, 1105, true, 65},
        {false, 1125, false, 65},
        {true, 9000, false, 65},  // the clock was stopped: the pause is no gap
        {false, 9030, false, 65},
        {false, 9130, true, 100},
    };
    TickGapWatch watch;
    for (const Step& step : steps) {
        if (step.restartFirst)
            watch.restart();
        EXPECT_EQ(watch.tick(milliseconds(step.atMs)), step.newLargest) << "tick at " << step.atMs;
        EXPECT_EQ(watch.largest(), milliseconds(step.largestMs)) << "tick at " << step.atMs;
    }
}
