// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>

// An off-screen picture of the view: everything is drawn into a QImage of any size, in the
// view's own coordinates, and handed over when drawing is done. On screen the view paints
// straight through Qt's backing store, which already composes each frame off screen.
class OffscreenImage {
public:
    explicit OffscreenImage(const QSize& size);
    ~OffscreenImage();

    OffscreenImage(const OffscreenImage&) = delete;
    OffscreenImage& operator=(const OffscreenImage&) = delete;

    // Valid until finish(); inactive when the picture could not be made (an empty or
    // impossibly large size), in which case drawing does nothing.
    QPainter& painter() { return m_painter; }
    QRect area() const { return m_area; }

    // Ends drawing and hands over the finished picture.
    QImage finish();

private:
    QRect m_area;
    QImage m_image;
    QPainter m_painter;
};
