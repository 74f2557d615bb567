// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameColour.h"

#include <gtest/gtest.h>

#include <set>

TEST(FrameColourTest, NoTwoFramesInARowShareAColour)
{
    // Across the wrap of the hue circle and of the frame counter too.
    const quint64 starts[] = {0, 355, 359, 360, 719, 2519, ~quint64(0) - 4};
    for (const quint64 start : starts) {
        for (quint64 frame = start; frame != start + 5; ++frame)
            EXPECT_NE(frameColour(frame).rgb(), frameColour(frame + 1).rgb()) << frame;
    }
}

TEST(FrameColourTest, EveryHueComesRoundBeforeOneRepeats)
{
    std::set<QRgb> colours;
    for (quint64 frame = 0; frame < 360; ++frame)
        colours.insert(frameColour(frame).rgb());
    // Neighbouring hues may round to one RGB value; nearly all must differ.
    EXPECT_GT(colours.size(), 300u);
    EXPECT_EQ(frameColour(0).rgb(), frameColour(360).rgb());
}
