// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DamageTally.h"

#include <gtest/gtest.h>

TEST(DamageTallyTest, CountsOnlyRectanglesWithAnArea)
{
    struct Case {
        int width;
        int height;
        quint64 pixels;
    };
    const Case cases[] = {{10, 20, 200}, {0, 20, 0}, {10, 0, 0}, {-5, 20, 0}, {1, 1, 1}};
    DamageTally tally;
    quint64 expectedPixels = 0;
    quint64 expectedRectangles = 0;
    for (const Case& c : cases) {
        addRectangle(tally, c.width, c.height);
        expectedPixels += c.pixels;
        expectedRectangles += c.pixels > 0 ? 1 : 0;
        EXPECT_EQ(tally.pixels, expectedPixels) << c.width << "x" << c.height;
        EXPECT_EQ(tally.rectangles, expectedRectangles) << c.width << "x" << c.height;
    }
}

TEST(DamageTallyTest, LargeRectanglesDoNotOverflow)
{
    DamageTally tally;
    // A 4K screen redrawn 50 times a second for an hour.
    for (int frame = 0; frame < 50 * 3600; ++frame)
        addRectangle(tally, 3840, 2160);
    EXPECT_EQ(tally.pixels, quint64(3840) * 2160 * 50 * 3600);
}

TEST(DamageTallyTest, RatesPerSecond)
{
    struct Case {
        quint64 pixels;
        qint64 area;
        double seconds;
        double megapixels;
        double frames;
    };
    const Case cases[] = {
        {80'000'000, 1'600'000, 1.0, 80.0, 50.0},
        {80'000'000, 1'600'000, 2.0, 40.0, 25.0},
        {0, 1'600'000, 10.0, 0.0, 0.0},
        {1'000'000, 0, 1.0, 1.0, 0.0},   // no window area: no frames figure
        {1'000'000, 100, 0.0, 0.0, 0.0},  // no period: no rates
        {1'000'000, 100, -1.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(megapixelsPerSecond(c.pixels, c.seconds), c.megapixels) << c.pixels;
        EXPECT_DOUBLE_EQ(fullFramesPerSecond(c.pixels, c.area, c.seconds), c.frames) << c.pixels;
    }
}

TEST(DamageTallyTest, LinesCarryEveryFigureAsKeyValuePairs)
{
    DamageSummary damage;
    damage.window = 0x400006;
    damage.width = 1600;
    damage.height = 1000;
    damage.seconds = 2.0;
    damage.tally = {100, 160'000'000};
    EXPECT_EQ(damageLine(damage).toStdString(),
              "damage window=0x400006 width=1600 height=1000 seconds=2.000 rectangles=100 "
              "pixels=160000000 mpixels_per_s=80.000 full_frames_per_s=50.00");

    StartSummary start;
    start.window = 0x1e00007;
    start.pid = 4242;
    start.mapMs = 312.04;
    start.paintMs = 340.0;
    EXPECT_EQ(startLine(start).toStdString(),
              "start window=0x1e00007 pid=4242 map_ms=312.0 paint_ms=340.0");
}
