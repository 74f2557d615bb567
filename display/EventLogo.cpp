// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/EventLogo.h"

#include "core/Translated.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Larger pictures are refused before decoding: a logo needs no more, and decoding one of
// 20000 x 20000 would take a gigabyte and stall the show.
constexpr int kLargestSide = 8192;
// Decoded no larger than a logo on the largest screen at twice the density needs.
constexpr int kDecodedSide = 2048;

}  // namespace

EventLogo::EventLogo() = default;
EventLogo::~EventLogo() = default;

void EventLogo::clear()
{
    m_size = QSize();
    m_raster = QImage();
    m_svg.reset();
    m_fitted = QImage();
}

QString EventLogo::load(const QString& path)
{
    clear();
    if (!QFileInfo(path).isFile())
        return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "the file is missing"));
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        auto svg = std::make_unique<QSvgRenderer>(path);
        if (!svg->isValid() || svg->defaultSize().isEmpty())
            return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "it is not a readable picture"));
        m_size = svg->defaultSize();
        m_svg = std::move(svg);
        return {};
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.width() > kLargestSide || size.height() > kLargestSide)
        return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "it is too large (%1 x %2 pixels)"))
            .arg(size.width())
            .arg(size.height());
    if (!reader.canRead() || size.isEmpty())
        return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "it is not a readable picture"));
    if (size.width() > kDecodedSide || size.height() > kDecodedSide)
        reader.setScaledSize(size.scaled(kDecodedSide, kDecodedSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return translated("EventLogo", QT_TRANSLATE_NOOP("EventLogo", "it is not a readable picture"));
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
    if (m_svg) {
        m_fitted = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_fitted.fill(Qt::transparent);
        QPainter painter(&m_fitted);
        m_svg->render(&painter);
    } else {
        m_fitted = m_raster.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_fitted.setDevicePixelRatio(devicePixelRatio);
    return m_fitted;
}
