// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The event's logo for the Stage look: a PNG, JPEG or SVG picture, drawn crisp at any size
// and device pixel ratio. A picture that cannot be read, or is too large to decode safely,
// leaves no logo. An SVG is drawn by Qt's image plugin for it, so that Qt Svg is loaded only
// when a show has such a logo, not at every start.
class EventLogo {
public:
    EventLogo();
    ~EventLogo();

    // Reads the picture; an empty answer when it can be shown, else why it cannot.
    QString load(const QString& path);
    void clear();

    bool isNull() const { return m_size.isEmpty(); }
    // The picture's own size, for its proportions.
    QSize size() const { return m_size; }
    // The picture fitted into a logical size at a device pixel ratio, kept for the next frame.
    QImage picture(const QSize& logical, qreal devicePixelRatio) const;

private:
    QSize m_size;
    QImage m_raster;     // decoded no larger than any screen needs
    QByteArray m_svg;    // the SVG's text, drawn anew at each fitted size
    mutable QImage m_fitted;
};
