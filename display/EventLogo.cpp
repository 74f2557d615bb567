// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/EventLogo.h"

#include "core/Translated.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Larger pictures are refused before decoding: a logo needs no more, and decoding one of
// 20000 x 20000 would take a gigabyte and stall the show.
constexpr int kLargestSide = 8192;
// Decoded no larger than a logo on the largest screen at twice the density needs.
constexpr int kDecodedSide = 2048;
// An SVG logo is a small text; a larger file is not one.
constexpr qint64 kLargestSvgBytes = 4 * 1024 * 1024;

QString unreadable()
{
    return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "it is not a readable picture"));
}

// The SVG drawn at a size, or a null image when the plugin cannot draw it.
QImage svgImage(const QByteArray& svg, const QSize& size)
{
    QBuffer buffer;
    buffer.setData(svg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setAutoDetectImageFormat(false);
    if (size.isValid())
        reader.setScaledSize(size);
    return reader.read();
}

QSize svgSize(const QByteArray& svg)
{
    QBuffer buffer;
    buffer.setData(svg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setAutoDetectImageFormat(false);
    return reader.canRead() ? reader.size() : QSize();
}

}  // namespace

EventLogo::EventLogo() = default;
EventLogo::~EventLogo() = default;

void EventLogo::clear()
{
    m_size = QSize();
    m_raster = QImage();
    m_svg.clear();
    m_fitted = QImage();
}

QString EventLogo::load(const QString& path)
{
    clear();
    if (!QFileInfo(path).isFile())
        return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "the file is missing"));
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QFile file(path);
        if (file.size() > kLargestSvgBytes || !file.open(QIODevice::ReadOnly))
            return unreadable();
        const QByteArray svg = file.readAll();
        const QSize size = svgSize(svg);
        // Drawn once now, small, so that a file the plugin cannot draw is refused here.
        if (size.isEmpty() || svgImage(svg, QSize(16, 16)).isNull())
            return unreadable();
        m_size = size;
        m_svg = svg;
        return {};
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.width() > kLargestSide || size.height() > kLargestSide)
        return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "it is too large (%1 x %2 pixels)"))
            .arg(size.width())
            .arg(size.height());
    if (!reader.canRead() || size.isEmpty())
        return unreadable();
    if (size.width() > kDecodedSide || size.height() > kDecodedSide)
        reader.setScaledSize(size.scaled(kDecodedSide, kDecodedSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return unreadable();
    m_raster = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_size = size;
    return {};
}

QImage EventLogo::picture(const QSize& logical, qreal devicePixelRatio) const
{
    if (isNull() || logical.isEmpty())
        return {};
    const QSize pixels = (m_size.scaled(logical, Qt::KeepAspectRatio).toSizeF() * devicePixelRatio)
                             .toSize()
                             .expandedTo(QSize(1, 1));
    if (m_fitted.size() == pixels && qFuzzyCompare(m_fitted.devicePixelRatio(), devicePixelRatio))
        return m_fitted;
    if (!m_svg.isEmpty()) {
        m_fitted = svgImage(m_svg, pixels).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        m_fitted = m_raster.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_fitted.setDevicePixelRatio(devicePixelRatio);
    return m_fitted;
}
