#pragma once

#include "brio/BRString.h"

#include <QColor>
#include <QFont>

#include <cstdint>

class QPainter;

// The display font: face, size in points, style bits and colour, realised once as a QFont.
class GFont {
public:
    GFont() = default;
    GFont(const brio::BRString& face, double points, int style, std::uint32_t colorRef);
    virtual ~GFont() = default;

    double size() const { return m_points; }
    int style() const { return m_style; }
    std::uint32_t colorRef() const { return m_colorRef; }
    const QFont& font() const { return m_font; }
    QColor color() const;

    // Makes this the painter's font and its colour the painter's text colour.
    void select(QPainter& painter) const;

private:
    double m_points = 0.0;
    int m_style = 0;
    std::uint32_t m_colorRef = 0;
    QFont m_font;
};

// A Windows colour value, 0x00BBGGRR, as a QColor; the top byte is ignored.
QColor colorFromColorRef(std::uint32_t colorRef);
std::uint32_t colorRefFromColor(const QColor& color);
