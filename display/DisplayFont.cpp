// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/DisplayFont.h"

#include "core/FontUnits.h"

#include <QPainter>
#include <QPen>

DisplayFont::DisplayFont(const QString& face, double points, int style, const QColor& color)
    : m_points(points), m_style(style), m_color(color)
{
    m_font.setFamily(face);
    m_font.setPointSizeF(drawnFontPoints(points));
    m_font.setBold((style & kFontStyleBold) != 0);
    m_font.setItalic((style & kFontStyleItalic) != 0);
    m_font.setUnderline((style & kFontStyleUnderline) != 0);
}

void DisplayFont::select(QPainter& painter) const
{
    painter.setFont(m_font);
    painter.setPen(m_color);
}

QColor colorFromColorRef(std::uint32_t colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

std::uint32_t colorRefFromColor(const QColor& color)
{
    return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}
