#pragma once

#include <cmath>

// The display font as the store keeps it: style bits, and sizes in tenths of a point.
inline constexpr int kFontStyleBold = 1;
inline constexpr int kFontStyleItalic = 2;
inline constexpr int kFontStyleUnderline = 4;

inline constexpr int kTenthsPerPoint = 10;
// Qt refuses point sizes of zero or below; the smallest size it is given is one point.
inline constexpr double kSmallestFontPoints = 1.0;

// The font's size in points from a stored size in tenths of a point.
inline double fontPointSize(int sizeTenths)
{
    return sizeTenths / static_cast<double>(kTenthsPerPoint);
}

// A size in points, rounded to the nearest tenth, as the store keeps it.
inline int tenthsFromPoints(double points)
{
    return static_cast<int>(std::lround(points * kTenthsPerPoint));
}
