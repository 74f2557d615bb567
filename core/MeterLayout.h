// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Where each part of the meter display goes, as pure arithmetic on the client rectangle,
// the marker sizes and the text metrics. Rectangles follow the Windows convention: right
// and bottom are one past the last pixel. Divisions truncate toward zero.
namespace layout {

inline constexpr int kScaleWidth = 200;
inline constexpr int kNameScoreGap = 5;
inline constexpr int kRowSpacing = 1;

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct MarkerSizes {
    Size level;
    Size peak;
    friend bool operator==(const MarkerSizes&, const MarkerSizes&) = default;
};

// Left edge of the meter group (level marker, scale, peak marker): the view's left edge
// beside the league table, else centred, even when that puts it left of the view.
int meterOrigin(const Rect& view, bool useLeagueTable, const MarkerSizes& markers);

// The scale spans the view less half a level marker at each end; beside the league table
// its top is lowered by one text line (textHeight).
Rect scaleRect(const Rect& view, int origin, const MarkerSizes& markers, bool useLeagueTable,
               int textHeight);

// The level marker's middle lies on the scale's bottom at level 0 and on its top at 100.
Rect levelMarkerRect(const Rect& view, const Rect& scale, int origin, Size marker, int level);
// The peak marker stands right of the scale; its bottom edge follows the same rule.
Rect peakMarkerRect(const Rect& view, const Rect& scale, Size marker, int peak);

// The meter group as drawn for a level and a peak.
struct MeterRects {
    Rect scale;
    Rect levelMarker;
    Rect peakMarker;
};
MeterRects meterRects(const Rect& view, bool useLeagueTable, const MarkerSizes& markers,
                      int textHeight, int level, int peak);

// The name line: one text line across the top of the view.
Rect nameLineRect(const Rect& view, int lineHeight);

// An equal turn's countdown: one text line at the view's top left, as wide as the level
// marker and the scale. Beside the league table that is the line the lowered scale leaves
// free; a centred meter leaves the corner free in a view wider than the meter.
Rect countdownRect(const Rect& view, const MarkerSizes& markers, int lineHeight);

// League-table text metrics: the width and height of the score-column sample.
struct TableMetrics {
    int scoreWidth = 0;
    int rowHeight = 0;
    friend bool operator==(const TableMetrics&, const TableMetrics&) = default;
};

// Right edge of the score column: the view's right edge, or in the summary screen just
// right of the middle so that the scores start at the middle of the view.
int scoreColumnRight(const Rect& view, bool summary, int scoreWidth);

// Top of league-table row `row`; rows follow each other from the view's top.
int rowTop(const Rect& view, int rowHeight, int row);
// The score of a row, right-aligned in the score column.
Rect scoreRect(int columnRight, const TableMetrics& metrics, int top);
// The room for the name of a row: from the view's left edge to kNameScoreGap left of the
// score column (none when the column leaves no room). A longer name is shortened to fit.
Rect nameRect(const Rect& view, int columnRight, const TableMetrics& metrics, int top);

// Rows [first, end) of a table of `count` rows have some part between bandTop and bandBottom.
struct RowRange {
    int first = 0;
    int end = 0;
    friend bool operator==(const RowRange&, const RowRange&) = default;
};
RowRange visibleRows(const Rect& view, int rowHeight, int count, int bandTop, int bandBottom);

}  // namespace layout
