// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MeterLayout.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QSize>
#include <QStaticText>
#include <QString>

#include <utility>


class DisplayFont;
struct ScoreReveal;
class MeterCore;
class QFont;
class QPainter;
class QRect;
class QRegion;
class ScaledPicture;

// Colours of the league table's rows.
inline constexpr QColor kHighlightColor(0, 0, 200);  // blue: the current contestant
inline constexpr QColor kRowColor(0, 0, 0);          // black: every other row
// The frame around the row the operator selected, in the operator's display only.
inline constexpr QColor kSelectionColor(230, 120, 0);  // orange, apart from both
inline constexpr int kSelectionWidth = 2;

// Texts of the display laid out once and kept between frames: shaping text is the dearest
// part of a paint, and from one tick to the next nearly every text stays the same. Texts are
// measured, shortened and drawn through the same layout, so a script that the display font
// lacks, shown in a fallback font, measures as it is drawn; a right-to-left text runs in its
// own direction.
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
    // The text as it fits into maxWidth: whole when it fits, else cut with "…" at its end.
    const Text& fitted(const QString& text, int maxWidth);

private:
    // Enough for every text of a full screen and the scores 0 to 100 several times over.
    static constexpr qsizetype kMaximumTexts = 1024;

    QFont m_font;
    QSize m_dotsPerInch;
    QHash<QString, Text> m_texts;
    QHash<std::pair<QString, int>, QString> m_shortened;  // by text and room
};

// Everything one frame of the meter display shows.
struct MeterScene {
    const MeterCore& meter;
    const DisplayFont& font;
    QColor backgroundColor;
    const ScaledPicture& levelMarker;
    const ScaledPicture& peakMarker;
    const ScaledPicture& scale;
    layout::MarkerSizes markerSizes;
    layout::TableMetrics text;  // from displayTextMetrics, so that every frame lays out alike
    MeterTextCache& texts;
    QString preedit;  // an input method's text being composed, shown after the typed name
    bool showSelection = false;  // the operator's display frames the selected row
    // The audience's display: these scores show as "?" at the table's foot, and the level
    // of a hidden turn has no numbers and no peak marker. None for the operator's.
    const ScoreReveal* hidden = nullptr;
    // The contestants whose jury marking is open: their results show as "…".
    const std::vector<std::int64_t>* pending = nullptr;
};

// A text line's height and the score column's width in this font, resolved for its device.
layout::TableMetrics displayTextMetrics(const QFont& font);

// The name line as drawn in name entry, without its cursor: the prompt, the typed name and
// the text being composed.
QString nameLineText(const MeterCore& meter, const QString& preedit);

// Draws the part of the display for the scene that lies in region, inside the client
// rectangle, covering every pixel of it, so nothing needs erasing first. Only the steps that
// reach into the region are drawn, and nothing outside it is touched; every pixel inside
// comes out as a paint of the whole display would make it.
void paintMeter(QPainter& painter, const QRect& client, const QRegion& region,
                const MeterScene& scene);
