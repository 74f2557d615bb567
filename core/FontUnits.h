// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>

// The display font as the store keeps it: style bits, and sizes in tenths of a point.
inline constexpr int kFontStyleBold = 1;
inline constexpr int kFontStyleItalic = 2;
inline constexpr int kFontStyleUnderline = 4;

inline constexpr int kTenthsPerPoint = 10;
// Qt refuses point sizes of zero or below; the smallest size it is given is one point. Far
// larger sizes than the largest here come out as empty boxes.
inline constexpr double kSmallestFontPoints = 1.0;
inline constexpr double kLargestFontPoints = 1000.0;

// The font's size in points from a stored size in tenths of a point.
inline double fontPointSize(int sizeTenths)
{
    return sizeTenths / static_cast<double>(kTenthsPerPoint);
}

// The size in points that a font of this size is drawn at: the nearest of the smallest and the
// largest size when it lies outside them.
inline double drawnFontPoints(double points)
{
    if (!(points >= kSmallestFontPoints))  // NaN too
        return kSmallestFontPoints;
    return std::min(points, kLargestFontPoints);
}

// A size in points, rounded to the nearest tenth, as the store keeps it.
inline int tenthsFromPoints(double points)
{
    return static_cast<int>(std::lround(points * kTenthsPerPoint));
}
