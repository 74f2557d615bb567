// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterLayout.h"

#include <gtest/gtest.h>

#include <limits>

using namespace layout;

namespace {

// The pictures as the program carries them: two 163 x 76 arrows.
const MarkerSizes kMarkers{Size{163, 76}, Size{163, 76}};

Rect viewOf(int width, int height)
{
    return Rect{0, 0, width, height};
}

}  // namespace

TEST(MeterGroupOrigin, IsCentredWithoutTheLeagueTable)
{
    // 163 + 200 + 163 = 526 pixels, centred in 1000, measured from the view's left edge.
    const struct {
        Rect view;
        int origin;
    } cases[] = {
        {viewOf(1000, 600), 237},
        {Rect{30, 0, 1030, 600}, 267},
        {Rect{-40, 10, 960, 610}, 197},
    };
    for (const auto& c : cases)
        EXPECT_EQ(meterOrigin(c.view, false, kMarkers), c.origin) << "left edge " << c.view.left;
}

TEST(MeterGroupOrigin, IsTheLeftEdgeBesideTheLeagueTable)
{
    EXPECT_EQ(meterOrigin(viewOf(1000, 600), true, kMarkers), 0);
    EXPECT_EQ(meterOrigin(Rect{30, 0, 1030, 600}, true, kMarkers), 30);
}

TEST(MeterGroupOrigin, StartsLeftOfAViewNarrowerThanTheGroup)
{
    // (400 - 526) / 2 truncates toward zero: -63.
    EXPECT_EQ(meterOrigin(viewOf(400, 600), false, kMarkers), -63);
}

TEST(MeterGroupOrigin, UsesBothMarkerWidths)
{
    const MarkerSizes uneven{Size{100, 76}, Size{50, 76}};
    EXPECT_EQ(meterOrigin(viewOf(1000, 600), false, uneven), (1000 - 350) / 2);
}

TEST(ScaleRect, SpansTheViewLessHalfAMarkerAtEachEnd)
{
    const Rect view = viewOf(1000, 600);
    const Rect scale = scaleRect(view, 237, kMarkers, false, 37);
    EXPECT_EQ(scale, (Rect{400, 38, 600, 562}));
    EXPECT_EQ(scale.height(), 524);
}

TEST(ScaleRect, TopIsLoweredByOneTextLineBesideTheLeagueTable)
{
    const Rect scale = scaleRect(viewOf(1000, 600), 0, kMarkers, true, 37);
    EXPECT_EQ(scale.top, 75);
    EXPECT_EQ(scale.bottom, 562);
    EXPECT_EQ(scale.left, 163);
    EXPECT_EQ(scale.right, 363);
}

TEST(MarkerRects, LevelMarkerAtFiftyInASixHundredPixelView)
{
    const Rect view = viewOf(1000, 600);
    const Rect scale = scaleRect(view, 237, kMarkers, false, 0);
    EXPECT_EQ(levelMarkerRect(view, scale, 237, kMarkers.level, 50), (Rect{237, 262, 400, 338}));
}

TEST(MarkerRects, LevelMarkerMiddleLiesOnTheScaleEnds)
{
    const Rect view = viewOf(1000, 600);
    const Rect scale = scaleRect(view, 237, kMarkers, false, 0);
    const Rect atZero = levelMarkerRect(view, scale, 237, kMarkers.level, 0);
    EXPECT_EQ(atZero.bottom, 600);
    EXPECT_EQ(atZero.top, 524);
    EXPECT_EQ((atZero.top + atZero.bottom) / 2, scale.bottom);
    const Rect atHundred = levelMarkerRect(view, scale, 237, kMarkers.level, 100);
    EXPECT_EQ((atHundred.top + atHundred.bottom) / 2, scale.top);
}

TEST(MarkerRects, PeakMarkerStandsRightOfTheScaleWithItsOwnSize)
{
    const Rect view = viewOf(1000, 600);
    const Rect scale = scaleRect(view, 237, kMarkers, false, 0);
    const Rect peak = peakMarkerRect(view, scale, Size{120, 50}, 50);
    EXPECT_EQ(peak, (Rect{600, 288, 720, 338}));
}

TEST(MarkerRects, MarkerHeightTruncatesTowardZero)
{
    // H = 524: 524 * 33 / 100 = 172.92, truncated to 172.
    const Rect view = viewOf(1000, 600);
    const Rect scale = scaleRect(view, 237, kMarkers, false, 0);
    EXPECT_EQ(levelMarkerRect(view, scale, 237, kMarkers.level, 33).bottom, 600 - 172);
    EXPECT_EQ(peakMarkerRect(view, scale, kMarkers.peak, 33).bottom, 600 - 172);
}

TEST(ScoreColumn, EndsAtTheRightEdgeOutsideTheSummary)
{
    const Rect view = viewOf(1000, 600);
    const TableMetrics metrics{60, 37};
    const int right = scoreColumnRight(view, false, metrics.scoreWidth);
    EXPECT_EQ(right, 1000);
    EXPECT_EQ(scoreRect(right, metrics, 0), (Rect{940, 0, 1000, 37}));
    EXPECT_EQ(nameRect(view, right, metrics, 0), (Rect{0, 0, 935, 37}));
}

