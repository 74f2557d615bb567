// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

class QPainter;

// The display's pictures by role; each number is its resource file's name.
enum class DisplayPicture { LevelMarker = 500, PeakMarker = 501, Scale = 502 };

// The display's pictures at 1x, decoded. Decoding touches no GUI state, so the start does it
// on a thread of its own beside Qt's start.
struct DisplayPictures {
    QImage levelMarker;
    QImage peakMarker;
    QImage scale;
};
DisplayPictures decodeDisplayPictures();

// A picture from the program's resources, found by its number (":/images/<id>.png", and
// ":/images/<id>@2x.png" drawn at twice the size for high-density screens), and drawn scaled
// into a rectangle, blended over the background colour. Blended copies are kept by target
// size and background, so a frame only copies pixels. A picture that did not load has size
// 0 x 0 and draws nothing.
class ScaledPicture {
public:
    ScaledPicture() = default;

    // Loads one of the display's pictures; false when it is missing.
    bool load(DisplayPicture picture) { return load(static_cast<int>(picture)); }
    // Takes the picture as decodeDisplayPictures() decoded it.
    void adopt(DisplayPicture picture, const QImage& decoded);
    // Loads the picture with this number; false when there is none. The 2x picture is
    // optional, and read only once a high-density device draws the picture.
    bool load(int resourceId);
    bool isNull() const { return m_original.isNull(); }
    // The size of the 1x picture, by which the layout places it.
    QSize size() const { return m_original.size(); }

    // Draws the picture into target over background, which the target must already show:
    // the picture's transparent parts show it. On a device of more than one pixel per unit
    // the 2x picture is the source.
    void draw(QPainter& painter, const QRect& target, const QColor& background) const;

private:
    struct Scaled {
        QSize size;
        QRgb background;
        bool fromDouble;
        QImage image;
    };

    const QImage& scaledTo(const QSize& size, QRgb background, bool fromDouble) const;
    // The 2x picture, read when first wanted: a screen of one pixel per unit never wants it.
    const QImage& doublePicture() const;

    // One target size is in use at a time (the scale's, for the view's size and layout); a
    // copy for another size is seldom drawn again (a resized window, a toggled table), so it
    // goes rather than stay decoded beside the one in use.
    static constexpr std::size_t kCachedSizes = 1;

    int m_resourceId = 0;
    QImage m_original;
    mutable std::optional<QImage> m_double;  // not read yet; null when there is no 2x version
    mutable std::vector<Scaled> m_scaled;  // most recently used first
};
