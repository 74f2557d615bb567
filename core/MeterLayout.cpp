// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MeterLayout.h"

#include <algorithm>
#include <limits>

namespace layout {
namespace {

constexpr int kPercent = 100;

int clampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Rows are one row height plus the spacing apart; a height below zero counts as zero.
std::int64_t rowStep(int rowHeight)
{
    return std::max(rowHeight, 0) + std::int64_t{kRowSpacing};
}

std::int64_t floorDiv(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

std::int64_t ceilDiv(std::int64_t numerator, std::int64_t denominator)
{
    return -floorDiv(-numerator, denominator);
}

// The bottom edge of a marker standing for `value` on a scale of height h.
int markerBottom(const Rect& view, int scaleHeight, int value)
{
    return view.bottom - (scaleHeight * value) / kPercent;
}

}  // namespace

int meterOrigin(const Rect& view, bool useLeagueTable, const MarkerSizes& markers)
{
    if (useLeagueTable)
        return view.left;
    const int groupWidth = markers.peak.width + markers.level.width + kScaleWidth;
    return view.left + (view.width() - groupWidth) / 2;
}

Rect scaleRect(const Rect& view, int origin, const MarkerSizes& markers, bool useLeagueTable,
               int textHeight)
{
    Rect scale;
    scale.left = origin + markers.level.width;
    scale.right = origin + markers.level.width + kScaleWidth;
    scale.top = view.top + markers.level.height / 2;
    scale.bottom = view.bottom - markers.level.height / 2;
    if (useLeagueTable)
        scale.top += textHeight;
    return scale;
}

Rect levelMarkerRect(const Rect& view, const Rect& scale, int origin, Size marker, int level)
{
    const int bottom = markerBottom(view, scale.height(), level);
    return Rect{origin, bottom - marker.height, origin + marker.width, bottom};
}

Rect peakMarkerRect(const Rect& view, const Rect& scale, Size marker, int peak)
{
    const int bottom = markerBottom(view, scale.height(), peak);
    return Rect{scale.right, bottom - marker.height, scale.right + marker.width, bottom};
}

MeterRects meterRects(const Rect& view, bool useLeagueTable, const MarkerSizes& markers,
                      int textHeight, int level, int peak)
{
    const int origin = meterOrigin(view, useLeagueTable, markers);
    MeterRects rects;
    rects.scale = scaleRect(view, origin, markers, useLeagueTable, textHeight);
    rects.levelMarker = levelMarkerRect(view, rects.scale, origin, markers.level, level);
    rects.peakMarker = peakMarkerRect(view, rects.scale, markers.peak, peak);
    return rects;
}

Rect nameLineRect(const Rect& view, int lineHeight)
{
    return Rect{view.left, view.top, view.right, view.top + lineHeight};
}

Rect countdownRect(const Rect& view, const MarkerSizes& markers, int lineHeight)
{
    return Rect{view.left, view.top, view.left + markers.level.width + kScaleWidth,
                view.top + lineHeight};
}

int scoreColumnRight(const Rect& view, bool summary, int scoreWidth)
{
    if (summary)
        return view.left + view.width() / 2 + scoreWidth;
    return view.right;
}

int rowTop(const Rect& view, int rowHeight, int row)
{
    return clampToInt(view.top + rowStep(rowHeight) * row);
}

Rect scoreRect(int columnRight, const TableMetrics& metrics, int top)
{
    return Rect{columnRight - metrics.scoreWidth, top, columnRight, top + metrics.rowHeight};
}

Rect nameRect(const Rect& view, int columnRight, const TableMetrics& metrics, int top)
{
    const std::int64_t right =
        std::int64_t{columnRight} - metrics.scoreWidth - kNameScoreGap;
    const int clampedRight = std::max(view.left, clampToInt(right));
    return Rect{view.left, top, clampedRight, top + metrics.rowHeight};
}

RowRange visibleRows(const Rect& view, int rowHeight, int count, int bandTop, int bandBottom)
{
    // Row i spans [top_i, top_i + h) with top_i = view.top + i * step; it shows when
    // top_i < bandBottom and top_i + h > bandTop.
    const std::int64_t step = rowStep(rowHeight);
    const std::int64_t height = std::max(rowHeight, 0);
    const std::int64_t rows = std::max(count, 0);
    const std::int64_t end =
        std::clamp<std::int64_t>(ceilDiv(std::int64_t{bandBottom} - view.top, step), 0, rows);
    const std::int64_t first = std::clamp<std::int64_t>(
        floorDiv(std::int64_t{bandTop} - view.top - height, step) + 1, 0, end);
    return RowRange{static_cast<int>(first), static_cast<int>(end)};
}

}  // namespace layout
