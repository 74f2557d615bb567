// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/ScaledPicture.h"

#include "display/PngImage.h"

#include <QPaintDevice>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace {

QString resourcePath(int resourceId, const QString& suffix)
{
    return QStringLiteral(":/images/%1%2.png").arg(resourceId).arg(suffix);
}

// Qt takes the device pixel ratio of a picture from an "@2x" in its name; the pictures are
// drawn into rectangles in device pixels here, so every picture counts as 1x.
QImage loadedPicture(const QString& path)
{
    QImage image = readPng(path);
    if (image.isNull())
        return QImage();
    // The format that raster painting blends fastest.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The picture blended over an opaque background: at 1x on white exactly the pixels of the
// JPEGs that the program showed before (see resources/images/make_images.sh), so the stretched
// scale comes out as it always did.
QImage blendedOver(const QImage& picture, QRgb background)
{
    QImage blended(picture.size(), QImage::Format_RGB32);
    blended.fill(background);
    QPainter painter(&blended);
    painter.drawImage(QPoint(0, 0), picture);
    return blended;
}

QImage decoded(DisplayPicture picture)
{
    return loadedPicture(resourcePath(static_cast<int>(picture), QString()));
}

}  // namespace

DisplayPictures decodeDisplayPictures()
{
    return DisplayPictures{decoded(DisplayPicture::LevelMarker), decoded(DisplayPicture::PeakMarker),
                           decoded(DisplayPicture::Scale)};
}

void ScaledPicture::adopt(DisplayPicture picture, const QImage& decoded)
{
    m_scaled.clear();
    m_resourceId = static_cast<int>(picture);
    m_original = decoded;
    m_double.reset();
}

bool ScaledPicture::load(int resourceId)
{
    m_scaled.clear();
    m_resourceId = resourceId;
    m_original = loadedPicture(resourcePath(resourceId, QString()));
    m_double.reset();
    return !m_original.isNull();
}

const QImage& ScaledPicture::doublePicture() const
{
    if (!m_double) {
        m_double = m_original.isNull()
                       ? QImage()
                       : loadedPicture(resourcePath(m_resourceId, QStringLiteral("@2x")));
    }
    return *m_double;
}

void ScaledPicture::draw(QPainter& painter, const QRect& target, const QColor& background) const
{
    if (m_original.isNull() || target.width() <= 0 || target.height() <= 0)
        return;
    // On a high-density screen the copy is made at the device's resolution.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize deviceSize(qRound(target.width() * ratio), qRound(target.height() * ratio));
    const bool fromDouble = ratio > 1.0 && !doublePicture().isNull();
    const QImage& image = scaledTo(deviceSize, background.rgb(), fromDouble);
    if (image.isNull())
        return;
    painter.drawImage(QRectF(target), image);
}

const QImage& ScaledPicture::scaledTo(const QSize& size, QRgb background, bool fromDouble) const
{
    auto found = std::find_if(m_scaled.begin(), m_scaled.end(), [&](const Scaled& scaled) {
        return scaled.size == size && scaled.background == background &&
               scaled.fromDouble == fromDouble;
    });
    if (found == m_scaled.end()) {
        if (m_scaled.size() >= kCachedSizes)
            m_scaled.pop_back();
        QImage image = blendedOver(fromDouble ? doublePicture() : m_original, background);
        if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.insert(m_scaled.begin(), Scaled{size, background, fromDouble, std::move(image)});
    } else if (found != m_scaled.begin()) {
        std::rotate(m_scaled.begin(), found, found + 1);
    }
    return m_scaled.front().image;
}
