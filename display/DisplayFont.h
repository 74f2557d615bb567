// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>

class QPainter;

// The display font: face, size in points, style bits and colour, realised once as a QFont. The
// size is kept as given; the QFont has it within 1 to 1000 points (see drawnFontPoints).
class DisplayFont {
public:
    DisplayFont() = default;
    DisplayFont(const QString& face, double points, int style, const QColor& color);

    double size() const { return m_points; }
    int style() const { return m_style; }
    const QColor& color() const { return m_color; }
    const QFont& font() const { return m_font; }

    // Makes this the painter's font and its colour the painter's text colour.
    void select(QPainter& painter) const;

private:
    double m_points = 0.0;
    int m_style = 0;
    QColor m_color;
    QFont m_font;
};

// Colours as the settings store keeps them, 0x00BBGGRR; the top byte is ignored. Only the
// code that reads or writes a setting converts.
QColor colorFromColorRef(std::uint32_t colorRef);
std::uint32_t colorRefFromColor(const QColor& color);
