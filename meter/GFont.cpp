#include "meter/GFont.h"

#include "brio/BRStringQt.h"
#include "meter/FontUnits.h"

#include <QPainter>
#include <QPen>

GFont::GFont(const brio::BRString& face, double points, int style, std::uint32_t colorRef)
    : m_points(points), m_style(style), m_colorRef(colorRef)
{
    m_font.setFamily(brio::toQString(face));
    m_font.setPointSizeF(points > 0.0 ? points : kSmallestFontPoints);
    m_font.setBold((style & kFontStyleBold) != 0);
    m_font.setItalic((style & kFontStyleItalic) != 0);
    m_font.setUnderline((style & kFontStyleUnderline) != 0);
}

QColor GFont::color() const
{
    return colorFromColorRef(m_colorRef);
}

void GFont::select(QPainter& painter) const
{
    painter.setFont(m_font);
    painter.setPen(color());
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
