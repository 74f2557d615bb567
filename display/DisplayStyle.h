// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FrameSnapshot.h"
#include "core/MeterLayout.h"
#include "display/DisplayFont.h"
#include "display/MeterPainter.h"
#include "display/ScaledPicture.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>

struct DisplaySettings;
class MeterCore;
struct ScoreReveal;
class QFont;
class QPaintDevice;
class QPainter;
class QRect;

// How the meter display looks, apart from what it shows: the display font with its colour,
// the background colour and the pictures of the markers and the scale. It lays out and draws
// a frame of any meter, for any display.
class DisplayStyle {
public:
    // The stored font and colours; the pictures come from the program's resources, decoded
    // here unless the caller has them already.
    explicit DisplayStyle(const DisplaySettings& stored,
                          const DisplayPictures& pictures = decodeDisplayPictures());

    const DisplayFont& font() const { return m_font; }
    const QColor& backgroundColor() const { return m_backgroundColor; }
    const layout::MarkerSizes& markerSizes() const { return m_markerSizes; }
    void setFont(const DisplayFont& font) { m_font = font; }
    void setBackgroundColor(const QColor& color) { m_backgroundColor = color; }

    // The look of a frame as a painter on the device draws it: the display font resolved
    // against the device's own (base) for its screen, the colours, the pictures' sizes and
    // the text measured there.
    FrameLook lookOn(const QFont& base, const QPaintDevice& device) const;

    // The part of the meter's display in region drawn into client, in the look and with the
    // text cache of one display; showSelection frames the selected row (the operator's).
    void draw(QPainter& painter, const QRect& client, const QRegion& region,
              const MeterCore& meter, const QString& preedit, const FrameLook& look,
              MeterTextCache& texts, bool showSelection,
              const ScoreReveal* hidden = nullptr,
              const std::vector<std::int64_t>* pending = nullptr) const;
    // The whole display as it would look in a display of this size.
    QImage renderToImage(const QSize& size, const MeterCore& meter, const QString& preedit,
                         const FrameLook& look, MeterTextCache& texts) const;

private:
    DisplayFont m_font;
    QColor m_backgroundColor;
    ScaledPicture m_levelMarker;
    ScaledPicture m_peakMarker;
    ScaledPicture m_scale;
    layout::MarkerSizes m_markerSizes;
};