TEST(ScoreColumn, StartsAtTheMiddleInTheSummary)
{
    const Rect view = viewOf(1000, 600);
    const TableMetrics metrics{60, 37};
    const int right = scoreColumnRight(view, true, metrics.scoreWidth);
    EXPECT_EQ(right, 560);
    EXPECT_EQ(scoreRect(right, metrics, 0), (Rect{500, 0, 560, 37}));
    EXPECT_EQ(nameRect(view, right, metrics, 0), (Rect{0, 0, 495, 37}));
}

TEST(ScoreColumn, SummaryMiddleTruncatesAnOddWidth)
{
    EXPECT_EQ(scoreColumnRight(Rect{10, 0, 1011, 600}, true, 60), 10 + 500 + 60);
}

TEST(TableRows, FollowEachOtherOneRowHeightPlusOnePixelApart)
{
    const Rect view{0, 20, 1000, 600};
    EXPECT_EQ(rowTop(view, 37, 0), 20);
    EXPECT_EQ(rowTop(view, 37, 1), 58);
    EXPECT_EQ(rowTop(view, 37, 3), 20 + 3 * 38);
}

TEST(TableRows, NameRectSpansFromTheLeftEdgeToTheGapBeforeTheScores)
{
    // The room is the same for every name: a longer one is shortened to fit it.
    const TableMetrics metrics{60, 37};
    struct Case {
        Rect view;
        int columnRight;
        Rect expected;
    };
    const Case cases[] = {
        {Rect{0, 0, 1000, 600}, 1000, Rect{0, 76, 935, 113}},
        {Rect{20, 0, 1000, 600}, 1000, Rect{20, 76, 935, 113}},  // a left edge not at 0
        {Rect{0, 0, 60, 600}, 60, Rect{0, 76, 0, 113}},          // no room left: empty
        {Rect{0, 0, 1000, 600}, std::numeric_limits<int>::min(), Rect{0, 76, 0, 113}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameRect(c.view, c.columnRight, metrics, 76), c.expected) << c.view.left
                                                                           << " " << c.columnRight;
}

TEST(VisibleRows, StopAtTheFirstRowStartingAtTheBottom)
{
    // Rows start at 0, 38, 76, ...; row 15 starts at 570, row 16 at 608.
    const Rect view = viewOf(1000, 600);
    EXPECT_EQ(visibleRows(view, 37, 100000, 0, 600), (RowRange{0, 16}));
    EXPECT_EQ(visibleRows(view, 37, 10, 0, 600), (RowRange{0, 10}));
    EXPECT_EQ(visibleRows(view, 37, 0, 0, 600), (RowRange{0, 0}));
}

TEST(VisibleRows, ARowEndingExactlyAtTheBandTopIsLeftOut)
{
    const Rect view = viewOf(1000, 600);
    // Row 0 covers 0..36, row 1 covers 38..74.
    EXPECT_EQ(visibleRows(view, 37, 100, 37, 600).first, 1);
    EXPECT_EQ(visibleRows(view, 37, 100, 36, 600).first, 0);
    // A band that ends where row 1 starts leaves it out.
    EXPECT_EQ(visibleRows(view, 37, 100, 0, 38).end, 1);
    EXPECT_EQ(visibleRows(view, 37, 100, 0, 39).end, 2);
}

TEST(VisibleRows, EveryRowOutsideTheRangeLiesWhollyOutsideTheBand)
{
    const Rect view{0, 7, 500, 300};
    for (int height : {0, 1, 13, 40}) {
        for (int bandTop : {-50, 7, 30, 100}) {
            const int bandBottom = bandTop + 150;
            const RowRange rows = visibleRows(view, height, 200, bandTop, bandBottom);
            for (int row = 0; row < 200; ++row) {
                const int top = rowTop(view, height, row);
                const bool overlaps = top < bandBottom && top + height > bandTop;
                const bool inRange = row >= rows.first && row < rows.end;
                EXPECT_EQ(overlaps, inRange) << "height " << height << " row " << row;
            }
        }
    }
}

TEST(VisibleRows, NoRowsForABandAboveOrBelowTheTable)
{
    const Rect view = viewOf(1000, 600);
    const RowRange below = visibleRows(view, 37, 5, 400, 600);
    EXPECT_EQ(below.first, below.end);
    const RowRange above = visibleRows(view, 37, 5, -100, 0);
    EXPECT_EQ(above.first, above.end);
}

TEST(VisibleRows, HugeCountsAndBandsStayInRange)
{
    const Rect view = viewOf(1000, 600);
    const RowRange rows = visibleRows(view, 37, 2147483647, -2147483647, 2147483647);
    EXPECT_EQ(rows.first, 0);
    EXPECT_EQ(rows.end, 2147483647 / 38 + 1);
    EXPECT_EQ(visibleRows(view, 37, -5, 0, 600), (RowRange{0, 0}));
}
