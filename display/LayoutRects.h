// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterLayout.h"
#include "core/PlacementPlan.h"

#include <QRect>

// The layout's rectangles (right and bottom one past the last pixel), the window placement's
// (position and size) and Qt's.
inline QRect toQRect(const layout::Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

inline layout::Rect toLayoutRect(const QRect& rect)
{
    return layout::Rect{rect.left(), rect.top(), rect.left() + rect.width(),
                        rect.top() + rect.height()};
}

inline WindowRect toWindowRect(const QRect& rect)
{
    return WindowRect{rect.x(), rect.y(), rect.width(), rect.height()};
}
