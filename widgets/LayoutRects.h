// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterLayout.h"

#include <QRect>

// The layout's rectangles (right and bottom one past the last pixel) and Qt's.
inline QRect toQRect(const layout::Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

inline layout::Rect toLayoutRect(const QRect& rect)
{
    return layout::Rect{rect.left(), rect.top(), rect.left() + rect.width(),
                        rect.top() + rect.height()};
}
