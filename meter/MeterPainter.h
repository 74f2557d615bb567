#pragma once

#include "meter/MeterLayout.h"

#include <QFont>
#include <QHash>
#include <QSize>
#include <QStaticText>
#include <QString>

#include <cstdint>

class GFont;
class MeterCore;
class QPainter;
class QRect;
class XImage;

// Colours of the league table's rows, as COLORREF values (0x00BBGGRR).
inline constexpr std::uint32_t kHighlightColor = 0xC80000;  // blue 200: the current contestant
inline constexpr std::uint32_t kRowColor = 0x000000;        // black: every other row

// Texts of the display laid out once and kept between frames: shaping text is the dearest
// part of a paint, and from one tick to the next nearly every text stays the same.
class MeterTextCache {
public:
    struct Text {
        QStaticText laidOut;
        int width = 0;  // the advance width, trailing spaces included
    };

    // Lays texts out in the painter's font for its device from now on; texts laid out for
    // another font or another resolution are dropped.
    void useFontOf(const QPainter& painter);
    const Text& get(const QString& text);

private:
    // Enough for every text of a full screen and the scores 0 to 100 several times over.
    static constexpr qsizetype kMaximumTexts = 1024;

    QFont m_font;
    QSize m_dotsPerInch;
    QHash<QString, Text> m_texts;
};

// Everything one frame of the meter display shows.
struct MeterScene {
    const MeterCore& meter;
    const GFont& font;
    std::uint32_t backgroundColor;
    const XImage& levelMarker;
    const XImage& peakMarker;
    const XImage& scale;
    layout::MarkerSizes markerSizes;
    MeterTextCache& texts;
};

// Draws the whole display for the scene into the client rectangle, covering every pixel of
// it, so nothing needs erasing first.
void paintMeter(QPainter& painter, const QRect& client, const MeterScene& scene);
