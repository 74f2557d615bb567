// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/DisplayStyle.h"

#include "brio/BRStringQt.h"
#include "core/settings/DisplaySettings.h"
#include "display/OffscreenImage.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>

namespace {

// A missing picture draws nothing and measures 0 x 0.
ScaledPicture adopted(DisplayPicture picture, const QImage& decoded)
{
    ScaledPicture adopted;
    adopted.adopt(picture, decoded);
    return adopted;
}

layout::Size sizeOf(const ScaledPicture& picture)
{
    const QSize size = picture.size();
    return layout::Size{size.width(), size.height()};
}

}  // namespace

DisplayStyle::DisplayStyle(const DisplaySettings& stored, const DisplayPictures& pictures)
    : m_font(brio::toQString(stored.fontName), fontPointSize(stored.fontSize), stored.fontStyle,
             colorFromColorRef(stored.fontColor)),
      m_backgroundColor(colorFromColorRef(stored.backgroundColor)),
      m_levelMarker(adopted(DisplayPicture::LevelMarker, pictures.levelMarker)),
      m_peakMarker(adopted(DisplayPicture::PeakMarker, pictures.peakMarker)),
      m_scale(adopted(DisplayPicture::Scale, pictures.scale)),
      m_markerSizes{sizeOf(m_levelMarker), sizeOf(m_peakMarker)}
{
}

FrameLook DisplayStyle::lookOn(const QFont& base, const QPaintDevice& device) const
{
    // As a painter on a widget sets a font: resolved against the widget's own, for its screen.
    const QFont painted(m_font.font().resolve(QFont(base, &device)), &device);
    return FrameLook{painted.key(), m_font.color().rgba(), m_backgroundColor.rgba(),
                     m_markerSizes, displayTextMetrics(painted)};
}

void DisplayStyle::draw(QPainter& painter, const QRect& client, const QRegion& region,
                        const MeterCore& meter, const QString& preedit, const FrameLook& look,
                        MeterTextCache& texts, bool showSelection,
                        const ScoreReveal* hidden,
                        const std::vector<std::int64_t>* pending) const
{
    const MeterScene scene{meter,         m_font,  m_backgroundColor, m_levelMarker,
                           m_peakMarker,  m_scale, m_markerSizes,     look.text,
                           texts,         preedit, showSelection,     hidden, pending};
    paintMeter(painter, client, region, scene);
}

QImage DisplayStyle::renderToImage(const QSize& size, const MeterCore& meter,
                                   const QString& preedit, const FrameLook& look,
                                   MeterTextCache& texts) const
{
    OffscreenImage offscreen(size);
    if (offscreen.painter().isActive()) {
        const QRect area = offscreen.area();
        draw(offscreen.painter(), area, QRegion(area), meter, preedit, look, texts, true);
    }
    return offscreen.finish();
}
